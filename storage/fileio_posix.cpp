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

// Reasons of our own are translated; the system's come in its own words (strerror follows the
// user's locale).
SaveResult failed(const QString &why)
{
    return SaveResult{SaveResult::Failed, why};
}

SaveResult failed(int error)
{
    return failed(systemError(error));
}

// Closes a descriptor on every way out of a function, unless it was closed and checked.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    ~Descriptor() { reset(); }
    Q_DISABLE_COPY(Descriptor)
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

// Retries interrupted calls, but not for ever: a file system that always interrupts must fail.
template <typename Call> auto uninterrupted(Call call)
{
    auto result = call();
    for (int interruptions = 1; result < 0 && errno == EINTR && interruptions < 100;
         ++interruptions)
        result = call();
    return result;
}

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

bool sync(int fd)
{
    return uninterrupted([fd] { return ::fsync(fd); }) == 0;
}

// Writes `bytes` over the file from its start (`written` tells how far it got) and makes them
// durable. The system drops set-id bits from a file written by its owner: they are set again.
bool rewrite(int fd, const QByteArray &bytes, mode_t mode, qsizetype &written)
{
    written = 0;
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    while (written < bytes.size()) {
        const ssize_t n = uninterrupted(
            [&] { return ::write(fd, bytes.constData() + written, bytes.size() - written); });
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += n;
    }
    if (mode & (S_ISUID | S_ISGID))
        (void)!::fchmod(fd, mode); // only the owner may
    return sync(fd);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Kernel interfaces that look like files: writing a board image there changes the system, and
// what reads back is not what was written.
bool onPseudoFileSystem([[maybe_unused]] const struct statfs &fs)
{
#ifdef Q_OS_LINUX
    static constexpr unsigned long pseudo[] = {
        PROC_SUPER_MAGIC, SYSFS_MAGIC,   CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
        DEBUGFS_MAGIC,    TRACEFS_MAGIC, SECURITYFS_MAGIC,   BPF_FS_MAGIC,
        PSTOREFS_MAGIC,   EFIVARFS_MAGIC};
    return std::find(std::begin(pseudo), std::end(pseudo), (unsigned long)fs.f_type) !=
           std::end(pseudo);
#endif
    return false;
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
    bool exists = false;
    struct stat info = {};
};

// Follows links to the file they name (the link stays a link); tells why it must not be written.
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

    if (target.exists && !S_ISREG(info.st_mode))
        return failed(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (target.exists && mode == CreateOnly)
        return failed(EEXIST);
    struct statfs fs;
    if (::statfs((target.exists ? path : target.folder).constData(), &fs) == 0 &&
        onPseudoFileSystem(fs))
        return failed(pseudoFileRefusal());
    // A read-only file stays unchanged, even where the folder would allow replacing it.
    if (target.exists && ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
        return failed(errno);
    return std::nullopt;
}

// Overwrites an existing file through its own inode, only one of the new contents' size (one block:
// no kill leaves it half old, half new). Its old bytes are read to the end (the size the system
// reports may be wrong) and put back, times included, if anything fails.
SaveResult writeInPlace(const Target &target, const QByteArray &bytes)
{
    constexpr int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    Descriptor file(::open(target.path.constData(), O_RDWR | flags));
    if (!file.valid() && errno == EACCES)
        return failed(QObject::tr("the file may be written but not read, so it cannot be "
                                  "replaced safely where it is"));
    struct stat info;
    struct statfs fs;
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || ::fstatfs(file.get(), &fs) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return failed(EINVAL);
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

// A rename would split a file's hard links, and a folder that lets no name go (chattr +a or +i)
// would keep a renamed-over file or a temporary name for good.
bool mustWriteInPlace(const Target &target, [[maybe_unused]] int folder)
{
    int attributes = 0;
#ifdef FS_IOC_GETFLAGS
    if (target.exists && ::ioctl(folder, FS_IOC_GETFLAGS, &attributes) == 0)
        attributes &= FS_APPEND_FL | FS_IMMUTABLE_FL;
    else
        attributes = 0;
#endif
    return target.exists && (target.info.st_nlink > 1 || attributes != 0);
}

} // namespace

ReadResult readRegularFile(const QByteArray &name, quint64 maxSize)
{
    struct stat info;
    // Only regular files are opened: opening a device can have effects of its own (a tape
    // rewinds). The check is repeated on what was opened, since the path may change meanwhile.
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    // Non-blocking, so that a FIFO swapped in after the check cannot stall the window.
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const quint64 size = quint64(info.st_size);
    if (size > maxSize)
        return {ReadResult::NotRead, size, {}};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    // An error, or a file that ended early (truncated while read), is a failed read.
    if (readUpTo(file.get(), bytes.data(), size) != qint64(size))
        return {ReadResult::ReadFailed, size, {}};
    return {ReadResult::Read, size, bytes};
}

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
