// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "paths.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace Paths {

bool Info::missing() const
{
    return type == Nothing && (error == ENOENT || error == ENOTDIR);
}

Info inspect(const QByteArray &path, bool followLinks)
{
    struct stat info;
    if ((followLinks ? ::stat(path.constData(), &info) : ::lstat(path.constData(), &info)) != 0)
        return {Nothing, errno};
    return {S_ISREG(info.st_mode) ? File : S_ISDIR(info.st_mode) ? Folder : Other, 0};
}

bool sameFile(const QByteArray &a, const QByteArray &b)
{
    struct stat x, y;
    return ::stat(a.constData(), &x) == 0 && ::stat(b.constData(), &y) == 0 &&
           x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

QByteArray whyUnreadable(const QByteArray &path)
{
    const Info info = inspect(path);
    if (info.type == Nothing)
        return systemMessage(info.error);
    if (info.type != File)
        return info.type == Folder ? "is a folder" : "is not a regular file";
    return ::access(path.constData(), R_OK) != 0 ? systemMessage(errno) : "cannot be read";
}

QByteArray systemMessage(int error)
{
    return std::strerror(error);
}

} // namespace Paths
