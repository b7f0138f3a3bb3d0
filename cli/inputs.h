// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef INPUTS_H
#define INPUTS_H

#include <QByteArray>
#include <QList>

#include <functional>

struct DumpInfo;

// The files a batch covers, one after another: the paths given, or those a list names
// (--files-from), each folder walked for dumps, "-" standard input. A path that does not exist
// and a folder that cannot be read are named on standard error and the batch goes on without
// them; the walk stops once the user interrupts (Ctrl-C).
class Inputs
{
public:
    // `list`: the file that names the paths ("-" standard input), or empty for `paths`; its
    // names end in `separator`.
    Inputs(const QList<QByteArray> &paths, const QByteArray &list, char separator)
        : paths(paths), list(list), separator(separator)
    {
    }

    // `root` is the path given that led to `file`: the folder it was found in, or the file.
    using Visit = std::function<bool(const QByteArray &file, const QByteArray &root)>;
    // Visits each file in turn until a visit returns false or the user interrupts.
    void walk(const Visit &visit);
    // How many files walk() will visit, counted without reading any (0 for a list, which can be
    // read only once).
    quint64 count() const;
    // After walk(): whether every path given was there, every folder could be searched and the
    // list could be read to its end.
    bool searchedAll() const { return complete; }

    // The image in the file at `path`, in any format; "-" reads standard input.
    static DumpInfo read(const QByteArray &path);
    // Why `info` holds no image, for a message: the line a text was refused at, or the problem.
    static QByteArray whyRefused(const DumpInfo &info);
    // What a folder's walk takes, in any letter case: .bin, .eep, .hex, .s19 and the other names
    // programmers' tools give dumps.
    static const QList<QByteArray> suffixes;

private:
    bool walkPath(const QByteArray &path, const Visit &visit);

    QList<QByteArray> paths;
    QByteArray list;
    char separator;
    bool complete = true;
};

#endif // INPUTS_H
