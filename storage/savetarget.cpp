// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

#include <algorithm>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#endif

// Where a save may write: the file behind the links, if on a disk, and whether a rename is safe.
namespace FileIo {

// Kernel interfaces that look like files: writing a board image there changes the system, and
// what reads back is not what was written.
bool onPseudoFileSystem([[maybe_unused]] const struct statfs &fs)
{
#ifdef Q_OS_LINUX
    static constexpr unsigned long pseudo[] = {
        PROC_SUPER_MAGIC, SYSFS_MAGIC,   CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
        DEBUGFS_MAGIC,    TRACEFS_MAGIC, SECURITYFS_MAGIC,   BPF_FS_MAGIC,
        PSTOREFS_MAGIC,   EFIVARFS_MAGIC};
    return std::find(std::begin(pseudo), std::end(pseudo), static_cast<unsigned long>(fs.f_type)) !=
           std::end(pseudo);
#endif
    return false;
}

QString pseudoFileRefusal()
{
    return QObject::tr("this is a file of the system kernel (proc, sysfs, cgroup, debugfs), not a "
                       "file on a disk");
}

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
        const ssize_t length = ::readlink(path.constData(), link.data(), size_t(link.size()));
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

enum class Keeping { No, Names, Unknown };

// Whether the folder keeps every name made in it (chattr +a or +i). statx tells without reading
// the folder; else its flags are asked for, which needs a folder we may read. A folder that cannot
// be asked keeps them: a temporary name there might stay for good. Where the file system does not
// say (FAT, shares, FUSE), the folder behind it may keep them all the same.
static Keeping keepsNames([[maybe_unused]] int folder)
{
#ifdef STATX_ATTR_APPEND
    constexpr quint64 keeping = STATX_ATTR_APPEND | STATX_ATTR_IMMUTABLE;
    struct statx info;
    if (::statx(folder, "", AT_EMPTY_PATH | AT_STATX_SYNC_AS_STAT, STATX_TYPE, &info) == 0 &&
        (info.stx_attributes_mask & keeping) == keeping)
        return (info.stx_attributes & keeping) != 0 ? Keeping::Names : Keeping::No;
#endif
#ifdef FS_IOC_GETFLAGS
    int attributes = 0;
    if (::ioctl(folder, FS_IOC_GETFLAGS, &attributes) == 0)
        return (attributes & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0 ? Keeping::Names : Keeping::No;
    if (errno != ENOTTY && errno != ENOTSUP && errno != EINVAL && errno != ENOSYS)
        return Keeping::Names;
#endif
    return Keeping::Unknown;
}

// A rename would split a file's hard links, and a folder that lets no name go would keep a
// renamed-over file or a temporary name for good; where that is not known, a file that can be
// written over where it is (as long as the new bytes, and readable, to put back) is not risked.
bool mustWriteInPlace(const Target &target, int folder, qsizetype size)
{
    if (!target.exists)
        return false;
    if (target.info.st_nlink > 1)
        return true;
    const Keeping keeping = keepsNames(folder);
    return keeping == Keeping::Names ||
           (keeping == Keeping::Unknown && target.info.st_size == off_t(size) &&
            ::faccessat(AT_FDCWD, target.path.constData(), R_OK, AT_EACCESS) == 0);
}

} // namespace FileIo
