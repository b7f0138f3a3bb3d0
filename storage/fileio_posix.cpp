// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

// The POSIX way, used wherever the system has it: the read, and the save that picks its strategy.
namespace FileIo {

ReadResult readRegularFile(const QByteArray &nativePath, quint64 maxSize)
{
    struct stat info;
    // Only regular files are opened: opening a device can have effects of its own (a tape
    // rewinds). The check is repeated on what was opened, since the path may change meanwhile.
    if (nativePath.isEmpty() || ::stat(nativePath.constData(), &info) != 0 ||
        !S_ISREG(info.st_mode))
        return {};
    // Non-blocking, so that a FIFO swapped in after the check cannot stall the window.
    Descriptor file(::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
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
