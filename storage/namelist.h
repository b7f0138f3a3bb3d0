// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef NAMELIST_H
#define NAMELIST_H

#include <QByteArray>

#include <cstdio>

// The file names a list holds, one a line or each ended by a NUL (find -print0), read a piece at
// a time as they are asked for, so that a list of any length takes little memory. Names are
// bytes, as the system spells them; empty ones are skipped.
class NameList
{
public:
    // The list in the file at `nativePath`, which may be a pipe; standard input when empty.
    NameList(const QByteArray &nativePath, char separator);
    ~NameList();
    Q_DISABLE_COPY(NameList)

    // The next name; false at the end of the list, or when it cannot be read (error() tells).
    bool next(QByteArray &name);
    // 0, or the system's error number for a list that could not be opened or read.
    int error() const { return failure; }

private:
    std::FILE *file;
    char separator;
    QByteArray pending; // read, not yet handed out
    qsizetype start = 0;
    bool ended = false;
    int failure = 0;
};

#endif // NAMELIST_H
