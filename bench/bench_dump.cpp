// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// Loading, reporting and saving board images, each timed against what the file system alone
// costs for the same file (its floor). After the run, one "ratio:" line per case gives the median
// time of the case over the median time of its floor; script/bench reads those lines.

#include "eepromdump.h"

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Files
{
    QString valid;
    QString wrongSize;
    QString sparse;
    QString missing;
    QString saveTarget;
    QString floorTarget;
    QByteArray image;
};

Files files;

void loadAndReport(benchmark::State &state, const QString *path)
{
    for (auto _ : state) {
        EepromDump dump;
        QString report = dump.load(*path);
        benchmark::DoNotOptimize(report);
    }
}

// The least any loader pays: open, ask the length, read at most one image. A file of the wrong
// length needs no read at all, but reading its first 512 bytes keeps the floor honest for
// small files and costs the same for huge ones.
void fileFloor(benchmark::State &state, const QString *path)
{
    for (auto _ : state) {
        QFile file(*path);
        if (file.open(QIODevice::ReadOnly)) {
            qint64 size = file.size();
            QByteArray bytes = file.read(EepromDump::ImageSize);
            benchmark::DoNotOptimize(size);
            benchmark::DoNotOptimize(bytes);
        }
    }
}

void renderReport(benchmark::State &state)
{
    for (auto _ : state) {
        EepromDump dump;
        QString report = dump.loadImage(files.image);
        benchmark::DoNotOptimize(report);
    }
}

void clearAndSave(benchmark::State &state)
{
    EepromDump dump;
    dump.loadImage(files.image);
    for (auto _ : state) {
        if (!dump.clearAndSave(files.saveTarget))
            state.SkipWithError("clearAndSave failed");
    }
}

void plainWrite(benchmark::State &state)
{
    const QByteArray bytes(EepromDump::ImageSize, '\x5a');
    for (auto _ : state) {
        QFile file(files.floorTarget);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            state.SkipWithError("plain write failed");
    }
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Prints as the console reporter does, and keeps every repetition's time per iteration so that
// the ratios can be taken between medians once all cases have run.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(OutputOptions options) : benchmark::ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            seconds[run.run_name.function_name].push_back(run.real_accumulated_time /
                                                          static_cast<double>(run.iterations));
        }
    }

    void printRatio(const std::string &name, const std::string &floor) const
    {
        const auto caseTimes = seconds.find(name);
        const auto floorTimes = seconds.find(floor);
        if (caseTimes == seconds.end() || floorTimes == seconds.end())
            return;
        const double caseMedian = median(caseTimes->second) * 1e6;
        const double floorMedian = median(floorTimes->second) * 1e6;
        std::printf("ratio: %s %.3f us / %s %.3f us = %.2f (%zu runs)\n", name.c_str(), caseMedian,
                    floor.c_str(), floorMedian, floorMedian > 0 ? caseMedian / floorMedian : 0.0,
                    caseTimes->second.size());
    }

private:
    std::map<std::string, std::vector<double>> seconds;
};

} // namespace

int main(int argc, char **argv)
{
    // Alternate the cases and repeat them, so that a slow moment of a shared machine spreads
    // over all of them; both can be overridden on the command line.
    std::vector<char *> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string repetitions = "--benchmark_repetitions=15";
    args.insert(args.begin() + 1, {interleave.data(), repetitions.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    QTemporaryDir dir;
    QFile sample(QStringLiteral(TAVRO_SAMPLE_DUMP));
    if (!dir.isValid() || !sample.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_dump: no temporary folder or no %s\n", TAVRO_SAMPLE_DUMP);
        return 1;
    }
    files.image = sample.readAll();
    files.valid = dir.filePath(QStringLiteral("valid.bin"));
    files.wrongSize = dir.filePath(QStringLiteral("wrong-size.bin"));
    files.sparse = dir.filePath(QStringLiteral("sparse-3GiB.bin"));
    files.missing = dir.filePath(QStringLiteral("missing.bin"));
    files.saveTarget = dir.filePath(QStringLiteral("cleared.bin"));
    files.floorTarget = dir.filePath(QStringLiteral("plain.bin"));
    QFile valid(files.valid), wrongSize(files.wrongSize), sparse(files.sparse);
    const bool written = valid.open(QIODevice::WriteOnly) && valid.write(files.image) == 512 &&
                         wrongSize.open(QIODevice::WriteOnly) &&
                         wrongSize.write(files.image + '\0') == 513 &&
                         sparse.open(QIODevice::WriteOnly) &&
                         sparse.resize(qint64(3) << 30); // holes: no disk space used
    valid.close();
    wrongSize.close();
    sparse.close();
    if (files.image.size() != EepromDump::ImageSize || !written) {
        std::fprintf(stderr, "bench_dump: cannot write the test files\n");
        return 1;
    }

    benchmark::RegisterBenchmark("load/valid", loadAndReport, &files.valid);
    benchmark::RegisterBenchmark("floor/valid", fileFloor, &files.valid);
    benchmark::RegisterBenchmark("load/wrong_size", loadAndReport, &files.wrongSize);
    benchmark::RegisterBenchmark("floor/wrong_size", fileFloor, &files.wrongSize);
    benchmark::RegisterBenchmark("load/sparse_3GiB", loadAndReport, &files.sparse);
    benchmark::RegisterBenchmark("floor/sparse_3GiB", fileFloor, &files.sparse);
    benchmark::RegisterBenchmark("load/failed_open", loadAndReport, &files.missing);
    benchmark::RegisterBenchmark("floor/failed_open", fileFloor, &files.missing);
    benchmark::RegisterBenchmark("report_alone", renderReport);
    benchmark::RegisterBenchmark("clear_and_save", clearAndSave);
    benchmark::RegisterBenchmark("floor/plain_write", plainWrite);

    RatioReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                 : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nMedian time per operation, and its ratio to its floor:\n");
    for (const char *name : {"valid", "wrong_size", "sparse_3GiB", "failed_open"})
        reporter.printRatio(std::string("load/") + name, std::string("floor/") + name);
    // The report alone, against reading the file it came from: its share of a load's budget.
    reporter.printRatio("report_alone", "floor/valid");
    reporter.printRatio("clear_and_save", "floor/plain_write");
    return 0;
}
