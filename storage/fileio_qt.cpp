// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

// Reading and saving with Qt alone, for systems without POSIX (TAVRO_QT_STORAGE on Linux too):
// only regular files are read, every byte of them, and a save replaces the target whole or not.
namespace FileIo {

ReadResult readRegularFile(const QByteArray &nativePath, quint64 maxSize)
{
    QFile file(QFile::decodeName(nativePath));
    const QFileInfo info(file);
    // Qt tells no error numbers: those that mean the same are given.
    if (!info.exists())
        return {ReadResult::CannotOpen, 0, {}, ENOENT};
    if (!info.isFile())
        return {ReadResult::CannotOpen, 0, {}, info.isDir() ? EISDIR : 0};
    if (!file.open(QIODevice::ReadOnly))
        return {ReadResult::CannotOpen,
                0,
                {},
                file.error() == QFileDevice::PermissionsError ? EACCES : EIO};
    const quint64 size = quint64(file.size());
    if (size > maxSize)
        return {ReadResult::NotRead, size, {}};
    const QByteArray bytes = file.read(qint64(size));
    if (quint64(bytes.size()) != size)
        return {ReadResult::ReadFailed, size, {}, bytes.size() < 0 ? EIO : 0};
    return {ReadResult::Read, size, bytes};
}

SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    const QString path = QFile::decodeName(nativePath);
    if (mode == CreateOnly && QFileInfo::exists(path))
        return SaveResult{SaveResult::Failed, QStringLiteral("File exists")};
    // commit() does not report a failing final flush, so the write count and the flush are
    // checked here. A file not committed is discarded. Where no new file may be made beside it,
    // the file is written where it is, as the POSIX save does: only over one of the same size.
    QSaveFile file(path);
    file.setDirectWriteFallback(QFileInfo(path).size() == bytes.size());
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return SaveResult{SaveResult::Saved, QString()};
    return SaveResult{SaveResult::Failed, file.errorString()};
}

// QSaveFile leaves nothing behind that a later save could know for its own.
bool removeLeftovers(const QByteArray &)
{
    return false;
}

} // namespace FileIo
