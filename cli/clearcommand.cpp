// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "arguments.h"
#include "console.h"
#include "dumpfield.h"
#include "dumpinfo.h"
#include "eepromdump.h"
#include "exitstatus.h"
#include "imagetarget.h"
#include "inputs.h"
#include "output.h"
#include "paths.h"
#include "plural.h"
#include "progress.h"
#include "sentence.h"

#include <QCoreApplication>

#include <QSet>

namespace {

// Where a batch writes the copy of `file`, found under `root`: beside it with the suffix before
// its extension (board.bin, board_clear.bin), or under `folder` at its path relative to the
// folder it was found in, or with `parents` at its whole path as given (cp --parents). Empty
// for a path that --parents cannot keep below `folder`: one that climbs out of it with "..".
QByteArray targetFor(const QByteArray &file, const QByteArray &root, const QByteArray &suffix,
                     const QByteArray &folder, bool parents)
{
    const qsizetype slash = file.lastIndexOf('/');
    QByteArray name = file.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf('.');
    name.insert(dot > 0 ? dot : name.size(), suffix);
    if (folder.isEmpty())
        return file.left(slash + 1) + name;
    qsizetype start = file == root ? slash + 1 : root.size() + !root.endsWith('/');
    if (parents) {
        const QList<QByteArray> steps = file.left(slash + 1).split('/');
        if (steps.contains(".."))
            return QByteArray();
        for (start = 0; file.mid(start).startsWith('/') || file.mid(start).startsWith("./");)
            start += file.at(start) == '/' ? 1 : 2;
    }
    const QByteArray relative = file.mid(start, slash + 1 - start) + name;
    return (folder.endsWith('/') ? folder : folder + '/') + relative;
}

// A copy this command wrote, found again in a folder it walks (board_clear.bin, for _clear).
bool isCopy(const QByteArray &file, const QByteArray &suffix)
{
    const QByteArray name = file.mid(file.lastIndexOf('/') + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return !suffix.isEmpty() && name.left(dot > 0 ? dot : name.size()).endsWith(suffix);
}

// What became of one input: its copy written (or listed), the input refused, no input there, the
// copy not written, or the input's read cut short by Ctrl-C.
enum Outcome { Written, Refused, Failed, Missing, Interrupted };

// Cleans `input` into `target`, making its folder when asked to, or only lists it into
// `listing`: what was done, with every refusal and failure told.
Outcome clearOne(const QByteArray &input, const QByteArray &target, bool force, Output *listing,
                 bool makeFolder = false)
{
    const DumpInfo info = Inputs::read(input);
    if (Console::interrupted())
        return Interrupted;
    if (info.problem == DumpInfo::CannotOpen) {
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: cannot be opened: %2; nothing written"),
            {input, Paths::whyNotRead(info.systemError)});
        return Paths::inspect(input, false).missing() ? Missing : Refused;
    }
    if (!info.valid()) {
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: not a valid image (%2); nothing written"),
            {input, Inputs::whyRefused(info)});
        return Refused;
    }
    if (!ImageTarget::mayWrite(input, target, info.format, force, listing != nullptr))
        return Refused;
    if (listing) {
        listing->buffer() += Sentence::fill(QCoreApplication::translate("tavro-cli", "%1 -> %2"),
                                            {listing->name(input), listing->name(target)}) +
                             '\n';
        return Written;
    }
    const qsizetype slash = target.lastIndexOf('/');
    const int error = makeFolder && slash > 0 ? Paths::makeFolders(target.left(slash)) : 0;
    if (error) {
        Output::message(QCoreApplication::translate("tavro-cli", "%1: cannot make the folder: %2"),
                        {target.left(slash), Paths::systemMessage(error)});
        return Failed;
    }
    if (!info.checksumOk())
        Output::message(
            QCoreApplication::translate("tavro-cli",
                                        "%1: the checksum does not match (stored %2, computed "
                                        "%3); cleaned all the same"),
            {input, DumpField::word(info.storedChecksum), DumpField::word(info.computedChecksum)});
    return ImageTarget::write(target, EepromDump::cleaned(info.image), info.format, force) ? Written
                                                                                           : Failed;
}

} // namespace

int Commands::clear(const Arguments &arguments)
{
    const bool force = arguments.isSet("force");
    const bool dryRun = arguments.isSet("dry-run");
    const QByteArray list = arguments.value("files-from");
    Output output;
    if (arguments.isSet("output")) {
        if (arguments.isSet("suffix") || arguments.isSet("output-dir"))
            return Arguments::usageError(QCoreApplication::translate(
                "tavro-cli", "-o names the one copy; --suffix and -d name many"));
        if (arguments.operands.size() != 1 || !list.isEmpty())
            return Arguments::usageError(
                QCoreApplication::translate("tavro-cli", "clear needs one INPUT and -o OUTPUT"));
        const QList<QByteArray> outputs = arguments.values("output");
        if (outputs.size() != 1 || outputs.first().isEmpty())
            return Arguments::usageError(
                QCoreApplication::translate("tavro-cli", "clear writes one OUTPUT"));
        const Outcome outcome = clearOne(arguments.operands.first(), outputs.first(), force,
                                         dryRun ? &output : nullptr);
        static const int statuses[] = {ExitStatus::Success, ExitStatus::Finding,
                                       ExitStatus::Trouble, ExitStatus::Trouble,
                                       ExitStatus::Interrupted};
        return output.finish(statuses[outcome]);
    }

    const QByteArray suffix = arguments.value("suffix");
    const QByteArray folder = arguments.value("output-dir");
    const bool parents = arguments.isSet("parents");
    if (parents && folder.isEmpty())
        return Arguments::usageError(QCoreApplication::translate(
            "tavro-cli", "--parents keeps each path below the folder of -d OUTDIR"));
    if (!arguments.isSet("suffix") && folder.isEmpty())
        return Arguments::usageError(QCoreApplication::translate(
            "tavro-cli", "clear needs -o OUTPUT, or --suffix SUFFIX or -d OUTDIR"));
    if (arguments.operands.isEmpty() == list.isEmpty())
        return Arguments::usageError(QCoreApplication::translate(
            "tavro-cli", "clear needs PATHs, or --files-from, not both"));
    if (arguments.operands.contains("-"))
        return Arguments::usageError(QCoreApplication::translate(
            "tavro-cli", "standard input is cleared with -o OUTPUT only"));
    if (folder.isEmpty() && suffix.isEmpty())
        return Arguments::usageError(QCoreApplication::translate(
            "tavro-cli", "an empty --suffix would write each copy over its input"));
    // Copies written inside a folder being walked would be walked and cleared again.
    const QByteArray inside = Paths::canonical(folder) + '/';
    for (const QByteArray &path : arguments.operands) {
        const QByteArray walked = Paths::canonical(path) + '/';
        if (!folder.isEmpty() && Paths::inspect(path).type == Paths::Folder &&
            inside.startsWith(walked))
            return Arguments::usageError(
                QCoreApplication::translate(
                    "tavro-cli",
                    "%1 is inside %2, whose dumps are cleared: choose a folder outside "
                    "it"),
                {folder, path});
    }

    Inputs inputs(arguments.operands, list, arguments.isSet("null") ? '\0' : '\n');
    Progress progress;
    if (Progress::wanted())
        progress.start(inputs.count());
    quint64 counts[3] = {}; // written, refused (an input that vanished too), failed
    QSet<QByteArray> targets;
    inputs.walk([&](const QByteArray &file, const QByteArray &root) {
        if (file != root && isCopy(file, suffix))
            return true;
        const QByteArray target = targetFor(file, root, suffix, folder, parents);
        Outcome outcome = Refused;
        if (target.isEmpty())
            Output::message(QCoreApplication::translate(
                                "tavro-cli", "%1: a path that climbs out with .. cannot be kept "
                                             "below %2; not cleaned"),
                            {file, folder});
        else if (targets.contains(target))
            Output::message(QCoreApplication::translate(
                                "tavro-cli", "%1: is the copy of another file of this run; %2 is "
                                             "not cleaned"),
                            {target, file});
        else
            outcome = clearOne(file, target, force, dryRun ? &output : nullptr, !folder.isEmpty());
        if (outcome == Interrupted)
            return false;
        targets.insert(target);
        ++counts[outcome == Missing ? Refused : outcome];
        progress.step(counts[Written] + counts[Refused] + counts[Failed]);
        return output.flush(false);
    });
    Progress::clear();
    int status = counts[Failed] || !inputs.searchedAll() ? ExitStatus::Trouble
                 : counts[Refused]                       ? ExitStatus::Finding
                                                         : ExitStatus::Success;
    if (Console::interrupted())
        status = ExitStatus::Interrupted;
    status = output.finish(status);
    // Each count a whole phrase of its own, which agrees with it; one pattern joins them.
    const auto phrase = [&counts](const char *text, Outcome outcome) {
        return Sentence::fill(
            QCoreApplication::translate("tavro-cli", text, nullptr, Plural::of(counts[outcome])),
            {QByteArray::number(counts[outcome])});
    };
    const QByteArray refused = phrase(QT_TRANSLATE_N_NOOP("tavro-cli", "%1 refused"), Refused);
    if (dryRun)
        //: The count of a dry run: "2 would be written, 1 refused".
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1, %2"),
            {phrase(QT_TRANSLATE_N_NOOP("tavro-cli", "%1 would be written"), Written), refused});
    else
        //: The counts of a run of clear: "2 written, 1 refused, 0 failed".
        Output::message(QCoreApplication::translate("tavro-cli", "%1, %2, %3"),
                        {phrase(QT_TRANSLATE_N_NOOP("tavro-cli", "%1 written"), Written), refused,
                         phrase(QT_TRANSLATE_N_NOOP("tavro-cli", "%1 failed"), Failed)});
    return status;
}
