// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef EEPROMDUMP_H
#define EEPROMDUMP_H

#include "dumpinfo.h"
#include "fileio.h"

#include <QString>

// The board image last loaded, and what was decoded from it: the window's one record. Problems
// are never thrown: they are told in the report and by `error`.
class EepromDump
{
public:
    static constexpr int ImageSize = ImageLayout::ImageSize;
    static constexpr int ErrorCount = ImageLayout::ErrorCount;

    // Reads and checks the file, in whichever format it holds the image; returns the window's
    // report of it.
    QString load(const QString &path);
    // The same checks and report as load(), for the 512 bytes of an image already in memory.
    QString loadImage(const QByteArray &bytes) { return keep(DumpInfo::decode(bytes)); }
    // Saves a cleaned copy of the image in the format it was loaded from; the loaded one is
    // cleared only once the copy is on disk.
    bool clearAndSave(const QString &path, FileIo::SaveResult *outcome = nullptr);

    // What a cleaned copy of `image` holds: its variable data block zeroed, the rest unchanged.
    static QByteArray cleaned(QByteArray image);
    // Saves `image` (already cleaned) at `nativePath` in `format`, with every refusal told in
    // words.
    static FileIo::SaveResult save(const QByteArray &nativePath, const QByteArray &image,
                                   FileIo::SaveMode mode, const ImageFormat &format = {});

    quint8 error = 0;
    QByteArray data;    // the image, 512 bytes, when the last load that opened its file gave one
    quint64 size = 0;   // the length of the file last opened
    ImageFormat format; // how that file held the image
    quint32 productCode = 0;
    quint16 engineType = 0;
    quint16 mcuType = 0;
    quint8 errorStats[ErrorCount] = {};
    quint8 lastError = 0;

private:
    QString keep(const DumpInfo &info);
};

#endif // EEPROMDUMP_H
