// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "filewalker.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <utility>

namespace {

bool isDumpName(const QByteArray &name)
{
    const QByteArray suffix = name.right(4).toLower();
    return name.size() > 4 && (suffix == ".bin" || suffix == ".eep");
}

bool walkFolder(const QByteArray &folder, const FileWalker::Visit &visit,
                const FileWalker::Failure &failure)
{
    QList<std::pair<QByteArray, bool>> entries; // name, is a folder
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        failure(folder, errno);
        return true;
    }
    // Only errno tells a failed read from the end of the folder.
    for (errno = 0; const dirent *entry = ::readdir(dir); errno = 0) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            // Some file systems do not say; lstat does, and does not follow a link.
            struct stat info;
            const QByteArray path = folder + '/' + name;
            isFolder = ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
        }
        if (isFolder || isDumpName(name))
            entries.append({name, isFolder});
    }
    const int readError = errno;
    ::closedir(dir);
    if (readError)
        failure(folder, readError);

    std::sort(entries.begin(), entries.end());
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    for (const auto &[name, isFolder] : std::as_const(entries)) {
        const QByteArray path = prefix + name;
        if (!(isFolder ? walkFolder(path, visit, failure) : visit(path)))
            return false;
    }
    return true;
}

} // namespace

bool FileWalker::walk(const QByteArray &path, const Visit &visit, const Failure &failure)
{
    struct stat info;
    if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return walkFolder(path, visit, failure);
    return visit(path);
}
