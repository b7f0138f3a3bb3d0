// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "catalogue.h"
#include "guardedbytes.h"
#include "testimage.h"

#include <QTemporaryDir>
#include <QtTest>

#include <QHash>
#include <QLibraryInfo>
#include <QProcess>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtEndian>

// Every catalogue must translate every text that the sources pass through translation. lupdate
// merges the sources into a copy of each: a text the catalogue lacks comes out unfinished, and one
// it has but the sources dropped comes out vanished. The checks of damaged catalogues use the
// German one.
class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated_data() { addCatalogues(); }
    void everyTextIsTranslated();
    void aboutTextKeepsVersionMarkers_data() { addCatalogues(); }
    void aboutTextKeepsVersionMarkers();
    void compiledCatalogueLoads_data() { addCatalogues(); }
    void compiledCatalogueLoads();
    void pluralForms_data();
    void pluralForms();
    void qtsOwnCatalogueLoads_data() { addCatalogues(); }
    void qtsOwnCatalogueLoads();
    void damagedCatalogueNeverCrashesLookups();
    void malformedCataloguesRefused_data();
    void malformedCataloguesRefused();
    void chosenByLanguage_data();
    void chosenByLanguage();

private:
    struct Message
    {
        QString context;
        QString source;
        QString comment; // the disambiguation of a source used with two meanings
        QString translation;
        QString type;
        bool numerus = false; // one of the plural forms of a text with a count
    };
    static void addCatalogues();
    static QString compiledPath(const QString &language);
    QList<Message> merged(const QString &language);

    QHash<QString, QList<Message>> messages; // by language
    QByteArray compiled;                     // the German catalogue
    QTemporaryDir dir;
};

namespace {

QByteArray section(quint8 tag, const QByteArray &body)
{
    QByteArray bytes(1, char(tag));
    bytes.append(char(body.size() >> 24)).append(char(body.size() >> 16));
    bytes.append(char(body.size() >> 8)).append(char(body.size()));
    return bytes + body;
}

// The placeholders %1 to %9 of a sentence, each as often as it occurs.
QStringList placeholders(const QString &text)
{
    QStringList found;
    for (qsizetype at = text.indexOf(QLatin1Char('%')); at >= 0 && at + 1 < text.size();
         at = text.indexOf(QLatin1Char('%'), at + 1)) {
        if (text.at(at + 1) >= QLatin1Char('1') && text.at(at + 1) <= QLatin1Char('9'))
            found << text.mid(at, 2);
    }
    found.sort();
    return found;
}

} // namespace

void TestCatalogue::addCatalogues()
{
    QTest::addColumn<QString>("language");
    const QStringList languages =
        QStringLiteral(TAVRO_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

QString TestCatalogue::compiledPath(const QString &language)
{
    return QStringLiteral(TAVRO_QM_DIR "/tavro_") + language + QLatin1String(".qm");
}

// The catalogue's messages as lupdate leaves them after merging the sources into a copy.
QList<TestCatalogue::Message> TestCatalogue::merged(const QString &language)
{
    QList<Message> found;
    const QString sources = QStringLiteral(TAVRO_SOURCE_DIR);
    const QString copy = dir.filePath(QStringLiteral("merged_%1.ts").arg(language));
    if (!QFile::copy(sources + QStringLiteral("/translations/tavro_%1.ts").arg(language), copy))
        return found;
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(TAVRO_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"),
                   sources + QStringLiteral("/app"), sources + QStringLiteral("/cli"),
                   sources + QStringLiteral("/dump"), sources + QStringLiteral("/report"),
                   sources + QStringLiteral("/storage"), sources + QStringLiteral("/window"),
                   QStringLiteral("-ts"), copy});
    if (!lupdate.waitForFinished(60000) || lupdate.exitStatus() != QProcess::NormalExit ||
        lupdate.exitCode() != 0) {
        qWarning("%s", lupdate.readAll().constData());
        return found;
    }

    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // A text with a count has one form per plural: each is checked as a sentence.
            QStringList forms;
            QString text;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == QLatin1String("translation"))) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
            }
            for (const QString &form : forms.isEmpty() ? QStringList(text) : forms) {
                message.translation = form;
                found.append(message);
            }
        }
    }
    if (xml.hasError())
        qWarning("%s: %s", qPrintable(language), qPrintable(xml.errorString()));
    return xml.hasError() ? QList<Message>() : found;
}

void TestCatalogue::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QStringList languages =
        QStringLiteral(TAVRO_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(languages.size(), 7);
    for (const QString &language : languages) {
        messages.insert(language, merged(language));
        QVERIFY2(messages.value(language).size() > 40, qPrintable(language));
    }

    compiled = TestImage::read(compiledPath(QStringLiteral("de")));
    QVERIFY(compiled.size() > 1000);
}

void TestCatalogue::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QStringList problems;
    for (const Message &m : messages.value(language)) {
        if (m.context != QLatin1String("MainWindow") && m.context != QLatin1String("QObject") &&
            m.context != QLatin1String("RecordText") && m.context != QLatin1String("tavro-cli") &&
            m.context != QLatin1String("SystemError"))
            problems << QStringLiteral("unexpected context %1: %2").arg(m.context, m.source);
        else if (!m.type.isEmpty())
            problems << QStringLiteral("%1 in %2: %3").arg(m.type, m.context, m.source);
        else if (m.translation.isEmpty())
            problems << QStringLiteral("empty translation in %1: %2").arg(m.context, m.source);
        // A value left out of a sentence, or one it does not have, is lost or shown as %N.
        else if (placeholders(m.source) != placeholders(m.translation))
            problems << QStringLiteral("placeholders differ: %1").arg(m.source);
        // The report and the status bar append a value right after these.
        else if (m.source.endsWith(QLatin1Char(' ')) != m.translation.endsWith(QLatin1Char(' ')))
            problems << QStringLiteral("blank at the end differs: %1").arg(m.source);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestCatalogue::aboutTextKeepsVersionMarkers()
{
    QFETCH(QString, language);
    int abouts = 0;
    for (const Message &m : messages.value(language)) {
        if (!m.source.contains(QLatin1String("TavroTool")))
            continue;
        ++abouts;
        QCOMPARE(m.translation.count(QLatin1String("v.")), 1);
        QCOMPARE(m.translation.count(QLatin1String("build")), 1);
        QVERIFY(m.translation.contains(QLatin1String(">v.  build <")));
    }
    QCOMPARE(abouts, 1);
}

// What lrelease made passes the check and, loaded from the checked bytes, translates every text.
void TestCatalogue::compiledCatalogueLoads()
{
    QFETCH(QString, language);
    QVERIFY(Catalogue::isWellFormed(TestImage::read(compiledPath(language))));
    Catalogue catalogue;
    QVERIFY(catalogue.loadChecked(compiledPath(language)));
    for (const Message &m : messages.value(language)) {
        const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8();
        const QByteArray comment = m.comment.toUtf8();
        const char *disambiguation = m.comment.isEmpty() ? nullptr : comment.constData();
        if (!m.numerus) {
            QCOMPARE(catalogue.translate(context.constData(), source.constData(), disambiguation),
                     m.translation);
            continue;
        }
        // Each plural form is the one for 1, 2 or 5 (one, few, many or other).
        QStringList chosen;
        for (const int n : {1, 2, 5})
            chosen << catalogue.translate(context.constData(), source.constData(), disambiguation,
                                          n);
        QVERIFY2(chosen.contains(m.translation), qPrintable(m.translation));
    }
}

// Each language's plural forms at 1, 2, 5 and 22, from its catalogue's own rules; English's
// from the forms compiled into the programs.
void TestCatalogue::pluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("forms");
    const auto row = [](const char *language, const char *context, const char *source,
                        const char *forms) {
        QTest::addRow("%s: %s", language, source)
            << QString::fromLatin1(language) << QByteArray(context) << QByteArray(source)
            << QString::fromUtf8(forms);
    };
    const char *const files = "%1 files";
    row("en", "tavro-cli", files, "1 file|2 files|5 files|22 files");
    row("de", "tavro-cli", files, "1 Datei|2 Dateien|5 Dateien|22 Dateien");
    row("es", "tavro-cli", files, "1 archivo|2 archivos|5 archivos|22 archivos");
    row("fr", "tavro-cli", files, "1 fichier|2 fichiers|5 fichiers|22 fichiers");
    row("it", "tavro-cli", files, "1 file|2 file|5 file|22 file");
    row("pl", "tavro-cli", files, "1 plik|2 pliki|5 plików|22 pliki");
    row("pl", "QObject", "File size : %1 bytes",
        "Rozmiar pliku: 1 bajt|Rozmiar pliku: 2 bajty|Rozmiar pliku: 5 bajtów|"
        "Rozmiar pliku: 22 bajty");
    row("pl", "tavro-cli", "%1 refused", "1 odrzucony|2 odrzucone|5 odrzuconych|22 odrzucone");
    row("ru", "tavro-cli", files, "1 файл|2 файла|5 файлов|22 файла");
    row("ru", "tavro-cli", "%1 written",
        "1 файл записан|2 файла записано|5 файлов записано|22 файла записано");
    row("tr", "tavro-cli", files, "1 dosya|2 dosya|5 dosya|22 dosya");
}

void TestCatalogue::pluralForms()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, context);
    QFETCH(QByteArray, source);
    QFETCH(QString, forms);
    Catalogue catalogue;
    QVERIFY(language == QLatin1String("en") ? catalogue.loadEnglishPlurals()
                                            : catalogue.loadChecked(compiledPath(language)));
    QStringList chosen;
    for (const int n : {1, 2, 5, 22})
        chosen << catalogue.translate(context.constData(), source.constData(), nullptr, n).arg(n);
    QCOMPARE(chosen.join(QLatin1Char('|')), forms);
}

// Qt's own catalogue for each of our languages, which the program installs beside ours for the
// file dialogs, passes the same check (it marks texts left untranslated in a way of its own).
void TestCatalogue::qtsOwnCatalogueLoads()
{
    QFETCH(QString, language);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    const QString path = folder + QStringLiteral("/qtbase_%1.qm").arg(language);
    if (!QFileInfo::exists(path))
        QSKIP("Qt's catalogues are not installed (qt6-translations-l10n, qttranslations5-l10n)");
    Catalogue catalogue;
    QVERIFY(catalogue.loadChecked(path));
    QVERIFY(!catalogue.translate("QPlatformTheme", "Cancel").isEmpty());
}

// Every single-byte change of the catalogue, as a bad sector or a broken copy makes them: Qt
// accepts most of them and then follows whatever offsets they hold when it translates. Those
// the check lets through must be harmless to look texts up in: the copy ends at an inaccessible
// page, so a lookup that reads past it crashes the test.
void TestCatalogue::damagedCatalogueNeverCrashesLookups()
{
    // Every eighth message of every context: a lookup walks the same hash table for any text,
    // and the whole catalogue looked up for each of some 130,000 edits takes minutes under a
    // sanitizer.
    QList<QByteArray> sources;
    const QList<Message> all = messages.value(QStringLiteral("de"));
    for (qsizetype i = 0; i < all.size(); i += 8)
        sources << all.at(i).context.toUtf8() << all.at(i).source.toUtf8();
    sources << QByteArray("QFileDialog") << QByteArray("Open"); // a context it does not hold

    int edits = 0;
    int refused = 0;
    // One guarded copy, each edit made in it and put back, rather than a copy for each edit.
    GuardedBytes guarded(compiled);
    const QByteArray damaged = QByteArray::fromRawData(guarded.bytes(), guarded.size());
    for (int at = 0; at < compiled.size(); ++at) {
        const char original = compiled.at(at);
        for (const char value : {char(0x00), char(0xff), char(original ^ 0x80)}) {
            if (value == original)
                continue;
            guarded.bytes()[at] = value;
            ++edits;
            if (!Catalogue::isWellFormed(damaged)) {
                ++refused;
                continue;
            }
            QTranslator translator;
            if (!translator.load(guarded.data(), guarded.size()))
                continue;
            for (int i = 0; i + 1 < sources.size(); i += 2)
                translator.translate(sources.at(i).constData(), sources.at(i + 1).constData());
        }
        guarded.bytes()[at] = original;
    }
    qInfo("%d single-byte edits, %d refused", edits, refused);
    QVERIFY(refused > 0);
    QVERIFY(refused < edits); // edits of the texts themselves are harmless and pass
}

void TestCatalogue::malformedCataloguesRefused_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    const QByteArray good = TestImage::read(compiledPath(QStringLiteral("de")));
    // Qt divides by the size of the context table and follows its offsets unchecked.
    QTest::newRow("context table of no buckets") << good + section(0x2f, QByteArray(4, '\0'));
    QTest::newRow("context offset past the table")
        << good + section(0x2f, QByteArray::fromHex("000100050141"));
    QTest::newRow("context name past the table")
        << good + section(0x2f, QByteArray::fromHex("000100010941"));
    // Other catalogues it names would be loaded from the disk unchecked.
    QTest::newRow("depends on another catalogue")
        << good + section(0x96, QByteArray::fromHex("00000004002f0078"));
    QTest::newRow("hash table of half an entry") << good + section(0x42, QByteArray(4, '\1'));
    // Qt finds a text by a binary search of the hashes, which must be in order.
    QTest::newRow("hashes out of order")
        << good + section(0x42, QByteArray::fromHex("00000002000000000000000100000000"));
    QTest::newRow("message without an end")
        << good + section(0x69, QByteArray::fromHex("0600000001"));
}

void TestCatalogue::malformedCataloguesRefused()
{
    QFETCH(QByteArray, catalogue);
    QVERIFY(!Catalogue::isWellFormed(catalogue));

    const QString path = dir.filePath(QStringLiteral("lang.qm"));
    QVERIFY(TestImage::write(path, catalogue));
    Catalogue translator;
    QVERIFY(!translator.loadChecked(path));
    QVERIFY(translator.isEmpty());
}

// Which catalogue a user gets: `langQm` is what lies beside the program ("", "de" or "damaged"),
// `installed` the files in the translations folder, each a language's own catalogue ("it") or a
// damaged one ("it=damaged"); `expected` is the translation of "Load..." then in use.
void TestCatalogue::chosenByLanguage_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("langQm");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    const auto list = [](const char *names) {
        return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    const QStringList all = list("de es fr it pl");
    const QString none;
    QTest::newRow("German user") << list("de-DE de-Latn-DE de") << none << all
                                 << QStringLiteral("Laden...");
    QTest::newRow("Italian user") << list("it-IT it-Latn-IT it") << none << all
                                  << QStringLiteral("Carica...");
    QTest::newRow("LANGUAGE=pl:de")
        << list("pl pl-Latn-PL pl-PL de de-DE") << none << all << QStringLiteral("Wczytaj...");
    QTest::newRow("first language without a catalogue")
        << list("pt-BR pt fr-FR") << none << all << QStringLiteral("Charger...");
    QTest::newRow("English user") << list("en-GB en-Latn-GB") << none << all << none;
    QTest::newRow("LANG=C") << list("C") << none << all << none;
    QTest::newRow("no languages at all") << QStringList() << none << all << none;
    QTest::newRow("English listed before German") << list("en de") << none << all << none;
    QTest::newRow("nothing installed") << list("de-DE de") << none << QStringList() << none;
    QTest::newRow("damaged one skipped for the next language")
        << list("pl es") << none << list("pl=damaged es") << QStringLiteral("Cargar...");
    QTest::newRow("only a damaged one") << list("de") << none << list("de=damaged") << none;
    QTest::newRow("not a language code") << list("..") << none << list("..=de") << none;
    QTest::newRow("lang.qm wins over the user's language")
        << list("it-IT it") << QStringLiteral("de") << all << QStringLiteral("Laden...");
    QTest::newRow("a damaged lang.qm leaves the program English")
        << list("de") << QStringLiteral("damaged") << all << none;
}

void TestCatalogue::chosenByLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, langQm);
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("program"));
    const QString translations = folder.filePath(QStringLiteral("translations"));
    QVERIFY(QDir().mkpath(program) && QDir().mkpath(translations));
    const auto contents = [this](const QString &kind) {
        return kind == QLatin1String("damaged") ? compiled + section(0x2f, QByteArray(4, '\0'))
                                                : TestImage::read(compiledPath(kind));
    };
    if (!langQm.isEmpty())
        QVERIFY(TestImage::write(program + QLatin1String("/lang.qm"), contents(langQm)));
    for (const QString &file : std::as_const(installed)) {
        const QString language = file.section(QLatin1Char('='), 0, 0);
        const QString kind =
            file.contains(QLatin1Char('=')) ? file.section(QLatin1Char('='), 1) : language;
        QVERIFY(TestImage::write(translations + QLatin1String("/tavro_") + language +
                                     QLatin1String(".qm"),
                                 contents(kind)));
    }

    Catalogue catalogue;
    QCOMPARE(catalogue.loadFor(program, translations, languages), !expected.isEmpty());
    QCOMPARE(catalogue.translate("MainWindow", "Load..."), expected);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
