#include "eepromdump.h"

#include "fileio.h"

#include <QFile>
#include <QObject>

#include <algorithm>

QString EepromDump::load(const QString &path)
{
    return take(DumpInfo::read(QFile::encodeName(path)));
}

QString EepromDump::loadImage(const QByteArray &bytes)
{
    return take(DumpInfo::decode(bytes));
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
    return report(info, RichText);
}

namespace {

// Numbers go straight into the report: this runs on every load, and a temporary string per
// number would cost more than reading the file.
void appendDecimal(QString &text, quint64 value)
{
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value);
    while (n)
        text += QChar(digits[--n]);
}

void appendHex(QString &text, quint8 value) // "%X": E3, or 5 without a leading zero
{
    static const char16_t digits[] = u"0123456789ABCDEF";
    if (value >> 4)
        text += QChar(digits[value >> 4]);
    text += QChar(digits[value & 0xf]);
}

} // namespace

QString EepromDump::report(const DumpInfo &info, Markup markup)
{
    const QLatin1String br(markup == RichText ? "<br>" : "\n");
    if (info.problem == DumpInfo::CannotOpen)
        return QObject::tr("Err open file") + br;

    QString report;
    report.reserve(1024);
    report += QObject::tr("File size : ");
    appendDecimal(report, info.size);
    report += QLatin1Char(' ');
    report += QObject::tr("bytes");
    report += br;
    switch (info.problem) {
    case DumpInfo::WrongSize:
        return report + QObject::tr("Wrong file size") + br;
    case DumpInfo::IncompleteRead:
        return report + QObject::tr("Read error: the file could not be read completely") + br;
    case DumpInfo::UnknownEngine:
        return report + QObject::tr("Damaged file of not a Tavro firmware") + br;
    default:
        break;
    }

    report += QObject::tr("Product code : ");
    report += QLatin1String(info.productCodeText());
    report += br;
    report += QObject::tr("Engine type : ");
    report += QLatin1String(info.engineName());
    report += br;
    report += QObject::tr("MCU type : ");
    if (const char *mcu = info.mcuName())
        report += QLatin1String(mcu);
    else
        report += QObject::tr("Unknown");
    report += br;
    report += br;

    report += QObject::tr("EEPROM checksum:");
    report += QLatin1Char(' ');
    if (info.checksumOk()) {
        report += QObject::tr("OK");
    } else if (markup == RichText) {
        report += QLatin1String("<font color=\"red\">");
        report += QObject::tr("Error");
        report += QLatin1String("</font>");
    } else {
        report += QObject::tr("Error");
    }
    report += br;
    report += br;

    report += QObject::tr("Last error : ");
    if (info.lastError != 0)
        appendHex(report, info.lastError);
    else
        report += QObject::tr("None");
    report += br;
    report += br;

    report += QObject::tr("Error statistics : ");
    report += br;
    report += br;
    for (int i = 0; i < ErrorCount; ++i) {
        appendHex(report, quint8(0xE0 + i));
        report += QLatin1String(" - ");
        report += QObject::tr(DumpInfo::errorName(i));
        report += QLatin1String(": ");
        appendDecimal(report, info.errorStats[i]);
        report += br;
    }
    return report;
}

QByteArray EepromDump::cleaned(QByteArray image)
{
    std::fill_n(image.begin(), std::min<qsizetype>(VariableBlockSize, image.size()), '\0');
    return image;
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
    const QByteArray copy = cleaned(data);
    const FileIo::SaveResult saved = FileIo::save(path, copy);
    if (why)
        *why = saved.error;
    if (!saved.ok)
        return false;
    data = copy;
    return true;
}
