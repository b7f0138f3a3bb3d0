// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "arguments.h"
#include "console.h"
#include "dumpfield.h"
#include "dumpinfo.h"
#include "eepromdump.h"
#include "imagetarget.h"
#include "inputs.h"
#include "output.h"
#include "paths.h"
#include "progress.h"
#include "sentence.h"

#include <QCoreApplication>

#include <QSet>

namespace {

// Where a batch writes the copy of `file`, found under `root`: beside it with the suffix before
// its extension (board.bin, board_clear.bin), or under `folder` at its path relative to the
// folder it was found in.
QByteArray targetFor(const QByteArray &file, const QByteArray &root, const QByteArray &suffix,
                     const QByteArray &folder)
{
    const qsizetype slash = file.lastIndexOf('/');
    QByteArray name = file.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf('.');
    name.insert(dot > 0 ? dot : name.size(), suffix);
    if (folder.isEmpty())
        return file.left(slash + 1) + name;
    const qsizetype start = file == root ? slash + 1 : root.size() + !root.endsWith('/');
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

// Cleans `input` into `target`, making its folder when asked to, or only lists it into
// `listing`: what was done, with every refusal and failure told.
ImageTarget::Outcome clearOne(const QByteArray &input, const QByteArray &target, bool force,
                              Output *listing, bool makeFolder = false)
{
    const DumpInfo info = Inputs::read(input);
    if (info.problem == DumpInfo::CannotOpen) {
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: cannot be opened: %2; nothing written"),
            {input, Paths::whyUnreadable(input)});
        return ImageTarget::Refused;
    }
    if (!info.valid()) {
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: not a valid image (%2); nothing written"),
            {input, Inputs::whyRefused(info)});
        return ImageTarget::Refused;
    }
    if (ImageTarget::check(input, target, info.format, force, listing != nullptr) !=
        ImageTarget::Written)
        return ImageTarget::Refused;
    if (listing) {
        listing->buffer() += Sentence::fill(QCoreApplication::translate("tavro-cli", "%1 -> %2"),
                                            {listing->name(input), listing->name(target)}) +
                             '\n';
        return ImageTarget::Written;
    }
    const qsizetype slash = target.lastIndexOf('/');
    const int error = makeFolder && slash > 0 ? Paths::makeFolders(target.left(slash)) : 0;
    if (error) {
        Output::message(QCoreApplication::translate("tavro-cli", "%1: cannot make the folder: %2"),
                        {target.left(slash), Paths::systemMessage(error)});
        return ImageTarget::Failed;
    }
    if (!info.checksumOk())
        Output::message(
            QCoreApplication::translate("tavro-cli",
                                        "%1: the checksum does not match (stored %2, computed "
                                        "%3); cleaned all the same"),
            {input, DumpField::word(info.storedChecksum), DumpField::word(info.computedChecksum)});
    return ImageTarget::write(target, EepromDump::cleaned(info.image), info.format, force);
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
        const ImageTarget::Outcome outcome = clearOne(arguments.operands.first(), outputs.first(),
                                                      force, dryRun ? &output : nullptr);
        return output.finish(outcome == ImageTarget::Written ? 0 : 1);
    }

    const QByteArray suffix = arguments.value("suffix");
    const QByteArray folder = arguments.value("output-dir");
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

    Console::catchInterrupt();
    Inputs inputs(arguments.operands, list, arguments.isSet("null") ? '\0' : '\n');
    Progress progress;
    if (Progress::wanted())
        progress.start(inputs.count());
    quint64 counts[3] = {}; // written, refused, failed
    QSet<QByteArray> targets;
    inputs.walk([&](const QByteArray &file, const QByteArray &root) {
        if (file != root && isCopy(file, suffix))
            return true;
        const QByteArray target = targetFor(file, root, suffix, folder);
        ImageTarget::Outcome outcome = ImageTarget::Refused;
        if (targets.contains(target))
            Output::message(QCoreApplication::translate(
                                "tavro-cli", "%1: is the copy of another file of this run; %2 is "
                                             "not cleaned"),
                            {target, file});
        else
            outcome = clearOne(file, target, force, dryRun ? &output : nullptr, !folder.isEmpty());
        targets.insert(target);
        ++counts[outcome];
        progress.step(counts[0] + counts[1] + counts[2]);
        return output.flush(false);
    });
    Progress::clear();
    const int status = output.finish(Console::interrupted() ? 130 : counts[1] || counts[2] ? 1 : 0);
    const QList<QByteArray> numbers = {QByteArray::number(counts[0]), QByteArray::number(counts[1]),
                                       QByteArray::number(counts[2])};
    Output::message(
        dryRun ? QCoreApplication::translate("tavro-cli", "%1 would be written, %2 refused")
               : QCoreApplication::translate("tavro-cli", "%1 written, %2 refused, %3 failed"),
        numbers);
    return status <= 1 && inputs.trouble() == 2 ? 2 : status;
}
