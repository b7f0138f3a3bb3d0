// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/file.h>

// The usual save: a whole new file beside the target, named over it only once it is on the disk.
namespace FileIo {

namespace {

// The new contents on their way to the target's name. On Linux the file has no name (O_TMPFILE)
// until it is whole and on the disk, so a kill leaves nothing behind; elsewhere it gets a
// temporary name at once, removed unless renamed to the target's; while it exists Ctrl-C, kill
// and hang-up are held back, so that it is always gone before the program acts on them. The file
// is locked as long as it exists, which tells a later save that it is no litter.
class NewFile
{
public:
    NewFile(int folder, const QByteArray &bytes) : folder(folder), bytes(bytes) {}
    ~NewFile()
    {
        // Closed first: FUSE file systems hide a name removed while open (.fuse_hidden*).
        fd.reset();
        lock.reset();
        if (!temporary.isEmpty() && !claiming && whyNotHere(temporary) == 0)
            ::unlinkat(folder, temporary.constData(), 0);
        if (held)
            ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    Q_DISABLE_COPY(NewFile)
    int get() const { return fd.get(); }

    // 0 or why not. It gets a new file's permissions (umask and default ACLs apply).
    int create()
    {
#ifdef O_TMPFILE
        fd.reset(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        procName = "/proc/self/fd/" + QByteArray::number(fd.get());
        struct stat proc;
        // Naming it later goes through /proc; without /proc it must have a name now.
        if (fd.valid() && ::stat(procName.constData(), &proc) == 0 && holdLock() == 0)
            return 0;
        if (!fd.valid() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return errno;
        fd.reset();
        procName.clear();
#endif
        return nameTemporary([this](const char *name) {
            fd.reset(
                ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
            if (!fd.valid())
                return false;
            int why = holdLock();
            if (why == 0 && (why = whyNotHere(name)) == 0)
                return true;
            fd.reset();
            // A save that removed the name as litter, or holds it: another name.
            errno = why == ENOENT || why == EWOULDBLOCK ? EEXIST : why;
            return false;
        });
    }

    // Names the complete file: directly where nothing is there (or nothing may be replaced),
    // else through a temporary name renamed over the target.
    Naming publish(const QByteArray &name, SaveMode mode)
    {
        if (!procName.isEmpty()) {
            const bool linked = ::linkat(AT_FDCWD, procName.constData(), folder, name.constData(),
                                         AT_SYMLINK_FOLLOW) == 0;
            const int error = errno;
            if (linked || holdsOurs(name, error)) {
                if (fd.close())
                    return {linked ? Naming::Named : Naming::Unconfirmed, error};
                const int closing = errno;
                ::unlinkat(folder, name.constData(), 0);
                return {Naming::Failed, closing};
            }
            if (error != EEXIST || mode == CreateOnly)
                return refusedOrFailed(error);
            if (const int failure = nameTemporary([this](const char *temporaryName) {
                    return ::linkat(AT_FDCWD, procName.constData(), folder, temporaryName,
                                    AT_SYMLINK_FOLLOW) == 0;
                }))
                return refusedOrFailed(failure);
        }
        // A failing close is a lost write (NFS, CIFS), not a refusal: the save fails.
        if (!fd.close())
            return {Naming::Failed, errno};
        return mode == Replace ? renameTo(name) : renameWithoutReplacing(name);
    }

private:
    // The lock stays on a descriptor of its own, so that the checked close of the file is no end
    // to it. EWOULDBLOCK where the file system has locks and someone else holds this one. The
    // file's identity is taken now: a file system whose reply was lost may not find it later.
    int holdLock()
    {
        if (::fstat(fd.get(), &identity) != 0)
            return errno;
        lock.reset(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 0));
        if (!lock.valid())
            return errno;
        return ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK ? 0
                                                                                   : EWOULDBLOCK;
    }

    // 0 when `name` in the folder is this new file; else why not (EEXIST: another file is there).
    int whyNotHere(const QByteArray &name) const
    {
        struct stat there;
        if (::fstatat(folder, name.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0)
            return errno;
        return sameFile(identity, there) ? 0 : EEXIST;
    }

    // Whether a call that reported `error` was done all the same (a share whose reply was lost):
    // then the name holds the new bytes. A cached look-up or a file system that gives its files one
    // number cannot tell; reading does. Only errors of a lost connection count: any other is an
    // answer (and another save may have put the same bytes there).
    bool holdsOurs(const QByteArray &name, int error) const
    {
        static constexpr int lost[] = {EIO,       ETIMEDOUT,    ENOTCONN, ECONNRESET,  ECONNABORTED,
                                       EHOSTDOWN, EHOSTUNREACH, ENETDOWN, ENETUNREACH, ESTALE};
        return std::find(std::begin(lost), std::end(lost), error) != std::end(lost) &&
               contentsAt(folder, name, bytes) == Contents::Same;
    }

    Naming refusedOrFailed(int error) const
    {
        return {error == EPERM || error == EBUSY ? Naming::Refused : Naming::Failed, error};
    }

    // After a call that did, or failed to do, the naming: what the target's name now holds.
    Naming named(bool done, const QByteArray &name) const
    {
        const int error = errno;
        if (done)
            return {Naming::Named};
        return holdsOurs(name, error) ? Naming{Naming::Unconfirmed, error} : refusedOrFailed(error);
    }

    // A free name of ours through `make`, with the stopping signals held from then on.
    template <typename Make> int nameTemporary(Make make)
    {
        sigset_t stopping;
        sigemptyset(&stopping);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&stopping, signal);
        held = held || ::pthread_sigmask(SIG_BLOCK, &stopping, &previous) == 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = temporaryName(folder);
            if (make(name.constData())) {
                temporary = name;
                return 0;
            }
            const int error = errno;
            // Made, though the reply said otherwise: the name is ours, and must not stay.
            struct stat left;
            if (error != EEXIST &&
                ::fstatat(folder, name.constData(), &left, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISREG(left.st_mode))
                ::unlinkat(folder, name.constData(), 0);
            if (error != EEXIST)
                return error;
        }
        return EEXIST;
    }

    Naming renameTo(const QByteArray &name)
    {
        return named(::renameat(folder, temporary.constData(), folder, name.constData()) == 0,
                     name);
    }

    // Never replaces: a file that appears at the target meanwhile is kept (EEXIST).
    Naming renameWithoutReplacing(const QByteArray &name)
    {
        const char *from = temporary.constData();
#ifdef RENAME_NOREPLACE
        if (::renameat2(folder, from, folder, name.constData(), RENAME_NOREPLACE) == 0)
            return {Naming::Named};
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return named(false, name);
#endif
        // File systems without it: a hard link fails on an existing name just the same.
        // The temporary name goes with this object.
        const Naming linked = named(::linkat(folder, from, folder, name.constData(), 0) == 0, name);
        if (linked.outcome == Naming::Named || linked.outcome == Naming::Unconfirmed ||
            linked.error == EEXIST)
            return linked;
        // Nor hard links (exFAT, FAT, many network shares): the new file is made at the name and
        // written there. The temporary file becomes its claim first, which tells the next save
        // into the folder what an unfinished file there is, should this one be killed.
        qsizetype written = 0;
        if (!rewrite(lock.get(), claim(name, bytes), 0, written))
            return {Naming::Failed, errno};
        bool settled = true;
        const Naming naming = writeNewFile(folder, name, bytes, settled);
        claiming = !settled;
        return naming;
    }

    const int folder;
    const QByteArray &bytes;
    Descriptor fd;
    Descriptor lock;      // the same open file as fd, kept until the file is named or gone
    QByteArray procName;  // the unnamed file's way in for linkat
    QByteArray temporary; // a name of ours in the folder, removed unless renamed
    struct stat identity = {};
    sigset_t previous;
    bool held = false;
    bool claiming = false; // the temporary name stays: the target may hold an unfinished file
};

} // namespace

// A new file beside the target, renamed over it once complete: the name always holds the whole
// old or the whole new image. Relative to the folder, so a long path costs a temporary name
// nothing. What only trying tells (a new file unlike the old one, a refused rename) goes in place.
SaveResult replaceByRename(const Target &target, int folder, bool confirmable,
                           const QByteArray &bytes, SaveMode saveMode)
{
    // No room for a second copy: the file's own blocks take the new bytes, where they are as many.
    const auto noRoom = [&](int error) {
        return (error == ENOSPC || error == EDQUOT) && target.exists &&
               target.info.st_size == off_t(bytes.size());
    };
    const auto inPlaceAfter = [&](int error) {
        return (target.exists &&
                (error == EACCES || error == EPERM || error == EROFS || error == EBUSY)) ||
                       noRoom(error)
                   ? writeInPlace(target, bytes)
                   : failed(error);
    };
    NewFile file(folder, bytes);
    if (const int error = file.create())
        return inPlaceAfter(error); // a folder we may not write to can hold a file we may
    const mode_t mode = target.info.st_mode & 07777;
    if (target.exists) {
        // Only root may give a file away, and only to a group of ours may an owner move it.
        // The mode is set after the owner and the ACL, because a change of owner drops set-id
        // bits and an ACL sets the group's.
        (void)!::fchown(file.get(), target.info.st_uid, target.info.st_gid);
        if (!copyAttributes(target.path, file.get()))
            return writeInPlace(target, bytes);
        (void)!::fchmod(file.get(), mode);
        struct stat made;
        if (::fstat(file.get(), &made) != 0)
            return failed(errno);
        if (made.st_uid != target.info.st_uid || made.st_gid != target.info.st_gid ||
            (made.st_mode & 07777) != mode)
            return writeInPlace(target, bytes);
    }
    qsizetype written = 0;
    if (!rewrite(file.get(), bytes, mode, written))
        return noRoom(errno) ? writeInPlace(target, bytes) : failed(errno);
    const Naming naming = file.publish(target.path.mid(target.path.lastIndexOf('/') + 1), saveMode);
    if (naming.outcome == Naming::Refused) // an append-only folder, a bind-mounted file
        return inPlaceAfter(naming.error);
    if (naming.outcome == Naming::Failed)
        return failed(naming.error);
    if (naming.outcome == Naming::Unconfirmed)
        return SaveResult{SaveResult::NotConfirmed, systemError(naming.error)};

    // A rename is durable once its folder is; file systems that cannot sync a folder (EINVAL,
    // EROFS, ENOTSUP) keep names durable by other means.
    if (!confirmable)
        return SaveResult{SaveResult::NotConfirmed, systemError(EACCES)};
    if (sync(folder) || errno == EINVAL || errno == EROFS || errno == ENOTSUP)
        return SaveResult{SaveResult::Saved, QString()};
    return SaveResult{SaveResult::NotConfirmed, systemError(errno)};
}

} // namespace FileIo
