#include "fileio.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
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

SaveResult refused(const char *why)
{
    return SaveResult{SaveResult::Failed, QString::fromLatin1(why)};
}

// Closes a descriptor on every way out of a function, unless it was closed and checked.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
    void reset(int other)
    {
        if (fd >= 0)
            ::close(fd);
        fd = other;
    }
    // The last chance to hear of a failed write on NFS and some USB drivers.
    bool close()
    {
        const int closing = fd;
        fd = -1;
        return ::close(closing) == 0;
    }

private:
    int fd;
};

// A file system whose reads are interrupted for ever must end in a failed read, not a busy loop.
constexpr int maxInterruptions = 100;

// Reads from the current position until the end of the file or `limit` bytes; -1 on an error.
qint64 readUpTo(int fd, char *data, quint64 limit)
{
    quint64 done = 0;
    int interruptions = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, data + done, limit - done);
        if (n < 0 && errno == EINTR && ++interruptions < maxInterruptions)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<quint64>(n);
    }
    return static_cast<qint64>(done);
}

// Writes all of `bytes` from the start of the file.
bool writeAll(int fd, const QByteArray &bytes)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    qsizetype done = 0;
    int interruptions = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR && ++interruptions < maxInterruptions)
            continue;
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
    int interruptions = 0;
    while (::fsync(fd) != 0) {
        if (errno != EINTR || ++interruptions >= maxInterruptions)
            return false;
    }
    return true;
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
    switch (static_cast<unsigned long>(fs.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
        return true;
    default:
        return false;
    }
#else
    (void)fs;
    return false;
#endif
}

const char *const pseudoFileRefusal =
    "this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a file on a disk";

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
// file and leaves the link a link. Refuses anything that must not be written.
bool resolveTarget(const QByteArray &nativePath, SaveMode mode, Target &target, SaveResult &refusal)
{
    QByteArray path = nativePath;
    struct stat &info = target.info;
    for (int hops = 0;; ++hops) {
        if (hops == 40) {
            refusal = failed(ELOOP);
            return false;
        }
        if (::lstat(path.constData(), &info) != 0) {
            if (errno != ENOENT) {
                refusal = failed(errno);
                return false;
            }
            break;
        }
        target.exists = true;
        if (!S_ISLNK(info.st_mode))
            break;
        // The kernel's rule for links in sticky world-writable folders such as /tmp: another
        // user's link there is not followed, lest it steer a save onto a file of ours.
        struct stat folder;
        if (::stat(folderOf(path).constData(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
            (folder.st_mode & S_IWOTH) && info.st_uid != ::geteuid() &&
            info.st_uid != folder.st_uid) {
            refusal = failed(EACCES);
            return false;
        }
        QByteArray link(static_cast<qsizetype>(info.st_size > 0 ? info.st_size : 4096) + 1, 0);
        const ssize_t length = ::readlink(path.constData(), link.data(), link.size());
        if (length < 0 || length >= link.size()) {
            refusal = failed(length < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        link.truncate(length);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
        target.exists = false;
    }
    target.path = path;
    target.folder = folderOf(path);
    target.name = path.mid(path.lastIndexOf('/') + 1);

    if (target.exists && !S_ISREG(info.st_mode)) {
        refusal = failed(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    if (target.exists && mode == CreateOnly) {
        refusal = failed(EEXIST);
        return false;
    }
    struct statfs fs;
    if (::statfs((target.exists ? path : target.folder).constData(), &fs) == 0 &&
        onPseudoFileSystem(fs)) {
        refusal = refused(pseudoFileRefusal);
        return false;
    }
    // A read-only file stays unchanged, even where the folder would allow replacing it.
    if (target.exists && ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0) {
        refusal = failed(errno);
        return false;
    }
    return true;
}

// The system drops set-user-id and set-group-id bits from a file written by its owner: they are
// set again (only the owner may).
void keepSetIdBits(int fd, mode_t mode)
{
    if (mode & (S_ISUID | S_ISGID))
        (void)!::fchmod(fd, mode);
}

// Writes `bytes` over the file from its start and makes them durable.
bool rewrite(int fd, const QByteArray &bytes, mode_t mode)
{
    if (!writeAll(fd, bytes))
        return false;
    keepSetIdBits(fd, mode);
    return sync(fd);
}

// A rename is durable only once the folder holding it is. File systems that cannot sync a
// folder at all (EINVAL, EROFS, ENOTSUP) keep names durable by other means.
SaveResult confirmName(int folder)
{
    if (sync(folder) || errno == EINVAL || errno == EROFS || errno == ENOTSUP)
        return SaveResult{SaveResult::Saved, QString()};
    return SaveResult{SaveResult::NotConfirmed, systemError(errno)};
}

// Overwrites an existing file through its own inode: used where a rename would give the file a
// new owner or group, split its hard links, or is not allowed at all. Only a file of exactly the
// new image's size is written over, in one block, so that no kill can leave it half old and
// half new; its old bytes are read to the end first (a size the system reports may be wrong)
// and put back, times included, if anything fails.
SaveResult writeInPlace(const Target &target, const QByteArray &bytes)
{
    constexpr int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    Descriptor file(::open(target.path.constData(), O_RDWR | flags));
    if (!file.valid()) {
        if (errno == EACCES)
            return refused("the file may be written but not read, so it cannot be replaced "
                           "safely where it is");
        return failed(errno);
    }
    struct stat info;
    struct statfs fs;
    if (::fstat(file.get(), &info) != 0 || ::fstatfs(file.get(), &fs) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return failed(EINVAL);
    if (onPseudoFileSystem(fs))
        return refused(pseudoFileRefusal);

    QByteArray old(bytes.size() + 1, '\0');
    const qint64 oldSize = readUpTo(file.get(), old.data(), quint64(old.size()));
    if (oldSize < 0)
        return failed(errno);
    if (oldSize != bytes.size())
        return refused("the file is not a 512-byte dump, so it is not written over where it "
                       "is: a file of another size is some other file chosen by mistake");
    old.truncate(bytes.size());

    const mode_t mode = info.st_mode & 07777;
    if (rewrite(file.get(), bytes, mode) && file.close())
        return SaveResult{SaveResult::Saved, QString()};

    const int error = errno;
    if (!file.valid())
        file.reset(::open(target.path.constData(), O_WRONLY | flags));
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    if (file.valid() && rewrite(file.get(), old, mode) && ::futimens(file.get(), times) == 0 &&
        file.close())
        return failed(error);
    return SaveResult{SaveResult::Damaged,
                      systemError(error) +
                          QLatin1String("; the old contents could not be put back either")};
}

// False for a folder whose entries may be added but not removed or renamed (chattr +a or +i).
bool changesNames(int folder)
{
#ifdef FS_IOC_GETFLAGS
    int attributes = 0;
    if (::ioctl(folder, FS_IOC_GETFLAGS, &attributes) == 0)
        return !(attributes & (FS_APPEND_FL | FS_IMMUTABLE_FL));
#else
    (void)folder;
#endif
    return true;
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
        sigaddset(&stopping, SIGINT);
        sigaddset(&stopping, SIGTERM);
        sigaddset(&stopping, SIGHUP);
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
// (O_TMPFILE) and named only once it is whole and on the disk, so a kill at any moment before
// that leaves nothing behind; elsewhere, or where the file system cannot, it gets a short
// temporary name of its own at once. A name it was given is removed again unless published.
class NewFile
{
public:
    explicit NewFile(int folder) : folder(folder) {}
    ~NewFile()
    {
        fd.reset(-1);
        if (!temporary.isEmpty())
            ::unlinkat(folder, temporary.constData(), 0);
    }
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // Returns 0 or the reason the file could not be made. Made with the permissions a new file
    // gets (umask and default ACLs apply).
    int create()
    {
#ifdef O_TMPFILE
        fd.reset(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (fd.valid()) {
            // Naming it later goes through /proc; without /proc it must have a name now.
            procName = "/proc/self/fd/" + QByteArray::number(fd.get());
            struct stat proc;
            if (::stat(procName.constData(), &proc) == 0)
                return 0;
            fd.reset(-1);
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return errno;
        }
#endif
        procName.clear();
        held.emplace();
        for (int attempt = 0; attempt < 100; ++attempt) {
            temporary = randomName();
            fd.reset(::openat(folder, temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
            if (fd.valid() || errno != EEXIST)
                break;
        }
        if (fd.valid())
            return 0;
        const int error = errno;
        temporary.clear();
        return error;
    }

    int get() const
    {
        return fd.get();
    }

    // Gives the complete file the target's name: created anew where `mode` forbids replacing
    // or where nothing is there, else through a temporary name renamed over the target. Returns
    // 0 or the reason, with the file discarded and the target untouched.
    int publish(const QByteArray &name, SaveMode mode)
    {
        if (!procName.isEmpty()) {
            if (::linkat(AT_FDCWD, procName.constData(), folder, name.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                if (closeFile())
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
        if (!closeFile())
            return errno;
        if (!renameTo(name, mode))
            return errno;
        temporary.clear();
        return 0;
    }

private:
    static QByteArray randomName()
    {
        // Short, so that a target name near the length limit still leaves room for it.
        return ".tavro-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
    }

    bool closeFile()
    {
        return fd.close();
    }

    bool renameTo(const QByteArray &name, SaveMode mode)
    {
        if (mode == Replace)
            return ::renameat(folder, temporary.constData(), folder, name.constData()) == 0;
            // Never replace: a file that appeared at the target meanwhile is kept (EEXIST).
#ifdef RENAME_NOREPLACE
        if (::renameat2(folder, temporary.constData(), folder, name.constData(),
                        RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
            return false;
#endif
        // File systems without it: a hard link fails on an existing name just the same.
        if (::linkat(folder, temporary.constData(), folder, name.constData(), 0) == 0) {
            ::unlinkat(folder, temporary.constData(), 0);
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
        return ::renameat(folder, temporary.constData(), folder, name.constData()) == 0;
    }

    const int folder;
    Descriptor fd;
    QByteArray procName;  // the unnamed file's way in for linkat
    QByteArray temporary; // a name of ours in the folder, removed unless renamed
    std::optional<SignalsHeld> held;
};

// The usual way: a new file beside the target, renamed over it once complete, so that the name
// always holds either the whole old or the whole new image. Everything is done relative to the
// folder, so a long path to it costs no temporary name its length.
SaveResult replaceByRename(const Target &target, const QByteArray &bytes, SaveMode saveMode)
{
    Descriptor folder(::open(target.folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const bool readable = folder.valid();
    if (!readable && errno == EACCES)
        folder.reset(::open(target.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return failed(errno);
    // An append-only or immutable folder takes new names but lets none go: a renamed-over file
    // or a temporary name would stay there for good.
    if (target.exists && !changesNames(folder.get()))
        return writeInPlace(target, bytes);

    // A folder we may not write to can still hold a file we may write to.
    const auto canWriteInPlace = [&target](int error) {
        return target.exists && (error == EACCES || error == EPERM || error == EROFS);
    };
    NewFile file(folder.get());
    if (const int error = file.create())
        return canWriteInPlace(error) ? writeInPlace(target, bytes) : failed(error);

    const mode_t permissions = target.info.st_mode & 07777;
    if (target.exists) {
        // Only root may give a file away, and only to a group of ours may an owner move it: when
        // the new file cannot look like the old one, the old one is written in place instead.
        // The mode is set after the owner, because a change of owner drops set-id bits.
        (void)!::fchown(file.get(), target.info.st_uid, target.info.st_gid);
        (void)!::fchmod(file.get(), permissions);
        struct stat made;
        if (::fstat(file.get(), &made) != 0)
            return failed(errno);
        if (made.st_uid != target.info.st_uid || made.st_gid != target.info.st_gid ||
            (made.st_mode & 07777) != permissions)
            return writeInPlace(target, bytes);
    }
    if (!rewrite(file.get(), bytes, permissions))
        return failed(errno);

    const int error = file.publish(target.name, saveMode);
    // An append-only folder or a bind-mounted file refuses the rename, not the write.
    if (error == EPERM || error == EBUSY)
        return target.exists ? writeInPlace(target, bytes) : failed(error);
    if (error)
        return failed(error);
    if (!readable)
        return SaveResult{SaveResult::NotConfirmed, systemError(EACCES)};
    return confirmName(folder.get());
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

    result.size = static_cast<quint64>(info.st_size);
    if (result.size > maxSize) {
        result.status = ReadResult::NotRead;
        return result;
    }
    result.bytes.resize(static_cast<qsizetype>(result.size));
    // An error, or a file that ended early (truncated while read).
    if (readUpTo(file.get(), result.bytes.data(), result.size) != qint64(result.size)) {
        result.bytes.clear();
        result.status = ReadResult::ReadFailed;
        return result;
    }
    result.status = ReadResult::Read;
    return result;
}

SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    if (nativePath.isEmpty())
        return failed(ENOENT);
    Target target;
    SaveResult refusal;
    if (!resolveTarget(nativePath, mode, target, refusal))
        return refusal;
    // A rename would leave the other names of a hard-linked file with the old bytes.
    if (target.exists && target.info.st_nlink > 1)
        return writeInPlace(target, bytes);
    return replaceByRename(target, bytes, mode);
}

} // namespace FileIo
