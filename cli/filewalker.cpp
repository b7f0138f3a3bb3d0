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

FileWalker::FileWalker(Visit visit, Failure failure)
    : visit(std::move(visit)), failure(std::move(failure))
{
}

bool FileWalker::isDumpName(const QByteArray &name)
{
    if (name.size() < 5)
        return false;
    const QByteArray suffix = name.right(4).toLower();
    return suffix == ".bin" || suffix == ".eep";
}

bool FileWalker::walk(const QByteArray &path)
{
    struct stat info;
    if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return walkFolder(path);
    return visit(path);
}

bool FileWalker::walkFolder(const QByteArray &folder)
{
    struct Entry
    {
        QByteArray name;
        bool folder;
    };
    QList<Entry> entries;
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        failure(folder, errno);
        return true;
    }
    int readError = 0;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry) {
            readError = errno;
            break;
        }
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
            entries.append(Entry{name, isFolder});
    }
    ::closedir(dir);
    if (readError)
        failure(folder, readError);

    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.name < b.name; });
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    for (const Entry &entry : std::as_const(entries)) {
        const QByteArray path = prefix + entry.name;
        if (!(entry.folder ? walkFolder(path) : visit(path)))
            return false;
    }
    return true;
}
