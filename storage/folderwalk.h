// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef FOLDERWALK_H
#define FOLDERWALK_H

#include <QByteArray>
#include <QList>

#include <functional>

// Finds the files a batch covers: a path given is taken as it is (a link is followed); a folder is
// walked recursively, in sorted order, for names that end in one of `suffixes` (lower case; any
// case matches) and are longer than it, without following links to folders. Only one folder's
// names are held at a time, so memory does not grow with the number of files. Paths are bytes,
// as the system spells them.
namespace FolderWalk {

// A visit returns false to stop the walk.
using Visit = std::function<bool(const QByteArray &path)>;
using Failure = std::function<void(const QByteArray &folder, int error)>;
void walk(const QList<QByteArray> &paths, const QList<QByteArray> &suffixes, const Visit &visit,
          const Failure &failure);

} // namespace FolderWalk

#endif // FOLDERWALK_H
