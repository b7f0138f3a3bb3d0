// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "eepromdump.h"

#include "fileio.h"

#include <algorithm>

QString EepromDump::load(const QString &path)
{
    return take(DumpInfo::read(QFile::encodeName(path)));
}

// Keeps what the load found. A file that could not be opened leaves the previous image in place;
// the decoded fields are set only as far as the checks got.
QString EepromDump::take(const DumpInfo &info)
{
    error = info.valid() ? 0 : 1;
    if (info.problem != DumpInfo::CannotOpen) {
        size = info.size;
        data = info.image;
    }
    if (info.problem == DumpInfo::NoProblem || info.problem == DumpInfo::UnknownEngine) {
        productCode = info.productCode;
        engineType = info.engineType;
    }
    if (info.valid()) {
        mcuType = info.mcuType;
        lastError = info.lastError;
        std::copy_n(info.errorStats, ErrorCount, errorStats);
    }
    return info.report();
}

QByteArray EepromDump::cleaned(QByteArray image)
{
    std::fill_n(image.begin(), std::min<qsizetype>(DumpInfo::VariableBlockSize, image.size()), 0);
    return image;
}

bool EepromDump::clearAndSave(const QString &path, FileIo::SaveResult *outcome)
{
    const QByteArray copy = cleaned(data);
    const FileIo::SaveResult saved =
        data.size() == ImageSize
            ? FileIo::save(path, copy)
            : FileIo::SaveResult{FileIo::SaveResult::Failed, QStringLiteral("no image loaded")};
    if (outcome)
        *outcome = saved;
    if (saved.ok())
        data = copy;
    return saved.ok();
}
