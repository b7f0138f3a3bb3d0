// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef FILEWALKER_H
#define FILEWALKER_H

#include <QByteArray>
#include <QList>

#include <functional>

// Finds the files a report covers: a path named on the command line is taken as it is (a link is
// followed); a folder is walked recursively, in sorted order, for names ending in .bin or .eep in
// any case, without following links to folders. Only one folder's names are held at a time, so
// memory does not grow with the number of files. Paths are bytes, as the system spells them.
namespace FileWalker {

// A visit returns false to stop the walk.
using Visit = std::function<bool(const QByteArray &path)>;
using Failure = std::function<void(const QByteArray &folder, int error)>;
void walk(const QList<QByteArray> &paths, const Visit &visit, const Failure &failure);

} // namespace FileWalker

#endif // FILEWALKER_H
