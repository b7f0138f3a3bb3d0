// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

#include <QList>

#include <sys/xattr.h>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

// What a file is besides its bytes, owner and mode, carried over to the file that replaces it:
// its access ACL and extended attributes (an ACL is one), and the file flags that say how to keep
// it. Who may read or write the new file must be who could the old one.
namespace FileIo {

namespace {

// Calls `get` with a buffer of the size it asks for, again while the value grows meanwhile.
template <typename Get> std::optional<QByteArray> sized(Get get)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray value(qsizetype(size), '\0');
        const ssize_t got = get(value.data(), size_t(value.size()));
        if (got >= 0)
            return value.left(got);
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

// The attributes' names; none where the file system has none.
template <typename List> std::optional<QList<QByteArray>> attributeNames(List list)
{
    const std::optional<QByteArray> names = sized(list);
    if (!names)
        return errno == ENOTSUP ? std::optional(QList<QByteArray>()) : std::nullopt;
    QList<QByteArray> split = names->split('\0');
    split.removeAll(QByteArray());
    return split;
}

// Flags that say how to keep the file (chattr +d, +A, +S, +c, +m, +C): carried over where the file
// system takes them. Immutable and append-only files are never replaced, so never carried.
void copyFlags([[maybe_unused]] const QByteArray &path, [[maybe_unused]] int to)
{
#ifdef FS_IOC_GETFLAGS
    constexpr int carried =
        FS_NODUMP_FL | FS_NOATIME_FL | FS_SYNC_FL | FS_COMPR_FL | FS_NOCOMP_FL | FS_NOCOW_FL;
    Descriptor old(
        ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    int oldFlags = 0;
    int newFlags = 0;
    if (old.valid() && ::ioctl(old.get(), FS_IOC_GETFLAGS, &oldFlags) == 0 &&
        (oldFlags & carried) != 0 && ::ioctl(to, FS_IOC_GETFLAGS, &newFlags) == 0) {
        newFlags |= oldFlags & carried;
        (void)!::ioctl(to, FS_IOC_SETFLAGS, &newFlags);
    }
#endif
}

} // namespace

// False when an attribute could not be carried over or one the new file got from its folder (a
// default ACL) could not be taken away: the caller then writes the old file in place.
bool copyAttributes(const QByteArray &path, int to)
{
    const char *from = path.constData();
    const auto old =
        attributeNames([from](char *names, size_t size) { return ::listxattr(from, names, size); });
    const auto made =
        attributeNames([to](char *names, size_t size) { return ::flistxattr(to, names, size); });
    if (!old || !made)
        return false;
    for (const QByteArray &name : *made) {
        if (!old->contains(name) && ::fremovexattr(to, name.constData()) != 0)
            return false;
    }
    for (const QByteArray &name : *old) {
        const std::optional<QByteArray> value = sized([&](char *data, size_t size) {
            return ::getxattr(from, name.constData(), data, size);
        });
        if (!value ||
            ::fsetxattr(to, name.constData(), value->constData(), size_t(value->size()), 0) != 0)
            return false;
    }
    copyFlags(path, to);
    return true;
}

} // namespace FileIo
