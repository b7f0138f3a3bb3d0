// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Reading and saving with Qt alone, for systems without POSIX. It keeps the promises that Qt can
// keep: only regular files are read, a read must deliver every byte, and a save replaces the
// target whole or not at all. The build option TAVRO_QT_STORAGE uses it on Linux as well.
namespace FileIo {

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
    result.status =
        quint64(result.bytes.size()) == result.size ? ReadResult::Read : ReadResult::ReadFailed;
    if (result.status != ReadResult::Read)
        result.bytes.clear();
    return result;
}

SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode)
{
    const QString path = QFile::decodeName(nativePath);
    if (mode == CreateOnly && QFileInfo::exists(path))
        return SaveResult{SaveResult::Failed, QStringLiteral("File exists")};
    // commit() does not report a failing final flush, so the write count and the flush are
    // checked here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult{SaveResult::Failed, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return SaveResult{SaveResult::Failed, why};
    }
    if (!file.commit())
        return SaveResult{SaveResult::Failed, file.errorString()};
    return SaveResult{SaveResult::Saved, QString()};
}

} // namespace FileIo
