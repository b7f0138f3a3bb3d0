// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

// The POSIX way, used wherever the system has it: the read, and the save that picks its strategy.
namespace FileIo {

ReadResult readRegularFile(const QByteArray &nativePath, quint64 maxSize)
{
    if (nativePath.isEmpty())
        return {ReadResult::CannotOpen, 0, {}, ENOENT};
    // Why a path gives no regular file to read: the system's error, or a folder's; 0 for a
    // device, FIFO or socket.
    const auto refused = [](int error, const struct stat *info = nullptr) {
        return ReadResult{
            ReadResult::CannotOpen, 0, {}, info ? (S_ISDIR(info->st_mode) ? EISDIR : 0) : error};
    };
    // Only regular files are opened: opening a device can have effects of its own (a tape
    // rewinds). Where /proc is, the file checked is the one opened: its inode is taken without
    // opening it (O_PATH) and opened through that; elsewhere the check is repeated on what was
    // opened, since the path may change meanwhile. Non-blocking, so that a FIFO swapped in after
    // the check cannot stall the window.
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    struct stat info;
    Descriptor file;
#ifdef O_PATH
    const Descriptor inode(::open(nativePath.constData(), O_PATH | O_CLOEXEC));
    if (inode.valid() && ::fstat(inode.get(), &info) != 0)
        return refused(errno);
    if (inode.valid() && !S_ISREG(info.st_mode))
        return refused(0, &info);
    if (inode.valid())
        file.reset(::open(("/proc/self/fd/" + QByteArray::number(inode.get())).constData(), flags));
    if (inode.valid() && !file.valid() && errno != ENOENT) // ENOENT: no /proc
        return refused(errno);
#endif
    if (!file.valid()) {
        if (::stat(nativePath.constData(), &info) != 0)
            return refused(errno);
        if (!S_ISREG(info.st_mode))
            return refused(0, &info);
        file.reset(::open(nativePath.constData(), flags));
    }
    if (!file.valid() || ::fstat(file.get(), &info) != 0)
        return refused(errno);
    if (!S_ISREG(info.st_mode))
        return refused(0, &info);
    const quint64 size = quint64(info.st_size);
    if (size > maxSize)
        return {ReadResult::NotRead, size, {}};
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    // An error, or a file that ended early (truncated while read), is a failed read.
    errno = 0;
    if (readUpTo(file.get(), bytes.data(), size) != qint64(size))
        return {ReadResult::ReadFailed, size, {}, errno};
    return {ReadResult::Read, size, bytes};
}

SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    if (nativePath.isEmpty())
        return failed(ENOENT);
    Target target;
    std::optional<SaveResult> refusal = resolveTarget(nativePath, mode, target);
    // A file that a killed save of ours left unfinished at the name is no reason to refuse.
    if (refusal && mode == CreateOnly && target.exists && removeLeftovers(target.path))
        refusal = resolveTarget(nativePath, mode, target);
    if (refusal)
        return *refusal;
    // A folder we may search but not read can still be written in; only its sync is lost.
    Descriptor folder(::open(target.folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const bool confirmable = folder.valid();
    if (!confirmable && errno == EACCES)
        folder.reset(::open(target.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return failed(errno);
    if (confirmable)
        sweepFolder(folder.get());
    if (mustWriteInPlace(target, folder.get(), bytes.size()))
        return writeInPlace(target, bytes);
    return replaceByRename(target, folder.get(), confirmable, bytes, mode);
}

} // namespace FileIo
