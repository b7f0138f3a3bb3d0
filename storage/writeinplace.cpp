// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

// The save that keeps the file's inode: for files a rename would change or cannot reach.
namespace FileIo {

// Overwrites an existing file through its own inode, only one of the new contents' size (one block:
// no kill leaves it half old, half new). Its old bytes are read to the end (the size the system
// reports may be wrong) and put back, times included, if anything fails.
SaveResult writeInPlace(const Target &target, const QByteArray &bytes)
{
    // Only the file the name was resolved to: one swapped in meanwhile, a link above all, could
    // lead anywhere.
    constexpr int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;
    const QString swapped =
        QObject::tr("the file was replaced by another while it was being saved; nothing written");
    Descriptor file(::open(target.path.constData(), O_RDWR | flags));
    if (!file.valid() && errno == EACCES)
        return failed(QObject::tr("the file may be written but not read, so it cannot be "
                                  "replaced safely where it is"));
    if (!file.valid() && errno == ELOOP)
        return failed(swapped);
    struct stat info;
    struct statfs fs;
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || ::fstatfs(file.get(), &fs) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode) || !sameFile(info, target.info))
        return failed(swapped);
    if (onPseudoFileSystem(fs))
        return failed(pseudoFileRefusal());

    QByteArray old(bytes.size() + 1, '\0');
    const qint64 oldSize = readUpTo(file.get(), old.data(), quint64(old.size()));
    if (oldSize < 0)
        return failed(errno);
    if (oldSize != bytes.size())
        return SaveResult{SaveResult::Failed, QString(), true};
    old.truncate(bytes.size());

    const mode_t mode = info.st_mode & 07777;
    qsizetype written = 0;
    if (rewrite(file.get(), bytes, mode, written) && file.close())
        return SaveResult{SaveResult::Saved, QString()};
    // Only what reached the file goes back (a write that fails writes nothing): past a file-size
    // limit, say, the bytes beyond it were never touched and could not be written either.
    const int error = errno;
    if (written == 0)
        return failed(error);
    const auto damaged = [error] {
        return SaveResult{SaveResult::Damaged,
                          systemError(error) +
                              QObject::tr("; the old contents could not be put back either")};
    };
    struct stat reopened;
    if (!file.valid())
        file.reset(::open(target.path.constData(), O_WRONLY | flags));
    if (!file.valid() || ::fstat(file.get(), &reopened) != 0 || !sameFile(reopened, info))
        return damaged();
    const qsizetype toPutBack = written;
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    const bool confirmed = rewrite(file.get(), old.left(toPutBack), mode, written) &&
                           ::futimens(file.get(), times) == 0 && file.close();
    if (confirmed)
        return failed(error);
    // The old bytes went back, only their sync or close failed: they are very likely there.
    if (written == toPutBack)
        return SaveResult{SaveResult::RestoredNotConfirmed, systemError(error)};
    return damaged();
}

} // namespace FileIo
