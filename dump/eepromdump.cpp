// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "eepromdump.h"

#include "dumpreport.h"
#include "imagefile.h"

#include <QObject>

#include <algorithm>

QString EepromDump::load(const QString &path)
{
    return keep(DumpInfo::readAnyFormat(QFile::encodeName(path)));
}

// Keeps what the load found. A file that could not be opened leaves the previous image in place;
// the decoded fields are set only as far as the checks got.
QString EepromDump::keep(const DumpInfo &info)
{
    error = info.valid() ? 0 : 1;
    if (info.problem != DumpInfo::CannotOpen) {
        size = info.size;
        data = info.image;
        format = info.format;
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
    return DumpReport::render(info);
}

QByteArray EepromDump::cleaned(QByteArray image)
{
    std::fill_n(image.begin(), std::min<qsizetype>(ImageLayout::VariableBlockSize, image.size()),
                0);
    return image;
}

FileIo::SaveResult EepromDump::save(const QByteArray &nativePath, const QByteArray &image,
                                    FileIo::SaveMode mode, const ImageFormat &format)
{
    const QByteArray bytes = ImageFile::encode(image, format);
    FileIo::SaveResult saved = FileIo::save(nativePath, bytes, mode);
    if (saved.otherSize && format.kind == ImageFormat::Binary)
        saved.error = QObject::tr("the file is not a 512-byte dump, so it is not written over "
                                  "where it is: a file of another size is some other file "
                                  "chosen by mistake");
    else if (saved.otherSize)
        saved.error = QObject::tr("the file is not %n bytes long as the copy is, so it is not "
                                  "written over where it is: a file of another size is some "
                                  "other file chosen by mistake",
                                  nullptr, int(bytes.size()));
    return saved;
}

bool EepromDump::clearAndSave(const QString &path, FileIo::SaveResult *outcome)
{
    const QByteArray copy = cleaned(data);
    const FileIo::SaveResult saved =
        data.size() == ImageSize
            ? save(QFile::encodeName(path), copy, FileIo::Replace, format)
            : FileIo::SaveResult{FileIo::SaveResult::Failed, QObject::tr("no image loaded")};
    if (outcome)
        *outcome = saved;
    if (saved.ok())
        data = copy;
    return saved.ok();
}
