// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "filewalker.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <utility>

namespace {

bool walkFolder(const QByteArray &folder, const FileWalker::Visit &visit,
                const FileWalker::Failure &failure)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        failure(folder, errno);
        return true;
    }
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    QList<std::pair<QByteArray, bool>> entries; // name, is a folder
    // Only errno tells a failed read from the end of the folder.
    for (errno = 0; const dirent *entry = ::readdir(dir); errno = 0) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            // Some file systems do not say; lstat does, and does not follow a link.
            struct stat info;
            isFolder = ::lstat((prefix + name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
        }
        const QByteArray suffix = name.right(4).toLower();
        if (isFolder || (name.size() > 4 && (suffix == ".bin" || suffix == ".eep")))
            entries.append({name, isFolder});
    }
    const int readError = errno;
    ::closedir(dir);
    if (readError)
        failure(folder, readError);

    std::sort(entries.begin(), entries.end());
    for (const auto &[name, isFolder] : std::as_const(entries)) {
        const QByteArray path = prefix + name;
        if (!(isFolder ? walkFolder(path, visit, failure) : visit(path)))
            return false;
    }
    return true;
}

} // namespace

void FileWalker::walk(const QList<QByteArray> &paths, const Visit &visit, const Failure &failure)
{
    for (const QByteArray &path : paths) {
        struct stat info;
        const bool isFolder = ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
        if (!(isFolder ? walkFolder(path, visit, failure) : visit(path)))
            return;
    }
}
