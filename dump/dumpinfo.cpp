// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpinfo.h"

#include "imagefile.h"

#include <QtEndian>

#include <algorithm>
#include <numeric>

using namespace ImageLayout;

DumpInfo DumpInfo::readAnyFormat(const QByteArray &nativePath)
{
    // A file longer than any text of an image is not read: a huge one must neither stall nor
    // fill memory.
    return decodeAnyFormat(FileIo::readRegularFile(nativePath, ImageFile::MaxTextSize));
}

DumpInfo DumpInfo::decodeAnyFormat(const FileIo::ReadResult &file)
{
    DumpInfo info;
    info.systemError = file.error;
    if (file.status == FileIo::ReadResult::CannotOpen)
        return info;
    if (file.status == FileIo::ReadResult::Read) {
        const ImageFile::Decoded decoded = ImageFile::decode(file.bytes);
        info = decode(decoded.bytes);
        info.format = decoded.format;
        info.refusal = decoded.refusal;
        if (!info.refusal.isEmpty())
            info.problem = BadRecords;
    } else {
        info.problem = file.status == FileIo::ReadResult::ReadFailed ? IncompleteRead : WrongSize;
    }
    info.size = file.size;
    return info;
}

DumpInfo::Verdict DumpInfo::verdict() const
{
    switch (problem) {
    case NoProblem:
        return checksumOk() ? Verdict::Valid : Verdict::BadChecksum;
    case WrongSize:
        return Verdict::WrongSize;
    case UnknownEngine:
        return Verdict::UnknownEngine;
    case CannotOpen:
    case IncompleteRead:
    case BadRecords:
        break;
    }
    return Verdict::Unreadable;
}

DumpInfo DumpInfo::decode(const QByteArray &bytes)
{
    DumpInfo info;
    info.size = quint64(bytes.size());
    info.problem = WrongSize;
    if (info.size != ImageSize)
        return info;
    info.image = bytes;
    const auto *image = reinterpret_cast<const uchar *>(bytes.constData());
    info.productCode = qFromLittleEndian<quint32>(image + ProductCode);
    info.engineType = qFromLittleEndian<quint16>(image + EngineType);
    info.mcuType = qFromLittleEndian<quint16>(image + McuType);
    info.storedChecksum = qFromLittleEndian<quint16>(image + Checksum);
    info.computedChecksum =
        quint16(std::accumulate(image + IdentificationBlock, image + Checksum, 0u));
    info.lastError = image[LastError];
    std::copy_n(image + ErrorCounters, ErrorCount, info.errorStats);
    info.problem = engineName(info.engineType) ? NoProblem : UnknownEngine;
    return info;
}
