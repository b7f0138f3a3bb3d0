#include "eepromdump.h"

#include "fileio.h"

#include <QObject>

#include <algorithm>

namespace {

constexpr int ErrorCountersOffset = 160;
constexpr int LastErrorOffset = 254;
constexpr int ProductCodeOffset = 256;
constexpr int EngineTypeOffset = 496;
constexpr int McuTypeOffset = 507;
constexpr int ChecksumOffset = 509;

constexpr quint16 EngineCeSet = 0x2124;
constexpr quint16 EngineSole = 0x292C;
constexpr quint16 McuTavro01 = 0x0000;
constexpr quint16 McuTavro02 = 0xBC42;

const char *const errorNames[EepromDump::ErrorCount] = {
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

const QLatin1String br("<br>");

quint8 byteAt(const QByteArray &bytes, int offset)
{
    return static_cast<quint8>(bytes.at(offset));
}

quint16 wordAt(const QByteArray &bytes, int offset)
{
    return static_cast<quint16>(byteAt(bytes, offset) | (byteAt(bytes, offset + 1) << 8));
}

} // namespace

QString EepromDump::load(const QString &path)
{
    // A file of the wrong length is never used, so it is not read: a huge file dropped by
    // mistake must neither stall the window nor fill memory.
    const FileIo::ReadResult file = FileIo::readRegularFile(path, ImageSize);
    if (file.status == FileIo::ReadResult::CannotOpen) {
        error = 1;
        return QObject::tr("Err open file") + br;
    }
    size = file.size;
    data = size == ImageSize ? file.bytes : QByteArray();
    if (size == ImageSize && file.status != FileIo::ReadResult::Read) {
        // Zeros in place of bytes that never arrived would pass for the board's data and be
        // written into a cleaned copy.
        error = 1;
        return sizeLine() + QObject::tr("Read error: the file could not be read completely") + br;
    }
    return decode();
}

QString EepromDump::loadImage(const QByteArray &bytes)
{
    size = static_cast<quint64>(bytes.size());
    data = size == ImageSize ? bytes : QByteArray();
    return decode();
}

QString EepromDump::sizeLine() const
{
    return QObject::tr("File size : ") + QString::number(size) + QLatin1Char(' ') +
           QObject::tr("bytes") + br;
}

QString EepromDump::decode()
{
    error = 0;
    QString report = sizeLine();

    if (size != ImageSize || data.size() != ImageSize) {
        error = 1;
        return report + QObject::tr("Wrong file size") + br;
    }

    productCode = static_cast<quint32>(wordAt(data, ProductCodeOffset)) |
                  (static_cast<quint32>(wordAt(data, ProductCodeOffset + 2)) << 16);
    engineType = wordAt(data, EngineTypeOffset);
    if (engineType != EngineCeSet && engineType != EngineSole) {
        error = 1;
        return report + QObject::tr("Damaged file of not a Tavro firmware") + br;
    }

    report += QObject::tr("Product code : ");
    for (int i = 0; i < 4; ++i)
        report += QString::asprintf("%.2x", byteAt(data, ProductCodeOffset + i));
    report += br;

    report += QObject::tr("Engine type : ");
    report +=
        engineType == EngineCeSet ? QLatin1String("C.E.Set. Srl<br>") : QLatin1String("SOLE<br>");

    mcuType = wordAt(data, McuTypeOffset);
    report += QObject::tr("MCU type : ");
    if (mcuType == McuTavro01)
        report += QLatin1String("Tavro 01 A0052-25<br>");
    else if (mcuType == McuTavro02)
        report += QLatin1String("Tavro 02 C0 141 C48<br>");
    else
        report += QObject::tr("Unknown") + br;
    report += br;

    quint16 sum = 0;
    for (int i = ProductCodeOffset; i < ChecksumOffset; ++i)
        sum = static_cast<quint16>(sum + byteAt(data, i));
    report += QObject::tr("EEPROM checksum:") + QLatin1Char(' ');
    if (sum == wordAt(data, ChecksumOffset))
        report += QObject::tr("OK");
    else
        report +=
            QLatin1String("<font color=\"red\">") + QObject::tr("Error") + QLatin1String("</font>");
    report += br + br;

    lastError = byteAt(data, LastErrorOffset);
    report += QObject::tr("Last error : ");
    if (lastError != 0)
        report += QString::asprintf("%X", lastError) + br;
    else
        report += QObject::tr("None") + br;
    report += br;

    for (int i = 0; i < ErrorCount; ++i)
        errorStats[i] = byteAt(data, ErrorCountersOffset + i);
    report += QObject::tr("Error statistics : ") + br + br;

    for (int i = 0; i < ErrorCount; ++i)
        report += QString::asprintf("%X - ", 0xE0 + i) + QObject::tr(errorNames[i]) +
                  QString::asprintf(": %d", errorStats[i]) + br;
    return report;
}

bool EepromDump::clearAndSave(const QString &path, QString *why)
{
    if (data.size() != ImageSize) {
        if (why)
            *why = QStringLiteral("no image loaded");
        return false;
    }
    // The image is cleared in a copy and kept only once the file is safely on disk, so a failed
    // save leaves both the target and the loaded image as they were.
    QByteArray cleaned = data;
    std::fill_n(cleaned.begin(), VariableBlockSize, '\0');
    const FileIo::SaveResult saved = FileIo::save(path, cleaned);
    if (why)
        *why = saved.error;
    if (!saved.ok)
        return false;
    data = cleaned;
    return true;
}
