#include "catalogue.h"
#include "guardedbytes.h"
#include "testsupport.h"

#include <QProcess>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtEndian>

// The German catalogue must translate every text that the sources pass through translation.
// lupdate merges the sources into a copy of the catalogue: a text the catalogue lacks comes out
// unfinished, and one it has but the sources dropped comes out vanished.
class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextIsTranslated();
    void aboutTextKeepsVersionMarkers();
    void compiledCatalogueLoads();
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
        QString translation;
        QString type;
    };
    QList<Message> messages;
    QByteArray compiled;
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

} // namespace

void TestCatalogue::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString merged = dir.filePath(QStringLiteral("merged.ts"));
    QVERIFY(QFile::copy(QStringLiteral(TAVRO_TS_FILE), merged));
    QFile::setPermissions(merged, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    const QString sources = QStringLiteral(TAVRO_SOURCE_DIR);
    lupdate.start(QStringLiteral(TAVRO_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"),
                   sources + QStringLiteral("/app"), sources + QStringLiteral("/dump"),
                   sources + QStringLiteral("/window"), QStringLiteral("-ts"), merged});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());

    QFile file(merged);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, QString(), QString(), QString()};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages.size() > 40);

    compiled = TestImage::read(QStringLiteral(TAVRO_QM_FILE));
    QVERIFY(compiled.size() > 1000);
}

void TestCatalogue::everyTextIsTranslated()
{
    QStringList problems;
    for (const Message &m : std::as_const(messages)) {
        if (m.context != QLatin1String("MainWindow") && m.context != QLatin1String("QObject"))
            problems << QStringLiteral("unexpected context %1: %2").arg(m.context, m.source);
        else if (!m.type.isEmpty())
            problems << QStringLiteral("%1 in %2: %3").arg(m.type, m.context, m.source);
        else if (m.translation.isEmpty())
            problems << QStringLiteral("empty translation in %1: %2").arg(m.context, m.source);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestCatalogue::aboutTextKeepsVersionMarkers()
{
    int abouts = 0;
    for (const Message &m : std::as_const(messages)) {
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
    QVERIFY(Catalogue::isWellFormed(compiled));
    Catalogue catalogue;
    QVERIFY(catalogue.loadChecked(QStringLiteral(TAVRO_QM_FILE)));
    for (const Message &m : std::as_const(messages)) {
        QCOMPARE(catalogue.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                 m.translation);
    }
}

// Every single-byte change of the catalogue, as a bad sector or a broken copy makes them: Qt
// accepts most of them and then follows whatever offsets they hold when it translates. Those
// the check lets through must be harmless to look texts up in: the copy ends at an inaccessible
// page, so a lookup that reads past it crashes the test.
void TestCatalogue::damagedCatalogueNeverCrashesLookups()
{
    QList<QByteArray> sources;
    for (const Message &m : std::as_const(messages))
        sources << m.context.toUtf8() << m.source.toUtf8();
    sources << QByteArray("QFileDialog") << QByteArray("Open"); // a context it does not hold

    int edits = 0;
    int refused = 0;
    for (int at = 0; at < compiled.size(); ++at) {
        const char original = compiled.at(at);
        for (const char value : {char(0x00), char(0xff), char(original ^ 0x80)}) {
            if (value == original)
                continue;
            QByteArray damaged = compiled;
            damaged[at] = value;
            ++edits;
            if (!Catalogue::isWellFormed(damaged)) {
                ++refused;
                continue;
            }
            const GuardedBytes guarded(damaged);
            QTranslator translator;
            if (!translator.load(guarded.data(), guarded.size()))
                continue;
            for (int i = 0; i + 1 < sources.size(); i += 2)
                translator.translate(sources.at(i).constData(), sources.at(i + 1).constData());
        }
    }
    qInfo("%d single-byte edits, %d refused", edits, refused);
    QVERIFY(refused > 0);
    QVERIFY(refused < edits); // edits of the texts themselves are harmless and pass
}

void TestCatalogue::malformedCataloguesRefused_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    const QByteArray good = TestImage::read(QStringLiteral(TAVRO_QM_FILE));
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

// Which catalogue a user gets: `langQm` is what lies beside the program ("", "good" or
// "damaged"), `installed` the files in the translations folder as language=kind, where a good
// one is the German catalogue under that language's name.
void TestCatalogue::chosenByLanguage_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("langQm");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("loaded");

    const QStringList german{QStringLiteral("de=good")};
    const auto list = [](const char *names) {
        return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QTest::newRow("German user") << list("de-DE de-Latn-DE de") << QString() << german << true;
    QTest::newRow("English user") << list("en-GB en-Latn-GB") << QString() << german << false;
    QTest::newRow("LANG=C") << list("C") << QString() << german << false;
    QTest::newRow("no languages at all") << QStringList() << QString() << german << false;
    QTest::newRow("first language without a catalogue")
        << list("pt-BR pt de") << QString() << german << true;
    QTest::newRow("English listed before German") << list("en de") << QString() << german << false;
    QTest::newRow("nothing installed") << list("de-DE de") << QString() << QStringList() << false;
    QTest::newRow("damaged one skipped for the next language")
        << list("pl de") << QString() << list("pl=damaged de=good") << true;
    QTest::newRow("only a damaged one") << list("de") << QString() << list("de=damaged") << false;
    QTest::newRow("not a language code") << list("..") << QString() << list("..=good") << false;
    QTest::newRow("lang.qm wins over the user's language")
        << list("en-GB") << QStringLiteral("good") << QStringList() << true;
    QTest::newRow("a damaged lang.qm leaves the program English")
        << list("de") << QStringLiteral("damaged") << german << false;
}

void TestCatalogue::chosenByLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, langQm);
    QFETCH(QStringList, installed);
    QFETCH(bool, loaded);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("program"));
    const QString translations = folder.filePath(QStringLiteral("translations"));
    QVERIFY(QDir().mkpath(program) && QDir().mkpath(translations));
    const QByteArray damaged = compiled + section(0x2f, QByteArray(4, '\0'));
    const auto contents = [&](const QString &kind) {
        return kind == QLatin1String("good") ? compiled : damaged;
    };
    if (!langQm.isEmpty())
        QVERIFY(TestImage::write(program + QLatin1String("/lang.qm"), contents(langQm)));
    for (const QString &file : std::as_const(installed)) {
        const QString language = file.section(QLatin1Char('='), 0, 0);
        QVERIFY(TestImage::write(translations + QLatin1String("/tavro_") + language +
                                     QLatin1String(".qm"),
                                 contents(file.section(QLatin1Char('='), 1))));
    }

    Catalogue catalogue;
    QCOMPARE(catalogue.loadFor(program, translations, languages), loaded);
    QCOMPARE(catalogue.translate("MainWindow", "Load..."),
             loaded ? QStringLiteral("Laden...") : QString());
}

TAVRO_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
