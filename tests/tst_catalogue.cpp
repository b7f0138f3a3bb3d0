#include "testsupport.h"

#include <QProcess>
#include <QXmlStreamReader>

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

private:
    struct Message
    {
        QString context;
        QString source;
        QString translation;
        QString type;
    };
    QList<Message> messages;
    QTemporaryDir dir;
};

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

TAVRO_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
