// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "eepromdump.h"
#include "imagefile.h"
#include "testimage.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Loading, checking and reporting of board images.
class TestEepromDump : public QObject
{
    Q_OBJECT

private slots:
    void fullReport();
    void decodedFields();
    void failures_data();
    void failures();
    void fields_data();
    void fields();
    void checksumCoverage();
    void notARegularFile_data();
    void notARegularFile();
    void wrongLengthIsNotKept();
    void largeSparseFileIsNotRead();
};

namespace {

const QString validReport = QStringLiteral(
    "File size : 512 bytes<br>Product code : 0a1b2c3d<br>Engine type : C.E.Set. Srl<br>"
    "MCU type : Tavro 02 C0 141 C48<br><br>EEPROM checksum: OK<br><br>Last error : E3<br><br>"
    "Error statistics : <br><br>"
    "E0 - MCU fail 1: 1<br>E1 - Door lock fail: 2<br>E2 - Inlet valve fail: 3<br>"
    "E3 - No drain: 4<br>E4 - Pressure switch fail: 5<br>E5 - NTC fail: 6<br>"
    "E6 - MCU fail 2: 7<br>E7 - Motor fail: 8<br>E8 - Tacho fail: 9<br>E9 - Triac error: 10<br>"
    "EA - Selector error: 11<br>EB - Dryer fail: 12<br>EC - Connection error 1: 13<br>"
    "ED - Connection error 2: 14<br>");

QByteArray changed(QByteArray image, int offset, quint8 value, bool fix = true)
{
    image[offset] = static_cast<char>(value);
    if (fix)
        TestImage::fixChecksum(image);
    return image;
}

} // namespace

void TestEepromDump::fullReport()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("board.bin"));
    QVERIFY(TestImage::write(path, TestImage::valid()));

    EepromDump dump;
    QCOMPARE(dump.load(path), validReport);
    QCOMPARE(dump.error, quint8(0));
    QCOMPARE(dump.size, quint64(512));
    QCOMPARE(dump.data, TestImage::valid());
}

void TestEepromDump::decodedFields()
{
    EepromDump dump;
    dump.loadImage(TestImage::valid());
    QCOMPARE(dump.productCode, quint32(0x3D2C1B0A));
    QCOMPARE(dump.engineType, quint16(0x2124));
    QCOMPARE(dump.mcuType, quint16(0xBC42));
    QCOMPARE(dump.lastError, quint8(0xE3));
    for (int i = 0; i < EepromDump::ErrorCount; ++i)
        QCOMPARE(dump.errorStats[i], quint8(i + 1));
}

void TestEepromDump::failures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("report");

    const QString damaged =
        QStringLiteral("File size : 512 bytes<br>Damaged file of not a Tavro firmware<br>");
    QTest::newRow("empty") << QByteArray()
                           << QStringLiteral("File size : 0 bytes<br>Wrong file size<br>");
    QTest::newRow("100 bytes") << QByteArray(100, 'x')
                               << QStringLiteral("File size : 100 bytes<br>Wrong file size<br>");
    QTest::newRow("511 bytes") << TestImage::valid().left(511)
                               << QStringLiteral("File size : 511 bytes<br>Wrong file size<br>");
    QTest::newRow("513 bytes") << TestImage::valid() + 'x'
                               << QStringLiteral("File size : 513 bytes<br>Wrong file size<br>");
    QTest::newRow("all zero") << QByteArray(512, '\0') << damaged;
    QTest::newRow("engine 0x2125") << changed(TestImage::valid(), 496, 0x25) << damaged;
    QTest::newRow("engine bytes swapped")
        << changed(changed(TestImage::valid(), 496, 0x21), 497, 0x24) << damaged;
    QTest::newRow("engine 0x292D")
        << changed(changed(TestImage::valid(), 496, 0x2D), 497, 0x29) << damaged;
    // Records beyond the longest text that is read: not read at all.
    const QByteArray line(":10000000030A11181F262D343B424950575E656C78\r\n");
    QTest::newRow("a text one byte longer than is read")
        << line.repeated(int(ImageFile::MaxTextSize / quint64(line.size())) + 1)
               .left(qsizetype(ImageFile::MaxTextSize) + 1)
        << QStringLiteral("File size : 1048577 bytes<br>Wrong file size<br>");
    // A programmer's text refused: its line and reason, a quoted "<" shown as such.
    ImageFormat intelHex;
    intelHex.kind = ImageFormat::IntelHex;
    QTest::newRow("Intel HEX with a stray character")
        << ImageFile::encode(TestImage::valid(), intelHex).replace(47, 1, "<")
        << QStringLiteral("File size : 1453 bytes<br>line 2: the character &quot;&lt;&quot; is not "
                          "a hexadecimal digit<br>");
}

void TestEepromDump::failures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, report);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("dump.eep"));
    QVERIFY(TestImage::write(path, bytes));

    EepromDump dump;
    QCOMPARE(dump.load(path), report);
    QCOMPARE(dump.error, quint8(1));
    QCOMPARE(dump.size, quint64(bytes.size()));

    // The next good load clears the flag again.
    QCOMPARE(dump.loadImage(TestImage::valid()), validReport);
    QCOMPARE(dump.error, quint8(0));
}

void TestEepromDump::fields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");

    const QByteArray valid = TestImage::valid();
    QByteArray sole = changed(changed(valid, 496, 0x2C), 497, 0x29);
    QTest::newRow("engine SOLE") << sole << QStringLiteral("Engine type : SOLE<br>MCU");
    QTest::newRow("MCU 0000") << changed(changed(valid, 507, 0), 508, 0)
                              << QStringLiteral("MCU type : Tavro 01 A0052-25<br><br>EEPROM");
    QTest::newRow("MCU bytes BC 42") << changed(changed(valid, 507, 0xBC), 508, 0x42)
                                     << QStringLiteral("MCU type : Unknown<br><br>EEPROM");
    QTest::newRow("MCU 0001") << changed(changed(valid, 507, 0x01), 508, 0)
                              << QStringLiteral("MCU type : Unknown<br><br>EEPROM");

    QByteArray swapped = valid;
    const quint16 sum = TestImage::checksumOf(valid);
    TestImage::setWord(swapped, 509, static_cast<quint16>((sum << 8) | (sum >> 8)));
    QVERIFY((sum >> 8) != (sum & 0xff));
    QTest::newRow("checksum bytes swapped")
        << swapped
        << QStringLiteral("EEPROM checksum: <font color=\"red\">Error</font><br><br>Last error");

    QTest::newRow("last error none")
        << changed(valid, 254, 0) << QStringLiteral("Last error : None<br><br>Error statistics");
    QTest::newRow("last error 5") << changed(valid, 254, 0x05)
                                  << QStringLiteral("Last error : 5<br><br>Error statistics");
    QTest::newRow("last error FF")
        << changed(valid, 254, 0xFF) << QStringLiteral("Last error : FF<br><br>");
    QTest::newRow("counter 255") << changed(valid, 173, 255)
                                 << QStringLiteral("<br>ED - Connection error 2: 255<br>");
    QTest::newRow("counter 0") << changed(valid, 160, 0)
                               << QStringLiteral("<br><br>E0 - MCU fail 1: 0<br>E1 - ");
    QByteArray product = valid;
    product.replace(256, 4, QByteArray::fromHex("ff000180"));
    TestImage::fixChecksum(product);
    QTest::newRow("product code") << product << QStringLiteral("Product code : ff000180<br>");
}

void TestEepromDump::fields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);

    EepromDump dump;
    const QString report = dump.loadImage(bytes);
    QVERIFY2(report.contains(line), qPrintable(report));
    QCOMPARE(dump.error, quint8(0));
    QVERIFY(report.endsWith(QLatin1String("<br>")));
    QCOMPARE(report.count(QLatin1String(" - ")), EepromDump::ErrorCount);
}

void TestEepromDump::checksumCoverage()
{
    const QByteArray valid = TestImage::valid();
    const QString ok = QStringLiteral("EEPROM checksum: OK<br>");
    const QString bad = QStringLiteral("EEPROM checksum: <font color=\"red\">Error</font><br>");
    EepromDump dump;
    QVERIFY(dump.loadImage(valid).contains(ok));

    for (int offset = 0; offset < 512; ++offset) {
        const QByteArray image = changed(valid, offset, quint8(valid.at(offset) ^ 0x55), false);
        const QString report = dump.loadImage(image);
        const QByteArray where = "offset " + QByteArray::number(offset);
        if (offset == 496 || offset == 497) {
            QVERIFY2(dump.error && !report.contains(QLatin1String("checksum")), where);
        } else if (offset >= 256 && offset <= 510) {
            QVERIFY2(report.contains(bad), where);
            QVERIFY2(!dump.error, where);
        } else {
            QVERIFY2(report.contains(ok), where);
        }
    }
}

void TestEepromDump::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("device") << QStringLiteral("device");
}

void TestEepromDump::notARegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QString path = dir.filePath(kind);
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(kind));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("device"))
        path = QStringLiteral("/dev/zero");

    // A record that never loaded an image holds none.
    EepromDump fresh;
    QCOMPARE(fresh.load(path), QStringLiteral("Err open file<br>"));
    QCOMPARE(fresh.size, quint64(0));
    EepromDump dump;
    dump.loadImage(TestImage::valid());
    // A FIFO without a writer would block here for ever if it were opened.
    QCOMPARE(dump.load(path), QStringLiteral("Err open file<br>"));
    QCOMPARE(dump.error, quint8(1));
    QCOMPARE(dump.data, TestImage::valid());
    QCOMPARE(dump.size, quint64(512));
}

void TestEepromDump::wrongLengthIsNotKept()
{
    EepromDump dump;
    dump.loadImage(TestImage::valid());
    dump.loadImage(QByteArray(600, 'x'));
    QCOMPARE(dump.error, quint8(1));
    QCOMPARE(dump.size, quint64(600));
    QVERIFY(dump.data.isEmpty());
}

void TestEepromDump::largeSparseFileIsNotRead()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    const QString path = dir.filePath(QStringLiteral("huge.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const qint64 length = Q_INT64_C(3221225472); // 3 GiB, sparse: no disk space is used
    if (!file.resize(length))
        QSKIP("This file system cannot hold a sparse 3 GiB file");
    file.close();

    EepromDump dump;
    dump.loadImage(TestImage::valid());
    QCOMPARE(dump.load(path),
             QStringLiteral("File size : 3221225472 bytes<br>Wrong file size<br>"));
    QCOMPARE(dump.error, quint8(1));
    QCOMPARE(dump.size, quint64(length));
    QVERIFY(dump.data.isEmpty());
}

QTEST_GUILESS_MAIN(TestEepromDump)
#include "tst_eepromdump.moc"
