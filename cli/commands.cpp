// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "dumpfield.h"
#include "dumpinfo.h"
#include "eepromdump.h"
#include "fileio.h"
#include "filewalker.h"
#include "output.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Value = DumpField::Value;

// "120 of 4000 files" on the terminal, once the work has lasted a second, at most ten times a
// second; never when standard error is not a terminal (the clock is started only when it is).
struct Progress
{
    void step(quint64 done)
    {
        if (!clock.isValid() || clock.elapsed() < 1000 || clock.elapsed() - drawnAt < 100)
            return;
        drawnAt = clock.elapsed();
        std::fprintf(stderr, "\r%llu of %llu files", done, total);
        shown = true;
    }
    void clear()
    {
        if (shown)
            std::fputs("\r\033[K", stderr);
        shown = false;
    }

    quint64 total = 0;
    QElapsedTimer clock;
    qint64 drawnAt = -1000;
    bool shown = false;
};

// A command's exit status, once the message that explains it is on standard error.
int stop(int status, const QByteArray &message)
{
    Output::message(message);
    return status;
}

QByteArray openFailure(const QByteArray &path)
{
    struct stat info;
    if (::stat(path.constData(), &info) != 0)
        return std::strerror(errno);
    if (!S_ISREG(info.st_mode))
        return S_ISDIR(info.st_mode) ? "is a folder" : "is not a regular file";
    return ::access(path.constData(), R_OK) != 0 ? std::strerror(errno) : "cannot be read";
}

} // namespace

namespace Commands {

int report(ReportWriter::Format format, const QList<QByteArray> &paths)
{
    // A path that is not there is a mistake in the command; one that cannot be reached
    // (permissions) is reported like any file that cannot be opened.
    for (const QByteArray &path : paths) {
        struct stat info;
        if (::lstat(path.constData(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR))
            return stop(2, path + ": " + QByteArray(std::strerror(errno)));
    }

    Progress progress;
    if (::isatty(STDERR_FILENO) == 1) {
        // Counting first costs one walk of the folders, reading no file.
        const auto count = [&progress](const QByteArray &) {
            ++progress.total;
            return true;
        };
        FileWalker::walk(paths, count, [](const QByteArray &, int) {});
        progress.clock.start();
    }

    Output output;
    ReportWriter writer(format, output);
    bool allGood = true;
    quint64 done = 0;
    const FileWalker::Visit visit = [&](const QByteArray &file) {
        const DumpInfo info = DumpInfo::read(file);
        writer.add(file, info);
        allGood = allGood && info.valid() && info.checksumOk();
        ++done;
        if (output.isTerminal())
            progress.clear();
        if (!output.flush(false))
            return false;
        progress.step(done);
        return true;
    };
    const FileWalker::Failure failure = [&](const QByteArray &folder, int error) {
        progress.clear();
        Output::message(folder + ": cannot read the folder: " + QByteArray(std::strerror(error)));
        allGood = false;
    };
    FileWalker::walk(paths, visit, failure);
    progress.clear();
    writer.end(); // after a failed write, only into the buffer
    const int status = output.finish(allGood && done > 0 ? 0 : 1);
    if (done == 0 && status == 1)
        Output::message("no .bin or .eep file found");
    return status;
}

int clear(const QByteArray &input, const QByteArray &output, bool force)
{
    const DumpInfo info = DumpInfo::read(input);
    if (info.problem == DumpInfo::CannotOpen)
        return stop(1, input + ": cannot be opened: " + openFailure(input) + "; nothing written");
    if (!info.valid())
        return stop(1, input + ": not a valid image (" + info.problemName() + "); nothing written");
    struct stat target;
    if (::stat(output.constData(), &target) == 0 && !S_ISREG(target.st_mode)) {
        const char *what = S_ISDIR(target.st_mode) ? ": is a folder" : ": is not a regular file";
        return stop(1, output + what + "; name the file to write");
    }
    if (!force && ::lstat(output.constData(), &target) == 0) {
        struct stat source;
        const bool same = ::stat(input.constData(), &source) == 0 &&
                          ::stat(output.constData(), &target) == 0 &&
                          source.st_dev == target.st_dev && source.st_ino == target.st_ino;
        const char *why = same
                              ? ": is the input itself; --force overwrites it with its cleaned copy"
                              : ": exists; --force replaces it";
        return stop(1, output + why);
    }
    if (!info.checksumOk()) {
        Output::message(input + ": the checksum does not match (stored 0x" +
                        Value::number(info.storedChecksum, 16, 4).bytes() + ", computed 0x" +
                        Value::number(info.computedChecksum, 16, 4).bytes() +
                        "); cleaned all the same");
    }
    // Without --force nothing is replaced, not even a file that appears while the copy is
    // written (a second run with the same output).
    const FileIo::SaveResult saved = FileIo::save(output, EepromDump::cleaned(info.image),
                                                  force ? FileIo::Replace : FileIo::CreateOnly);
    if (saved.status == FileIo::SaveResult::Saved)
        return 0;
    const char *said =
        saved.status == FileIo::SaveResult::NotConfirmed
            ? ": saved, but the system could not confirm that the new name is on the disk: "
        : saved.status == FileIo::SaveResult::Damaged
            ? ": cannot write, and the file may now be damaged: "
            : ": cannot write: ";
    return stop(saved.ok() ? 0 : 1, output + said + saved.error.toUtf8());
}

int compare(const QByteArray &a, const QByteArray &b)
{
    const DumpInfo left = DumpInfo::read(a);
    const DumpInfo right = DumpInfo::read(b);
    for (const auto &[path, info] : {std::pair(a, left), std::pair(b, right)}) {
        if (info.problem == DumpInfo::CannotOpen)
            return stop(2, path + ": cannot be opened: " + openFailure(path));
        if (info.problem == DumpInfo::WrongSize)
            return stop(2, path + ": is " + QByteArray::number(info.size) + " bytes long, not 512");
        if (info.problem == DumpInfo::IncompleteRead)
            return stop(2, path + ": could not be read completely");
    }

    Output output;
    QByteArray &out = output.buffer();
    const QByteArray both = output.name(a) + " and " + output.name(b);
    if (left.image == right.image) {
        out += both + " are identical\n";
        return output.finish(0);
    }

    static const struct
    {
        int first, last;
        const char *name;
    } regions[] = {
        {0, 254, "variable data block (bytes 0-254)"},
        {255, 255, "byte 255"},
        {256, 510, "identification block (bytes 256-510)"},
        {511, 511, "byte 511"},
    };
    int differing = 0;
    for (int i = 0; i < DumpInfo::ImageSize; ++i)
        differing += left.image.at(i) != right.image.at(i);
    out += both + " differ in " + QByteArray::number(differing) +
           (differing == 1 ? " byte\n" : " bytes\n");
    for (const auto &region : regions) {
        int count = 0;
        for (int i = region.first; i <= region.last; ++i)
            count += left.image.at(i) != right.image.at(i);
        if (count == 0)
            continue;
        out += QByteArray("\n") + region.name + ": " + QByteArray::number(count) +
               " differ\n  offset   A   B\n";
        for (int i = region.first; i <= region.last; ++i) {
            if (left.image.at(i) == right.image.at(i))
                continue;
            out += "  " + QByteArray::number(i).rightJustified(6) + "  " +
                   left.image.mid(i, 1).toHex() + "  " + right.image.mid(i, 1).toHex() + '\n';
        }
    }

    QByteArray fields;
    const auto shown = [](const Value &value) {
        return value.kind == Value::Absent ? QByteArray("none") : value.bytes();
    };
    for (const DumpField &field : DumpField::all()) {
        const QByteArray x = shown(field.value(left));
        const QByteArray y = shown(field.value(right));
        if (field.name && x != y)
            fields += "\n  " + QByteArray(field.name) + ": " + x + " -> " + y;
    }
    for (int i = 0; i < DumpInfo::ErrorCount; ++i) {
        if (left.errorStats[i] != right.errorStats[i]) {
            fields += "\n  count of " + Value::code(quint8(0xE0 + i)).bytes() + " (" +
                      DumpInfo::errorNames[i] + "): " + QByteArray::number(left.errorStats[i]) +
                      " -> " + QByteArray::number(right.errorStats[i]);
        }
    }
    if (fields.isEmpty())
        fields = " none (only bytes that are not decoded)";
    out += "\nfields that differ:" + fields + '\n';
    return output.finish(1);
}

} // namespace Commands
