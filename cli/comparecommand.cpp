// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "commands.h"

#include "arguments.h"
#include "comparerenderer.h"
#include "console.h"
#include "dumpinfo.h"
#include "exitstatus.h"
#include "folderwalk.h"
#include "inputs.h"
#include "output.h"
#include "paths.h"
#include "plural.h"
#include "sentence.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Why `info` cannot be compared, on standard error; false then.
bool comparable(const QByteArray &path, const DumpInfo &info)
{
    switch (info.problem) {
    case DumpInfo::CannotOpen:
        Output::message(QCoreApplication::translate("tavro-cli", "%1: cannot be opened: %2"),
                        {path, Paths::whyNotRead(info.systemError)});
        return false;
    case DumpInfo::WrongSize: {
        const int n = Plural::of(info.size);
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: is %2 bytes long, not %3", nullptr, n),
            {path, QByteArray::number(info.size), QByteArray::number(ImageLayout::ImageSize)});
        return false;
    }
    case DumpInfo::IncompleteRead:
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: could not be read completely"), {path});
        return false;
    case DumpInfo::BadRecords:
        Output::message(QCoreApplication::translate("tavro-cli", "%1: %2"),
                        {path, info.refusal.text().toUtf8()});
        return false;
    case DumpInfo::NoProblem:
    case DumpInfo::UnknownEngine:
        break;
    }
    return true;
}

// The dumps under `folder`, by their paths relative to it, sorted; `complete` false when a
// folder in it could not be read.
QList<QByteArray> dumpsIn(const QByteArray &folder, bool &complete)
{
    const qsizetype start = folder.size() + !folder.endsWith('/');
    QList<QByteArray> found;
    FolderWalk::walk(
        {folder}, Inputs::suffixes,
        [&](const QByteArray &file) {
            found << file.mid(start);
            return !Console::interrupted();
        },
        [&complete](const QByteArray &path, int error) {
            Output::message(
                QCoreApplication::translate("tavro-cli", "%1: cannot read the folder: %2"),
                {path, Paths::systemMessage(error)});
            complete = false;
        });
    std::sort(found.begin(), found.end());
    return found;
}

// Each pair of dumps with the same relative path, and those on one side only, like diff -rq.
int compareFolders(const QByteArray &a, const QByteArray &b, bool quiet)
{
    // A folder that could not be read on either side may hold files that differ: no verdict.
    bool complete = true;
    const QList<QByteArray> left = dumpsIn(a, complete);
    const QList<QByteArray> right = dumpsIn(b, complete);
    bool trouble = !complete;
    const QByteArray prefixA = a.endsWith('/') ? a : a + '/';
    const QByteArray prefixB = b.endsWith('/') ? b : b + '/';
    Output output;
    bool differ = false;
    for (qsizetype i = 0, j = 0;
         (i < left.size() || j < right.size()) && !Console::interrupted();) {
        const int order = i == left.size()    ? 1
                          : j == right.size() ? -1
                                              : qstrcmp(left.at(i), right.at(j));
        if (order != 0) {
            differ = true;
            const QByteArray &folder = order < 0 ? a : b;
            const QByteArray &name = order < 0 ? left.at(i++) : right.at(j++);
            if (!quiet)
                output.buffer() +=
                    Sentence::fill(QCoreApplication::translate("tavro-cli", "only in %1: %2"),
                                   {output.name(folder), output.name(name)}) +
                    '\n';
            continue;
        }
        const QByteArray pathA = prefixA + left.at(i++);
        const QByteArray pathB = prefixB + right.at(j++);
        const DumpInfo first = Inputs::read(pathA);
        const DumpInfo second = Inputs::read(pathB);
        if (!comparable(pathA, first) || !comparable(pathB, second)) {
            trouble = true;
            continue;
        }
        QByteArray line;
        differ = !CompareRenderer::verdict(line, output.name(pathA), output.name(pathB), first,
                                           second) ||
                 differ;
        if (!quiet)
            output.buffer() += line;
        if (!output.flush(false))
            break;
    }
    return output.finish(Console::interrupted() ? ExitStatus::Interrupted
                         : trouble              ? ExitStatus::Trouble
                         : differ               ? ExitStatus::Finding
                                                : ExitStatus::Success);
}

} // namespace

int Commands::compare(const Arguments &arguments)
{
    const QList<QByteArray> &paths = arguments.operands;
    const bool folders = paths.size() == 2 && Paths::inspect(paths.at(0)).type == Paths::Folder &&
                         Paths::inspect(paths.at(1)).type == Paths::Folder;
    if (paths.size() != 2)
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli", "compare needs two files, or two folders"));
    if (paths.at(0) == "-" && paths.at(1) == "-")
        return Arguments::usageError(
            QCoreApplication::translate("tavro-cli", "standard input can be read only once"));
    const bool quiet = arguments.isSet("quiet");
    if (folders)
        return compareFolders(paths.at(0), paths.at(1), quiet);

    const DumpInfo left = Inputs::read(paths.at(0));
    const DumpInfo right = Inputs::read(paths.at(1));
    if (Console::interrupted())
        return ExitStatus::Interrupted;
    if (!comparable(paths.at(0), left) || !comparable(paths.at(1), right))
        return ExitStatus::Trouble;
    Output output;
    QByteArray said;
    const bool identical = CompareRenderer::render(said, output.name(paths.at(0)),
                                                   output.name(paths.at(1)), left, right);
    if (!quiet)
        output.buffer() += said;
    return output.finish(identical ? ExitStatus::Success : ExitStatus::Finding);
}
