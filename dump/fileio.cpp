#include "fileio.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace FileIo {

#ifdef Q_OS_UNIX

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

SaveResult failed(int error)
{
    return SaveResult{false, systemError(error)};
}

// Closes a descriptor on every way out of a function, unless it was closed and checked.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
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

bool readAll(int fd, char *data, quint64 size)
{
    quint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // an error, or the file ended early (truncated while read)
        done += static_cast<quint64>(n);
    }
    return true;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
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

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Follows symbolic links to the file they name, so that saving through a link replaces that
// file and leaves the link a link. `found` tells whether that file exists; `info` is its lstat.
bool resolveLinks(QByteArray &path, bool &found, struct stat &info, int &error)
{
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(path.constData(), &info) != 0) {
            found = false;
            error = errno;
            return error == ENOENT;
        }
        found = true;
        if (!S_ISLNK(info.st_mode))
            return true;
        // The kernel's rule for links in sticky world-writable folders such as /tmp: another
        // user's link there is not followed, lest it steer a save onto a file of ours.
        struct stat folder;
        if (::stat(folderOf(path).constData(), &folder) == 0 && (folder.st_mode & S_ISVTX) &&
            (folder.st_mode & S_IWOTH) && info.st_uid != ::geteuid() &&
            info.st_uid != folder.st_uid) {
            error = EACCES;
            return false;
        }
        QByteArray target(static_cast<qsizetype>(info.st_size > 0 ? info.st_size : 4096) + 1, 0);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0 || length >= target.size()) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    error = ELOOP;
    return false;
}

// Makes the data and size of an open file durable; a failure here means the bytes may be lost.
bool sync(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// A rename is durable only once the folder holding it is. Folders that cannot be opened for
// reading or that do not support syncing cost durability of the name only, never data.
bool syncFolder(const QByteArray &folder, int &error)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool ok = sync(fd) || errno == EINVAL || errno == EROFS || errno == ENOTSUP;
    error = errno;
    ::close(fd);
    return ok;
}

SaveResult refused(const char *why)
{
    return SaveResult{false, QString::fromLatin1(why)};
}

// Writes `content` over the file from its start, cuts it there, and makes it durable. `mode` is
// set again after the write: the system drops set-user-id and set-group-id bits from a file
// written by its owner.
bool rewrite(int fd, const QByteArray &content, mode_t mode)
{
    if (::lseek(fd, 0, SEEK_SET) != 0 || !writeAll(fd, content) ||
        ::ftruncate(fd, content.size()) != 0)
        return false;
    (void)!::fchmod(fd, mode);
    return sync(fd);
}

// Overwrites an existing file through its own inode: used where a rename would give the file a
// new owner or group, split its hard links, or is not allowed at all (the folder is not
// writable). The old bytes are read first and put back if anything fails, times included, so
// the file is as it was; a file whose old bytes cannot be kept is not overwritten at all.
SaveResult writeInPlace(const QByteArray &path, const QByteArray &bytes)
{
    constexpr int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    Descriptor file(::open(path.constData(), O_RDWR | flags));
    if (!file.valid()) {
        if (errno == EACCES)
            return refused("the file may be written but not read, so it cannot be replaced "
                           "safely where it is");
        return failed(errno);
    }
    struct stat info;
    if (::fstat(file.get(), &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return failed(EINVAL);

    // A dump is 512 bytes; a target many times larger is some other file chosen by mistake.
    constexpr quint64 restoreLimit = 1 << 20;
    const quint64 oldSize = static_cast<quint64>(info.st_size);
    if (oldSize > restoreLimit)
        return refused("the file is over a megabyte, too large to be replaced safely where it is");
    QByteArray old(static_cast<qsizetype>(oldSize), '\0');
    if (!readAll(file.get(), old.data(), oldSize))
        return failed(errno ? errno : EIO);

    const mode_t mode = info.st_mode & 07777;
    if (rewrite(file.get(), bytes, mode) && file.close())
        return SaveResult{true, QString()};

    const int error = errno;
    if (file.valid())
        file.close();
    Descriptor again(::open(path.constData(), O_WRONLY | flags));
    if (again.valid() && rewrite(again.get(), old, mode)) {
        const struct timespec times[2] = {info.st_atim, info.st_mtim};
        ::futimens(again.get(), times);
        again.close();
    }
    return failed(error);
}

// Renames without replacing anything: a file that appeared at the target meanwhile (another
// save to the same name) is kept, and the rename fails with EEXIST.
bool renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // File systems without it: a hard link fails on an existing name just the same.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno == EEXIST)
        return false;
    // Nor hard links (FAT): the last look is as close as it gets.
    struct stat info;
    if (::lstat(to.constData(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.constData(), to.constData()) == 0;
}

// A new file beside the target, under a short name of its own: a target name near the length
// limit must not make the temporary name too long. Created with the permissions a new file
// gets (umask and default ACLs apply); an existing target's are copied onto it later.
int createTemporary(const QByteArray &folder, QByteArray &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.tavro-" +
               QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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
    if (!readAll(file.get(), result.bytes.data(), result.size)) {
        result.bytes.clear();
        result.status = ReadResult::ReadFailed;
        return result;
    }
    result.status = ReadResult::Read;
    return result;
}

SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    QByteArray target = nativePath;
    if (target.isEmpty())
        return failed(ENOENT);
    bool exists = false;
    struct stat info;
    int error = 0;
    if (!resolveLinks(target, exists, info, error))
        return failed(error);
    if (exists && !S_ISREG(info.st_mode))
        return failed(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (exists && mode == CreateOnly)
        return failed(EEXIST);

    // A read-only file stays unchanged, even where the folder would allow replacing it.
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return failed(errno);

    // A rename would leave the other names of a hard-linked file with the old bytes.
    if (exists && info.st_nlink > 1)
        return writeInPlace(target, bytes);

    const QByteArray folder = folderOf(target);
    QByteArray temporary;
    Descriptor file(createTemporary(folder, temporary));
    if (!file.valid()) {
        // A folder we may not write to can still hold a file we may write to.
        if (exists && (errno == EACCES || errno == EPERM || errno == EROFS))
            return writeInPlace(target, bytes);
        return failed(errno);
    }
    const auto discard = [&temporary](int why) {
        ::unlink(temporary.constData());
        return failed(why);
    };

    if (exists) {
        // Only root may give a file away, and only to a group of ours may an owner move it: when
        // the new file cannot look like the old one, the old one is written in place instead.
        // The mode is set after the owner, because a change of owner drops set-id bits.
        (void)!::fchown(file.get(), info.st_uid, info.st_gid);
        (void)!::fchmod(file.get(), info.st_mode & 07777);
        struct stat made;
        if (::fstat(file.get(), &made) != 0)
            return discard(errno);
        if (made.st_uid != info.st_uid || made.st_gid != info.st_gid ||
            (made.st_mode & 07777) != (info.st_mode & 07777)) {
            file.close();
            ::unlink(temporary.constData());
            return writeInPlace(target, bytes);
        }
    }

    if (!writeAll(file.get(), bytes))
        return discard(errno);
    if (exists)
        (void)!::fchmod(file.get(), info.st_mode & 07777); // the write dropped set-id bits
    if (!sync(file.get()) || !file.close())
        return discard(errno);
    const bool renamed = mode == CreateOnly
                             ? renameNoReplace(temporary, target)
                             : ::rename(temporary.constData(), target.constData()) == 0;
    if (!renamed)
        return discard(errno);
    if (!syncFolder(folder, error))
        return failed(error);
    return SaveResult{true, QString()};
}

#else // no POSIX: Qt alone

ReadResult readRegularFile(const QByteArray &nativePath, quint64 maxSize)
{
    const QString path = QFile::decodeName(nativePath);
    ReadResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return result;
    result.size = static_cast<quint64>(file.size());
    if (result.size > maxSize) {
        result.status = ReadResult::NotRead;
        return result;
    }
    result.bytes = file.read(static_cast<qint64>(result.size));
    if (static_cast<quint64>(result.bytes.size()) != result.size) {
        result.bytes.clear();
        result.status = ReadResult::ReadFailed;
        return result;
    }
    result.status = ReadResult::Read;
    return result;
}

SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    const QString path = QFile::decodeName(nativePath);
    if (mode == CreateOnly && QFileInfo::exists(path))
        return SaveResult{false, QStringLiteral("File exists")};
    // commit() does not report a failing final flush, so the write count and the flush are
    // checked here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult{false, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return SaveResult{false, why};
    }
    if (!file.commit())
        return SaveResult{false, file.errorString()};
    return SaveResult{true, QString()};
}

#endif

ReadResult readRegularFile(const QString &path, quint64 maxSize)
{
    return readRegularFile(QFile::encodeName(path), maxSize);
}

SaveResult save(const QString &path, const QByteArray &bytes, SaveMode mode)
{
    return save(QFile::encodeName(path), bytes, mode);
}

} // namespace FileIo
