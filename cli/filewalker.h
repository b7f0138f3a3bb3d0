// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef FILEWALKER_H
#define FILEWALKER_H

#include <QByteArray>

#include <functional>

// Finds the files a report covers: a path named on the command line is taken as it is (a link is
// followed); a folder is walked recursively, in sorted order, for names ending in .bin or .eep in
// any case, without following links to folders. Only one folder's names are held at a time, so
// memory does not grow with the number of files. Paths are bytes, as the system spells them.
class FileWalker
{
public:
    // Return false to stop the walk.
    using Visit = std::function<bool(const QByteArray &path)>;
    using Failure = std::function<void(const QByteArray &path, int error)>;

    FileWalker(Visit visit, Failure failure);
    // False when a visit stopped the walk.
    bool walk(const QByteArray &path);

    static bool isDumpName(const QByteArray &name);

private:
    bool walkFolder(const QByteArray &folder);

    Visit visit;
    Failure failure;
};

#endif // FILEWALKER_H
