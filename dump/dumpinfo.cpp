#include "dumpinfo.h"

#include "fileio.h"

#include <QObject>

namespace {

constexpr quint16 EngineCeSet = 0x2124;
constexpr quint16 EngineSole = 0x292C;
constexpr quint16 McuTavro01 = 0x0000;
constexpr quint16 McuTavro02 = 0xBC42;

const char *const errorNames[DumpInfo::ErrorCount] = {
    QT_TRANSLATE_NOOP("QObject", "MCU fail 1"),
    QT_TRANSLATE_NOOP("QObject", "Door lock fail"),
    QT_TRANSLATE_NOOP("QObject", "Inlet valve fail"),
    QT_TRANSLATE_NOOP("QObject", "No drain"),
    QT_TRANSLATE_NOOP("QObject", "Pressure switch fail"),
    QT_TRANSLATE_NOOP("QObject", "NTC fail"),
    QT_TRANSLATE_NOOP("QObject", "MCU fail 2"),
    QT_TRANSLATE_NOOP("QObject", "Motor fail"),
    QT_TRANSLATE_NOOP("QObject", "Tacho fail"),
    QT_TRANSLATE_NOOP("QObject", "Triac error"),
    QT_TRANSLATE_NOOP("QObject", "Selector error"),
    QT_TRANSLATE_NOOP("QObject", "Dryer fail"),
    QT_TRANSLATE_NOOP("QObject", "Connection error 1"),
    QT_TRANSLATE_NOOP("QObject", "Connection error 2"),
};

quint8 byteAt(const uchar *image, int offset)
{
    return image[offset];
}

quint16 wordAt(const uchar *image, int offset)
{
    return static_cast<quint16>(image[offset] | (image[offset + 1] << 8));
}

// Decodes every field of a whole 512-byte image, then says whether it is a Tavro image at all.
void decodeImage(DumpInfo &info)
{
    const auto *image = reinterpret_cast<const uchar *>(info.image.constData());
    info.productCode = static_cast<quint32>(wordAt(image, DumpInfo::ProductCodeOffset)) |
                       (static_cast<quint32>(wordAt(image, DumpInfo::ProductCodeOffset + 2)) << 16);
    info.engineType = wordAt(image, DumpInfo::EngineTypeOffset);
    info.mcuType = wordAt(image, DumpInfo::McuTypeOffset);
    quint16 sum = 0;
    for (int i = DumpInfo::ProductCodeOffset; i < DumpInfo::ChecksumOffset; ++i)
        sum = static_cast<quint16>(sum + image[i]);
    info.computedChecksum = sum;
    info.storedChecksum = wordAt(image, DumpInfo::ChecksumOffset);
    info.lastError = byteAt(image, DumpInfo::LastErrorOffset);
    for (int i = 0; i < DumpInfo::ErrorCount; ++i)
        info.errorStats[i] = byteAt(image, DumpInfo::ErrorCountersOffset + i);
    const bool knownEngine = info.engineType == EngineCeSet || info.engineType == EngineSole;
    info.problem = knownEngine ? DumpInfo::NoProblem : DumpInfo::UnknownEngine;
}

} // namespace

QByteArray DumpInfo::productCodeText() const
{
    static const char digits[] = "0123456789abcdef";
    QByteArray text(8, '0');
    for (int i = 0; i < 4; ++i) {
        const quint8 byte = static_cast<quint8>(productCode >> (8 * i));
        text[2 * i] = digits[byte >> 4];
        text[2 * i + 1] = digits[byte & 0xf];
    }
    return text;
}

const char *DumpInfo::engineName() const
{
    return engineType == EngineCeSet ? "C.E.Set. Srl" : engineType == EngineSole ? "SOLE" : "";
}

const char *DumpInfo::mcuName() const
{
    if (mcuType == McuTavro01)
        return "Tavro 01 A0052-25";
    if (mcuType == McuTavro02)
        return "Tavro 02 C0 141 C48";
    return nullptr;
}

const char *DumpInfo::errorName(int index)
{
    return errorNames[index];
}

DumpInfo DumpInfo::read(const QByteArray &nativePath)
{
    DumpInfo info;
    // A file of the wrong length is never used, so it is not read: a huge file dropped by
    // mistake must neither stall the window nor fill memory.
    FileIo::ReadResult file = FileIo::readRegularFile(nativePath, ImageSize);
    if (file.status == FileIo::ReadResult::CannotOpen)
        return info;
    info.size = file.size;
    if (info.size != ImageSize) {
        info.problem = WrongSize;
    } else if (file.status != FileIo::ReadResult::Read) {
        // Zeros in place of bytes that never arrived would pass for the board's data.
        info.problem = IncompleteRead;
    } else {
        info.image = std::move(file.bytes);
        decodeImage(info);
    }
    return info;
}

DumpInfo DumpInfo::decode(const QByteArray &bytes)
{
    DumpInfo info;
    info.size = static_cast<quint64>(bytes.size());
    if (info.size != ImageSize) {
        info.problem = WrongSize;
        return info;
    }
    info.image = bytes;
    decodeImage(info);
    return info;
}
