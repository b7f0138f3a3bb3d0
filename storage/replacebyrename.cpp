// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

#include <QRandomGenerator>

#include <csignal>
#include <cstdio>

// The usual save: a whole new file beside the target, named over it only once it is on the disk.
namespace FileIo {

namespace {

// The new contents on their way to the target's name. On Linux the file has no name (O_TMPFILE)
// until it is whole and on the disk, so a kill leaves nothing behind; elsewhere it gets a
// temporary name at once, removed unless renamed to the target's; while it exists Ctrl-C, kill
// and hang-up are held back, so that it is always gone before the program acts on them.
class NewFile
{
public:
    explicit NewFile(int folder) : folder(folder) {}
    ~NewFile()
    {
        fd.reset();
        if (!temporary.isEmpty())
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
        if (fd.valid() && ::stat(procName.constData(), &proc) == 0)
            return 0;
        if (!fd.valid() && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return errno;
        fd.reset();
        procName.clear();
#endif
        return nameTemporary([this](const char *name) {
            fd.reset(
                ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
            return fd.valid();
        });
    }

    // Names the complete file: directly where nothing is there (or nothing may be replaced),
    // else through a temporary name renamed over the target. 0 or why not (target untouched).
    int publish(const QByteArray &name, SaveMode mode)
    {
        if (!procName.isEmpty()) {
            if (::linkat(AT_FDCWD, procName.constData(), folder, name.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                if (fd.close())
                    return 0;
                const int error = errno;
                ::unlinkat(folder, name.constData(), 0);
                return error;
            }
            if (errno != EEXIST || mode == CreateOnly)
                return errno;
            if (const int error = nameTemporary([this](const char *name) {
                    return ::linkat(AT_FDCWD, procName.constData(), folder, name,
                                    AT_SYMLINK_FOLLOW) == 0;
                }))
                return error;
        }
        if (!fd.close() || !renameTo(name, mode))
            return errno;
        temporary.clear();
        return 0;
    }

private:
    // A free name of ours through `make`, with the stopping signals held from then on.
    template <typename Make> int nameTemporary(Make make)
    {
        sigset_t stopping;
        sigemptyset(&stopping);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&stopping, signal);
        held = held || ::pthread_sigmask(SIG_BLOCK, &stopping, &previous) == 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            // Short, so that a target name near the length limit still leaves room for it.
            const QByteArray name =
                ".tavro-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
            if (make(name.constData())) {
                temporary = name;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    bool renameTo(const QByteArray &name, SaveMode mode)
    {
        const char *from = temporary.constData();
        if (mode == Replace)
            return ::renameat(folder, from, folder, name.constData()) == 0;
            // Never replace: a file that appeared at the target meanwhile is kept (EEXIST).
#ifdef RENAME_NOREPLACE
        if (::renameat2(folder, from, folder, name.constData(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return false;
#endif
        // File systems without it: a hard link fails on an existing name just the same.
        if (::linkat(folder, from, folder, name.constData(), 0) == 0) {
            ::unlinkat(folder, from, 0);
            return true;
        }
        if (errno == EEXIST)
            return false;
        // Nor hard links (FAT): the last look is as close as it gets.
        struct stat info;
        if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
            errno = EEXIST;
            return false;
        }
        return ::renameat(folder, from, folder, name.constData()) == 0;
    }

    const int folder;
    Descriptor fd;
    QByteArray procName;  // the unnamed file's way in for linkat
    QByteArray temporary; // a name of ours in the folder, removed unless renamed
    sigset_t previous;
    bool held = false;
};

} // namespace

// A new file beside the target, renamed over it once complete: the name always holds the whole
// old or the whole new image. Relative to the folder, so a long path costs a temporary name
// nothing. What only trying tells (a new file unlike the old one, a refused rename) goes in place.
SaveResult replaceByRename(const Target &target, int folder, bool confirmable,
                           const QByteArray &bytes, SaveMode saveMode)
{
    const auto inPlaceAfter = [&](int error) {
        return target.exists &&
                       (error == EACCES || error == EPERM || error == EROFS || error == EBUSY)
                   ? writeInPlace(target, bytes)
                   : failed(error);
    };
    NewFile file(folder);
    if (const int error = file.create())
        return inPlaceAfter(error); // a folder we may not write to can hold a file we may
    const mode_t mode = target.info.st_mode & 07777;
    if (target.exists) {
        // Only root may give a file away, and only to a group of ours may an owner move it.
        // The mode is set after the owner, because a change of owner drops set-id bits.
        (void)!::fchown(file.get(), target.info.st_uid, target.info.st_gid);
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
        return failed(errno);
    // An append-only folder or a bind-mounted file refuses the rename (EPERM, EBUSY).
    if (const int error = file.publish(target.path.mid(target.path.lastIndexOf('/') + 1), saveMode))
        return error == EPERM || error == EBUSY ? inPlaceAfter(error) : failed(error);

    // A rename is durable once its folder is; file systems that cannot sync a folder (EINVAL,
    // EROFS, ENOTSUP) keep names durable by other means.
    if (!confirmable)
        return SaveResult{SaveResult::NotConfirmed, systemError(EACCES)};
    if (sync(folder) || errno == EINVAL || errno == EROFS || errno == ENOTSUP)
        return SaveResult{SaveResult::Saved, QString()};
    return SaveResult{SaveResult::NotConfirmed, systemError(errno)};
}

} // namespace FileIo
