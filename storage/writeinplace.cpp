// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

// The saves that write a file where it is: over the old one's bytes, for files a rename would
// change or cannot reach, and into a new file made at its name where nothing may be replaced.
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

Contents contentsAt(int folder, const QByteArray &name, const QByteArray &bytes)
{
    constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const Descriptor file(::openat(folder, name.constData(), flags));
    QByteArray there(bytes.size() + 1, '\0');
    const qint64 size =
        file.valid() ? readUpTo(file.get(), there.data(), quint64(there.size())) : -1;
    if (size < 0)
        return Contents::Unreadable;
    return there.left(size) == bytes ? Contents::Same : Contents::Other;
}

// A new file made at its name with an exclusive create and written there, as `cp -n` does, where
// nothing can be linked or renamed without replacing (exFAT, FAT, many shares): a program that
// opens the name meanwhile writes into this same file, so nothing it writes is replaced. Appended,
// so that bytes another program wrote first are never overwritten; ours are then taken off their
// end.
// Told by what a fresh open reads back. `settled` is false while the name may hold an unfinished
// file of ours that could not be removed: the caller's claim then stays for the next save.
Naming writeNewFile(int folder, const QByteArray &name, const QByteArray &bytes, bool &settled)
{
    settled = true;
    constexpr int flags = O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    Descriptor file(::openat(folder, name.constData(), flags, 0666));
    struct stat made;
    if (!file.valid()) {
        const int error = errno;
        // A create whose reply was lost may have made the file all the same.
        settled = error == EEXIST ||
                  (::fstatat(folder, name.constData(), &made, AT_SYMLINK_NOFOLLOW) != 0 &&
                   errno == ENOENT);
        return {Naming::Failed, error};
    }
    const auto failedWith = [&](int error) {
        settled = removeUnfinished(folder, name, bytes, true, made.st_uid) != Unfinished::Unknown;
        return Naming{Naming::Failed, error};
    };
    // Kept open, so that a file system that numbers its files as they are looked up (exFAT
    // through FUSE) keeps this one's number while it is checked.
    const Descriptor pinned(::fcntl(file.get(), F_DUPFD_CLOEXEC, 0));
    if (!pinned.valid() || ::fstat(file.get(), &made) != 0) {
        made.st_uid = ::geteuid(); // ours, as it was just made
        return failedWith(errno);
    }
    qsizetype written = 0;
    if (!rewrite(file.get(), bytes, 0, written) || !file.close()) {
        // Written whole, only not confirmed: where it cannot be removed (a stick pulled), it may
        // well be there.
        const int error = errno;
        const Naming failure = failedWith(error);
        if (settled || written < bytes.size())
            return failure;
        // Still there, as it could not be removed: what a fresh open reads decides. Whole, it
        // leaves nothing for a later save to look into.
        if (contentsAt(folder, name, bytes) != Contents::Same)
            return failure;
        settled = true;
        return {Naming::Unconfirmed, error};
    }
    const off_t end = ::lseek(pinned.get(), 0, SEEK_CUR);
    if (end < 0)
        return failedWith(errno);
    if (end != off_t(bytes.size())) {
        // Appended after bytes another program wrote first: they stay, ours are taken back.
        QByteArray ours(bytes.size(), '\0');
        struct stat now;
        if (end > off_t(bytes.size()) && ::fstat(pinned.get(), &now) == 0 && now.st_size == end &&
            ::pread(pinned.get(), ours.data(), size_t(ours.size()), end - bytes.size()) ==
                bytes.size() &&
            ours == bytes)
            (void)!::ftruncate(pinned.get(), end - bytes.size());
        return {Naming::Failed, EEXIST};
    }
    switch (contentsAt(folder, name, bytes)) {
    case Contents::Same:
        return {Naming::Named};
    case Contents::Other: // another program wrote into it, or put a file of its own there
        return {Naming::Failed, EEXIST};
    case Contents::Unreadable:
        break;
    }
    const int error = errno;
    if (error == ENOENT)
        return {Naming::Failed, error};
    settled = false;
    return {Naming::Unconfirmed, error};
}

} // namespace FileIo
