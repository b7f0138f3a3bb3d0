// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "folderwalk.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <utility>

namespace {

bool walkFolder(const QByteArray &folder, const QList<QByteArray> &suffixes,
                const FolderWalk::Visit &visit, const FolderWalk::Failure &failure)
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
        const QByteArray lower = name.toLower();
        const bool wanted = std::any_of(suffixes.begin(), suffixes.end(), [&](const auto &s) {
            return lower.size() > s.size() && lower.endsWith(s);
        });
        if (isFolder || wanted)
            entries.append({name, isFolder});
    }
    const int readError = errno;
    ::closedir(dir);
    if (readError)
        failure(folder, readError);

    std::sort(entries.begin(), entries.end());
    for (const auto &[name, isFolder] : std::as_const(entries)) {
        const QByteArray path = prefix + name;
        if (!(isFolder ? walkFolder(path, suffixes, visit, failure) : visit(path)))
            return false;
    }
    return true;
}

} // namespace

void FolderWalk::walk(const QList<QByteArray> &paths, const QList<QByteArray> &suffixes,
                      const Visit &visit, const Failure &failure)
{
    for (const QByteArray &path : paths) {
        struct stat info;
        const bool isFolder = ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
        if (!(isFolder ? walkFolder(path, suffixes, visit, failure) : visit(path)))
            return;
    }
}
