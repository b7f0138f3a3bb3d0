// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef POSIXFILE_H
#define POSIXFILE_H

#include "fileio.h"
#include "paths.h"

#include <QObject>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>
#include <utility>

// Shared by the POSIX read and save, inside storage only: descriptor calls, errors, the target.
namespace FileIo {

// The system's reason, in the user's language (see Paths::systemMessage).
inline QString systemError(int error)
{
    return QString::fromUtf8(Paths::systemMessage(error));
}

inline SaveResult failed(const QString &why)
{
    return SaveResult{SaveResult::Failed, why};
}

inline SaveResult failed(int error)
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

inline qint64 readUpTo(int fd, char *data, quint64 limit)
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

inline bool sync(int fd)
{
    return uninterrupted([fd] { return ::fsync(fd); }) == 0;
}

// Writes `bytes` over the file from its start (`written` tells how far it got) and makes them
// durable. The system drops set-id bits from a file written by its owner: they are set again.
inline bool rewrite(int fd, const QByteArray &bytes, mode_t mode, qsizetype &written)
{
    written = 0;
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    while (written < bytes.size()) {
        const ssize_t n = uninterrupted([&] {
            return ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        });
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

// The folder a path names its file in: "." for a bare name.
inline QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

inline bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What a save writes to: the file a name resolves to, after every symbolic link.
struct Target
{
    QByteArray path;
    QByteArray folder;
    bool exists = false;
    struct stat info = {};
};

// How naming a new file went. A call that failed may still have been done (a network share
// whose reply was lost): what counts is whether the name now leads to the new bytes.
struct Naming
{
    enum Outcome {
        Named,       // the target's name is the new file's
        Unconfirmed, // it is, though the call that made it reported `error`
        Refused,     // the rename or link was refused (EPERM, EBUSY): the target is untouched
        Failed,      // not named, for `error`; the target is untouched
    };
    Outcome outcome;
    int error = 0;
};

std::optional<SaveResult> resolveTarget(const QByteArray &nativePath, SaveMode, Target &);
bool mustWriteInPlace(const Target &target, int folder, qsizetype size);
bool onPseudoFileSystem(const struct statfs &fs);
QString pseudoFileRefusal();
SaveResult writeInPlace(const Target &target, const QByteArray &bytes);
// What a fresh open of `name` reads (a share's cached look-up or a repeated inode number cannot
// tell which file a name leads to; its bytes can). Unreadable sets errno.
enum class Contents { Same, Other, Unreadable };
Contents contentsAt(int folder, const QByteArray &name, const QByteArray &bytes);
Naming writeNewFile(int folder, const QByteArray &name, const QByteArray &bytes, bool &settled);
bool copyAttributes(const QByteArray &path, int to);
QByteArray temporaryName(int folder);
// What a temporary file says while its save writes a new file in place: the name and the bytes.
QByteArray claim(const QByteArray &name, const QByteArray &bytes);
// Removes the file at `name` when a save of ours left it unfinished: `owner`'s, one name, holding
// the beginning of `bytes` (nothing, after a kill between its create and its write), or all of
// them when `whole` (a save that failed after its write). Unknown: it could not be told.
enum class Unfinished { Removed, NotOurs, Unknown };
Unfinished removeUnfinished(int folder, const QByteArray &name, const QByteArray &bytes, bool whole,
                            uid_t owner);
bool sweepFolder(int folder);
SaveResult replaceByRename(const Target &, int folder, bool confirmable, const QByteArray &,
                           SaveMode);

} // namespace FileIo

#endif // POSIXFILE_H
