// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "arguments.h"
#include "console.h"
#include "csvwriter.h"
#include "dumpfield.h"
#include "dumpinfo.h"
#include "exitstatus.h"
#include "inputs.h"
#include "output.h"
#include "progress.h"
#include "reportformats.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

// The files a filtered report lists: those of the verdicts and last errors asked for.
struct Selection
{
    QList<DumpInfo::Verdict> verdicts;
    QList<int> lastErrors; // 0 for none recorded

    bool filters() const { return !verdicts.isEmpty() || !lastErrors.isEmpty(); }
    bool selects(const DumpInfo &info) const
    {
        return (verdicts.isEmpty() || verdicts.contains(info.verdict())) &&
               (lastErrors.isEmpty() || (info.valid() && lastErrors.contains(info.lastError)));
    }
};

// The selection --only and --last-error ask for; a message for a value that names nothing.
std::optional<Selection> selection(const Arguments &arguments)
{
    Selection selection;
    for (const QByteArray &name : arguments.values("only")) {
        int verdict = 0;
        while (verdict < DumpField::VerdictCount &&
               name != DumpField::verdictName(DumpInfo::Verdict(verdict)))
            ++verdict;
        if (verdict == DumpField::VerdictCount) {
            Output::message(QCoreApplication::translate(
                                "tavro-cli", "unknown verdict \"%1\" (valid, bad-checksum, "
                                             "wrong-size, unknown-engine or unreadable)"),
                            {name});
            return std::nullopt;
        }
        selection.verdicts << DumpInfo::Verdict(verdict);
    }
    for (const QByteArray &code : arguments.values("last-error")) {
        // As the report writes it: one or two hexadecimal digits (E3, 5), or none.
        const bool none = code.toLower() == "none";
        const bool digits = !code.isEmpty() && code.size() <= 2 &&
                            std::all_of(code.begin(), code.end(),
                                        [](char c) { return std::isxdigit(uchar(c)) != 0; });
        if (!none && !digits) {
            Output::message(QCoreApplication::translate(
                                "tavro-cli", "unknown error code \"%1\" (E0 to ED as the report "
                                             "shows them, or none)"),
                            {code});
            return std::nullopt;
        }
        selection.lastErrors << (none ? 0 : code.toInt(nullptr, 16));
    }
    return selection;
}

// The layout the CSV options ask for; a message for a delimiter that cannot be one.
std::optional<ReportRenderer::Style> style(const Arguments &arguments, bool terminal)
{
    ReportRenderer::Style style;
    style.terminal = terminal;
    style.header = !arguments.isSet("no-header");
    style.bom = arguments.isSet("bom");
    const QByteArray delimiter = arguments.value("delimiter", ",");
    if (!CsvWriter::isDelimiter(delimiter)) {
        Output::message(QCoreApplication::translate(
                            "tavro-cli", "the delimiter must be one character, not a letter, a "
                                         "digit, a quote or a line break: \"%1\""),
                        {delimiter});
        return std::nullopt;
    }
    style.delimiter = delimiter.at(0);
    return style;
}

} // namespace

int Commands::report(const Arguments &arguments, bool summary)
{
    const std::optional<Selection> selected = selection(arguments);
    Output output;
    const std::optional<ReportRenderer::Style> layout = style(arguments, output.isTerminal());
    if (!selected || !layout)
        return Arguments::usageError();
    const QByteArray format = arguments.value("format", "text");
    const bool csvOptions =
        arguments.isSet("no-header") || arguments.isSet("delimiter") || arguments.isSet("bom");
    if (csvOptions && format != "csv")
        return Arguments::usageError(QCoreApplication::translate(
            "tavro-cli", "--no-header, --delimiter and --bom are for CSV"));
    const bool namesOnly = arguments.isSet("files-with-matches");
    if (namesOnly && arguments.isSet("format"))
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli", "-l prints the paths alone, in no format"));
    std::unique_ptr<ReportRenderer> renderer;
    if (!namesOnly)
        renderer =
            ReportFormats::create(QString::fromLatin1(format), output.buffer(), *layout, summary);
    if (!namesOnly && !renderer)
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli", "unknown format \"%1\""), {format});
    const QByteArray list = arguments.value("files-from");
    if (arguments.operands.isEmpty() == list.isEmpty())
        return Arguments::usageError(
            list.isEmpty()
                ? QCoreApplication::translate("tavro-cli", "%1 needs at least one PATH")
                : QCoreApplication::translate("tavro-cli", "the PATHs come from --files-from or "
                                                           "from the command line, not both"),
            {arguments.commandName});
    if (arguments.operands.count("-") > 1)
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli", "standard input can be read only once"));

    const char end = arguments.isSet("null") ? '\0' : '\n';
    Inputs inputs(arguments.operands, list, end);
    Progress progress;
    if (Progress::wanted())
        progress.start(inputs.count()); // counting costs one walk of the folders, reading no file
    bool allGood = true;
    quint64 done = 0;
    quint64 listed = 0;
    inputs.walk([&](const QByteArray &file, const QByteArray &) {
        const DumpInfo info = Inputs::read(file);
        if (Console::interrupted())
            return false; // a read cut short is no finding
        allGood = allGood && info.verdict() == DumpInfo::Verdict::Valid;
        ++done;
        if (selected->selects(info)) {
            ++listed;
            if (renderer)
                renderer->add(file, info);
            else
                output.buffer() += output.name(file) + end;
        }
        if (!output.flush(false))
            return false;
        progress.step(done);
        return true;
    });
    Progress::clear();
    if (Console::interrupted()) {
        // What was reported stays whole (JSON's array closed); the counts of a summary would
        // tell of only part of the files, so it says nothing.
        if (renderer && !summary)
            renderer->end();
        return output.finish(ExitStatus::Interrupted);
    }
    if (renderer)
        renderer->end(); // after a failed write, only into the buffer
    // A filter answers as grep does: whether something was selected. A plain report tells
    // whether every file was a good image. Both answer 2 when a path could not be searched.
    int found = allGood && done > 0 ? ExitStatus::Success : ExitStatus::Finding;
    if (selected->filters())
        found = listed > 0 ? ExitStatus::Success : ExitStatus::Finding;
    if (!inputs.searchedAll())
        found = ExitStatus::Trouble;
    const int status = output.finish(found);
    if (done == 0 && status == ExitStatus::Finding)
        Output::message(QCoreApplication::translate(
            "tavro-cli", "no dump found (no .bin, .eep, .hex, .ihx, .ihex, .s19, .s28, .s37, "
                         ".srec, .mot or .sx file)"));
    return status;
}
