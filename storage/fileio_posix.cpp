// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "fileio.h"

#include <QObject>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#endif

// The POSIX way, used wherever the system has it: every read checked to the last byte, every
// save on the disk before it counts, nothing left behind.
namespace FileIo {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

SaveResult failed(int error)
{
    return SaveResult{SaveResult::Failed, systemError(error)};
}

// Reasons of our own are translated; the system's come in its own words (strerror follows the
// user's locale).
SaveResult refused(const QString &why)
{
    return SaveResult{SaveResult::Failed, why};
}

SaveResult saved()
{
    return SaveResult{SaveResult::Saved, QString()};
}

// Closes a descriptor on every way out of a function, unless it was closed and checked.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
    void reset(int other = -1)
    {
        if (fd >= 0)
            ::close(fd);
        fd = other;
    }
    // The last chance to hear of a failed write on NFS and some USB drivers.
    bool close() { return ::close(std::exchange(fd, -1)) == 0; }

private:
    int fd;
};

// Repeats a call the system interrupted, but not for ever: a file system whose calls are always
// interrupted must end in a failure, not a busy loop.
template <typename Call> auto uninterrupted(Call call)
{
    auto result = call();
    for (int interruptions = 1; result < 0 && errno == EINTR && interruptions < 100;
         ++interruptions)
        result = call();
    return result;
}

// Reads from the current position until the end of the file or `limit` bytes; -1 on an error.
qint64 readUpTo(int fd, char *data, quint64 limit)
{
    quint64 done = 0;
    while (done < limit) {
        const ssize_t n = uninterrupted([&] { return ::read(fd, data + done, limit - done); });
        if (n <= 0)
            return n < 0 ? -1 : qint64(done);
        done += quint64(n);
    }
    return qint64(done);
}

// Writes all of `bytes` from the start of the file; `done` tells how far it got.
bool writeAll(int fd, const QByteArray &bytes, qsizetype &done)
{
    done = 0;
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    while (done < bytes.size()) {
        const ssize_t n = uninterrupted(
            [&] { return ::write(fd, bytes.constData() + done, bytes.size() - done); });
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// Makes the data and size of an open file durable; a failure here means the bytes may be lost.
bool sync(int fd)
{
    return uninterrupted([fd] { return ::fsync(fd); }) == 0;
}

// Writes `bytes` over the file from its start and makes them durable. The system drops
// set-user-id and set-group-id bits from a file written by its owner: they are set again.
bool rewrite(int fd, const QByteArray &bytes, mode_t mode, qsizetype &written)
{
    if (!writeAll(fd, bytes, written))
        return false;
    if (mode & (S_ISUID | S_ISGID))
        (void)!::fchmod(fd, mode); // only the owner may
    return sync(fd);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Kernel interfaces that look like files: writing a board image there changes the system, and
// what reads back is not what was written.
bool onPseudoFileSystem(const struct statfs &fs)
{
#ifdef Q_OS_LINUX
    static constexpr unsigned long pseudo[] = {
        PROC_SUPER_MAGIC, SYSFS_MAGIC,   CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
        DEBUGFS_MAGIC,    TRACEFS_MAGIC, SECURITYFS_MAGIC,   BPF_FS_MAGIC,
        PSTOREFS_MAGIC,   EFIVARFS_MAGIC};
    return std::find(std::begin(pseudo), std::end(pseudo), (unsigned long)fs.f_type) !=
           std::end(pseudo);
#else
    (void)fs;
    return false;
#endif
}

QString pseudoFileRefusal()
{
    return QObject::tr("this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a "
                       "file on a disk");
}

// What a save writes to: the file a name resolves to, after every symbolic link.
struct Target
{
    QByteArray path;
    QByteArray folder;
    QByteArray name; // the last part of `path`
    bool exists = false;
    struct stat info = {};
};

// Follows symbolic links to the file they name, so that saving through a link replaces that
// file and leaves the link a link. Tells why a target must not be written, if it must not.
std::optional<SaveResult> resolveTarget(const QByteArray &nativePath, SaveMode mode, Target &target)
{
    QByteArray path = nativePath;
    struct stat &info = target.info;
    for (int hops = 0; (target.exists = ::lstat(path.constData(), &info) == 0);) {
        if (!S_ISLNK(info.st_mode))
            break;
        if (++hops == 40)
            return failed(ELOOP);
        // The kernel's rule for links in sticky world-writable folders such as /tmp: another
        // user's link there is not followed, lest it steer a save onto a file of ours.
        struct stat folder;
        if (::stat(folderOf(path).constData(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
            (folder.st_mode & S_IWOTH) && info.st_uid != ::geteuid() &&
            info.st_uid != folder.st_uid)
            return failed(EACCES);
        QByteArray link(qsizetype(info.st_size > 0 ? info.st_size : 4096) + 1, 0);
        const ssize_t length = ::readlink(path.constData(), link.data(), link.size());
        if (length < 0 || length >= link.size())
            return failed(length < 0 ? errno : ENAMETOOLONG);
        link.truncate(length);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    if (!target.exists && errno != ENOENT)
        return failed(errno);
    target.path = path;
    target.folder = folderOf(path);
    target.name = path.mid(path.lastIndexOf('/') + 1);

    if (target.exists && !S_ISREG(info.st_mode))
        return failed(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (target.exists && mode == CreateOnly)
        return failed(EEXIST);
    struct statfs fs;
    if (::statfs((target.exists ? path : target.folder).constData(), &fs) == 0 &&
        onPseudoFileSystem(fs))
        return refused(pseudoFileRefusal());
    // A read-only file stays unchanged, even where the folder would allow replacing it.
    if (target.exists && ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
        return failed(errno);
    return std::nullopt;
}

// Overwrites an existing file through its own inode. Only a file of exactly the new image's
// size is written over, in one block, so that no kill can leave it half old and half new; its
// old bytes are read to the end first (a size the system reports may be wrong) and put back,
// times included, if anything fails.
SaveResult writeInPlace(const Target &target, const QByteArray &bytes)
{
    constexpr int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    Descriptor file(::open(target.path.constData(), O_RDWR | flags));
    if (!file.valid() && errno == EACCES)
        return refused(QObject::tr("the file may be written but not read, so it cannot be "
                                   "replaced safely where it is"));
    struct stat info;
    struct statfs fs;
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || ::fstatfs(file.get(), &fs) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return failed(EINVAL);
    if (onPseudoFileSystem(fs))
        return refused(pseudoFileRefusal());

    QByteArray old(bytes.size() + 1, '\0');
    const qint64 oldSize = readUpTo(file.get(), old.data(), quint64(old.size()));
    if (oldSize < 0)
        return failed(errno);
    if (oldSize != bytes.size())
        return refused(QObject::tr("the file is not a 512-byte dump, so it is not written over "
                                   "where it is: a file of another size is some other file "
                                   "chosen by mistake"));
    old.truncate(bytes.size());

    const mode_t mode = info.st_mode & 07777;
    qsizetype written = 0;
    if (rewrite(file.get(), bytes, mode, written) && file.close())
        return saved();
    // Only what reached the file goes back (a write that fails writes nothing): past a file-size
    // limit, say, the bytes beyond it were never touched and could not be written either.
    const int error = errno;
    if (written == 0)
        return failed(error);
    if (!file.valid())
        file.reset(::open(target.path.constData(), O_WRONLY | flags));
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    if (file.valid() && rewrite(file.get(), old.left(written), mode, written) &&
        ::futimens(file.get(), times) == 0 && file.close())
        return failed(error);
    return SaveResult{SaveResult::Damaged,
                      systemError(error) +
                          QObject::tr("; the old contents could not be put back either")};
}

// Holds back the signals that ask a program to stop (Ctrl-C, kill, a closed terminal) while a
// temporary name exists, so that the name is always gone before the program acts on them.
class SignalsHeld
{
public:
    SignalsHeld()
    {
        sigset_t stopping;
        sigemptyset(&stopping);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&stopping, signal);
        held = ::pthread_sigmask(SIG_BLOCK, &stopping, &previous) == 0;
    }
    ~SignalsHeld()
    {
        if (held)
            ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }
    SignalsHeld(const SignalsHeld &) = delete;
    SignalsHeld &operator=(const SignalsHeld &) = delete;

private:
    sigset_t previous;
    bool held = false;
};

// The new contents on their way to the target's name. On Linux the file is made without a name
// (O_TMPFILE) and named only once it is whole and on the disk, so a kill before that leaves
// nothing behind; where the file system cannot, it gets a short temporary name of its own at
// once. A name it was given is removed again unless it was renamed to the target's.
class NewFile
{
public:
    explicit NewFile(int folder) : folder(folder) {}
    ~NewFile()
    {
        fd.reset();
        if (!temporary.isEmpty())
            ::unlinkat(folder, temporary.constData(), 0);
    }
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;
    int get() const { return fd.get(); }

    // Returns 0 or why the file could not be made. It gets the permissions a new file gets
    // (umask and default ACLs apply).
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
        held.emplace();
        for (int attempt = 0; attempt < 100 && !fd.valid(); ++attempt) {
            temporary = randomName();
            fd.reset(::openat(folder, temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
            if (!fd.valid() && errno != EEXIST)
                break;
        }
        if (fd.valid())
            return 0;
        temporary.clear();
        return errno;
    }

    // Gives the complete file the target's name: directly where nothing is there (or nothing
    // may be replaced), else through a temporary name renamed over the target. Returns 0 or
    // why not, with the file discarded and the target untouched.
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
            held.emplace();
            for (int attempt = 0; attempt < 100 && temporary.isEmpty(); ++attempt) {
                const QByteArray candidate = randomName();
                if (::linkat(AT_FDCWD, procName.constData(), folder, candidate.constData(),
                             AT_SYMLINK_FOLLOW) == 0)
                    temporary = candidate;
                else if (errno != EEXIST)
                    return errno;
            }
            if (temporary.isEmpty())
                return EEXIST;
        }
        if (!fd.close() || !renameTo(name, mode))
            return errno;
        temporary.clear();
        return 0;
    }

private:
    // Short, so that a target name near the length limit still leaves room for it.
    static QByteArray randomName()
    {
        return ".tavro-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
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
    std::optional<SignalsHeld> held;
};

// The usual way: a new file beside the target, renamed over it once complete, so that the name
// always holds either the whole old or the whole new image. Everything is done relative to the
// folder, so a long path to it costs no temporary name its length. What only trying tells (a
// new file that cannot look like the old one, a refused rename) sends the save in place.
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
    if (const int error = file.publish(target.name, saveMode))
        return error == EPERM || error == EBUSY ? inPlaceAfter(error) : failed(error);

    // A rename is durable only once its folder is. File systems that cannot sync a folder at
    // all (EINVAL, EROFS, ENOTSUP) keep names durable by other means.
    if (!confirmable)
        return SaveResult{SaveResult::NotConfirmed, systemError(EACCES)};
    if (sync(folder) || errno == EINVAL || errno == EROFS || errno == ENOTSUP)
        return saved();
    return SaveResult{SaveResult::NotConfirmed, systemError(errno)};
}

// In place where a rename is ruled out from the start: it would split a file's hard links, or
// the folder takes new names but lets none go (chattr +a or +i), so a renamed-over file or a
// temporary name would stay there for good.
bool mustWriteInPlace(const Target &target, int folder)
{
    if (!target.exists)
        return false;
    int attributes = 0;
#ifdef FS_IOC_GETFLAGS
    if (::ioctl(folder, FS_IOC_GETFLAGS, &attributes) != 0)
        attributes = 0;
    attributes &= FS_APPEND_FL | FS_IMMUTABLE_FL;
#else
    (void)folder;
#endif
    return target.info.st_nlink > 1 || attributes != 0;
}

} // namespace

ReadResult readRegularFile(const QByteArray &name, quint64 maxSize)
{
    ReadResult result;
    struct stat info;
    // Only regular files are opened: opening a device can have effects of its own (a tape
    // rewinds). The check is repeated on what was opened, since the path may change meanwhile.
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;
    // Non-blocking, so that a FIFO swapped in after the check cannot stall the window.
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;

    result.size = quint64(info.st_size);
    if (result.size > maxSize) {
        result.status = ReadResult::NotRead;
        return result;
    }
    result.bytes.resize(qsizetype(result.size));
    // An error, or a file that ended early (truncated while read), is a failed read.
    result.status = readUpTo(file.get(), result.bytes.data(), result.size) == qint64(result.size)
                        ? ReadResult::Read
                        : ReadResult::ReadFailed;
    if (result.status != ReadResult::Read)
        result.bytes.clear();
    return result;
}

// Resolves the target, chooses between renaming a new file over it and writing it in place,
// and carries that out.
SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    if (nativePath.isEmpty())
        return failed(ENOENT);
    Target target;
    if (const std::optional<SaveResult> refusal = resolveTarget(nativePath, mode, target))
        return *refusal;
    // A folder we may search but not read can still be written in; only its sync is lost.
    Descriptor folder(::open(target.folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const bool confirmable = folder.valid();
    if (!confirmable && errno == EACCES)
        folder.reset(::open(target.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return failed(errno);
    if (mustWriteInPlace(target, folder.get()))
        return writeInPlace(target, bytes);
    return replaceByRename(target, folder.get(), confirmable, bytes, mode);
}

} // namespace FileIo
