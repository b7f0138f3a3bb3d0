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

QString EepromDump::report(const DumpInfo &info, Markup markup)
{
    const QLatin1String br(markup == RichText ? "<br>" : "\n");
    if (info.problem == DumpInfo::CannotOpen)
        return QObject::tr("Err open file") + br;

    QString report;
    report.reserve(720);
    report += QObject::tr("File size : ") + QString::number(info.size) + QLatin1Char(' ') +
              QObject::tr("bytes") + br;
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

    report += QObject::tr("Product code : ") + QLatin1String(info.productCodeText()) + br;
    report += QObject::tr("Engine type : ") + QLatin1String(info.engineName()) + br;
    report += QObject::tr("MCU type : ");
    const char *mcu = info.mcuName();
    report += (mcu ? QString(QLatin1String(mcu)) : QObject::tr("Unknown")) + br + br;

    report += QObject::tr("EEPROM checksum:") + QLatin1Char(' ');
    if (info.checksumOk())
        report += QObject::tr("OK");
    else if (markup == RichText)
        report +=
            QLatin1String("<font color=\"red\">") + QObject::tr("Error") + QLatin1String("</font>");
    else
        report += QObject::tr("Error");
    report += br + br;

    report += QObject::tr("Last error : ");
    if (info.lastError != 0)
        report += QString::number(info.lastError, 16).toUpper() + br;
    else
        report += QObject::tr("None") + br;
    report += br;

    report += QObject::tr("Error statistics : ") + br + br;
    for (int i = 0; i < ErrorCount; ++i) {
        report += QString::number(0xE0 + i, 16).toUpper() + QLatin1String(" - ") +
                  QObject::tr(DumpInfo::errorName(i)) + QLatin1String(": ") +
                  QString::number(info.errorStats[i]) + br;
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
