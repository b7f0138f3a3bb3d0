#include "eepromdump.h"

#include "fileio.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QPointer>

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
    int first = 20;
    do {
        digits[--first] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value);
    text.append(reinterpret_cast<const QChar *>(digits + first), 20 - first);
}

void appendHex(QString &text, quint8 value) // "%X": E3, or 5 without a leading zero
{
    static const char16_t digits[] = u"0123456789ABCDEF";
    const char16_t both[2] = {digits[value >> 4], digits[value & 0xf]};
    const int skip = (value >> 4) ? 0 : 1;
    text.append(reinterpret_cast<const QChar *>(both + skip), 2 - skip);
}

} // namespace

namespace {

// The report's translated texts.
struct ReportTexts
{
    QString errOpen, fileSize, bytes, wrongSize, readError, damaged, productCode, engineType,
        mcuType, unknown, checksum, ok, error, lastError, none, statistics;
    QString errorNames[DumpInfo::ErrorCount];

    void translate()
    {
        errOpen = QObject::tr("Err open file");
        fileSize = QObject::tr("File size : ");
        bytes = QObject::tr("bytes");
        wrongSize = QObject::tr("Wrong file size");
        readError = QObject::tr("Read error: the file could not be read completely");
        damaged = QObject::tr("Damaged file of not a Tavro firmware");
        productCode = QObject::tr("Product code : ");
        engineType = QObject::tr("Engine type : ");
        mcuType = QObject::tr("MCU type : ");
        unknown = QObject::tr("Unknown");
        checksum = QObject::tr("EEPROM checksum:");
        ok = QObject::tr("OK");
        error = QObject::tr("Error");
        lastError = QObject::tr("Last error : ");
        none = QObject::tr("None");
        statistics = QObject::tr("Error statistics : ");
        for (int i = 0; i < DumpInfo::ErrorCount; ++i)
            errorNames[i] = QObject::tr(DumpInfo::errorName(i));
    }
};

// Looking the texts up is most of the cost of a report, so they are looked up once per
// language. The application announces every change of its translators with a LanguageChange
// event, which this watches for. Used on the GUI thread only, as the report is.
class TextCache : public QObject
{
public:
    const ReportTexts &texts()
    {
        QCoreApplication *app = QCoreApplication::instance();
        if (app != watched) {
            if (app)
                app->installEventFilter(this);
            watched = app;
            stale = true;
        }
        if (stale) {
            values.translate();
            stale = false;
        }
        return values;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            stale = true;
        return false;
    }

private:
    QPointer<QCoreApplication> watched;
    bool stale = true;
    ReportTexts values;
};

const ReportTexts &reportTexts()
{
    static TextCache cache;
    return cache.texts();
}

} // namespace

QString EepromDump::report(const DumpInfo &info, Markup markup)
{
    const ReportTexts &text = reportTexts();
    const QStringView br = markup == RichText ? QStringView(u"<br>") : QStringView(u"\n");
    if (info.problem == DumpInfo::CannotOpen)
        return text.errOpen + br.toString();

    QString report;
    report.reserve(1024);
    report += text.fileSize;
    appendDecimal(report, info.size);
    report += u' ';
    report += text.bytes;
    report += br;
    switch (info.problem) {
    case DumpInfo::WrongSize:
        return report + text.wrongSize + br.toString();
    case DumpInfo::IncompleteRead:
        return report + text.readError + br.toString();
    case DumpInfo::UnknownEngine:
        return report + text.damaged + br.toString();
    default:
        break;
    }

    report += text.productCode;
    report += QLatin1String(info.productCodeText());
    report += br;
    report += text.engineType;
    report += QLatin1String(info.engineName());
    report += br;
    report += text.mcuType;
    if (const char *mcu = info.mcuName())
        report += QLatin1String(mcu);
    else
        report += text.unknown;
    report += br;
    report += br;

    report += text.checksum;
    report += u' ';
    if (info.checksumOk()) {
        report += text.ok;
    } else if (markup == RichText) {
        report += QStringView(u"<font color=\"red\">");
        report += text.error;
        report += QStringView(u"</font>");
    } else {
        report += text.error;
    }
    report += br;
    report += br;

    report += text.lastError;
    if (info.lastError != 0)
        appendHex(report, info.lastError);
    else
        report += text.none;
    report += br;
    report += br;

    report += text.statistics;
    report += br;
    report += br;
    for (int i = 0; i < ErrorCount; ++i) {
        appendHex(report, quint8(0xE0 + i));
        report += QStringView(u" - ");
        report += text.errorNames[i];
        report += QStringView(u": ");
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

bool EepromDump::clearAndSave(const QString &path, FileIo::SaveResult *outcome)
{
    // The image is cleared in a copy and kept only once the file is safely on disk, so a failed
    // save leaves both the target and the loaded image as they were.
    const QByteArray copy = cleaned(data);
    const FileIo::SaveResult saved =
        data.size() == ImageSize
            ? FileIo::save(path, copy)
            : FileIo::SaveResult{FileIo::SaveResult::Failed, QStringLiteral("no image loaded")};
    if (outcome)
        *outcome = saved;
    if (!saved.ok())
        return false;
    data = copy;
    return true;
}
