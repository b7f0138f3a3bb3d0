// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "inputs.h"

#include "console.h"
#include "dumpfield.h"
#include "dumpinfo.h"
#include "folderwalk.h"
#include "imagefile.h"
#include "namelist.h"
#include "output.h"
#include "paths.h"

#include <QCoreApplication>

// The names device programmers and their tools give dumps: binary and AVR's .eep, Intel HEX
// (.ihx and .ihex as SDCC and srec_cat write them), S-records of every address size (srec_cat's
// .s28 and .s37) and Motorola's own names.
const QList<QByteArray> Inputs::suffixes = {".bin", ".eep", ".hex",  ".ihx", ".ihex", ".s19",
                                            ".s28", ".s37", ".srec", ".mot", ".sx"};

DumpInfo Inputs::read(const QByteArray &path)
{
    if (path == "-")
        return DumpInfo::decodeAnyFormat(Console::readInput(ImageFile::MaxTextSize));
    return DumpInfo::readAnyFormat(path);
}

QByteArray Inputs::whyRefused(const DumpInfo &info)
{
    if (info.problem == DumpInfo::BadRecords)
        return info.refusal.text().toUtf8();
    return QCoreApplication::translate("tavro-cli", DumpField::problemName(info.problem)).toUtf8();
}

void Inputs::walk(const Visit &visit)
{
    if (list.isEmpty()) {
        for (const QByteArray &path : std::as_const(paths)) {
            if (!walkPath(path, visit))
                return;
        }
        return;
    }
    NameList names(list == "-" ? QByteArray() : list, separator);
    QByteArray path;
    while (names.next(path)) {
        // A list names files: "-" there is the file of that name, not standard input.
        if (!walkPath(path == "-" ? "./-" : path, visit))
            return;
    }
    if (names.error() && !Console::interrupted()) {
        Output::message(
            QCoreApplication::translate("tavro-cli", "%1: cannot read the list of files: %2"),
            {list, Paths::systemMessage(names.error())});
        complete = false;
    }
}

bool Inputs::walkPath(const QByteArray &path, const Visit &visit)
{
    // A path that is not there is a mistake in the command; one that cannot be reached
    // (permissions) is reported like any file that cannot be opened.
    if (path == "-")
        return visit(path, path) && !Console::interrupted();
    const Paths::Info info = Paths::inspect(path, false);
    if (info.missing()) {
        Output::message(QCoreApplication::translate("tavro-cli", "%1: %2"),
                        {path, Paths::systemMessage(info.error)});
        complete = false;
        return !Console::interrupted();
    }
    bool going = true;
    FolderWalk::walk(
        {path}, suffixes,
        [&](const QByteArray &file) {
            going = !Console::interrupted() && visit(file, path) && !Console::interrupted();
            return going;
        },
        [&](const QByteArray &folder, int error) {
            Output::message(
                QCoreApplication::translate("tavro-cli", "%1: cannot read the folder: %2"),
                {folder, Paths::systemMessage(error)});
            complete = false;
        });
    return going;
}

quint64 Inputs::count() const
{
    quint64 files = 0;
    if (list.isEmpty()) {
        FolderWalk::walk(
            paths, suffixes,
            [&files](const QByteArray &) {
                ++files;
                return !Console::interrupted();
            },
            [](const QByteArray &, int) {});
    }
    return files;
}
