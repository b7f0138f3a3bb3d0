// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "imagefile.h"
#include "testimage.h"

#include <QtTest>

// The files device programmers write, read strictly: an image only when the records give each
// byte once, else refused with the line and the reason; written back as they were laid out.
class TestImageFile : public QObject
{
    Q_OBJECT

private slots:
    void firstRecords();
    void decode_data();
    void decode();
};

namespace {

ImageFormat formatOf(ImageFormat::Kind kind)
{
    ImageFormat format;
    format.kind = kind;
    return format;
}

const QByteArray hex = ImageFile::encode(TestImage::valid(), formatOf(ImageFormat::IntelHex));
const QByteArray srec = ImageFile::encode(TestImage::valid(), formatOf(ImageFormat::SRecord));

// `text` with its line `number` (from 1) replaced by `line`, or removed when `line` is empty.
QByteArray withLine(const QByteArray &text, int number, const QByteArray &line)
{
    QList<QByteArray> lines = text.split('\n');
    if (line.isEmpty())
        lines.removeAt(number - 1);
    else
        lines[number - 1] = line + '\r';
    return lines.join('\n');
}

// A record with a right checksum: Intel HEX's after ':', an S-record's after its mark.
QByteArray record(const QByteArray &bytes, const char *mark = ":")
{
    uchar sum = 0;
    for (const char byte : bytes)
        sum = uchar(sum + uchar(byte));
    const char check = qstrcmp(mark, ":") == 0 ? char(-sum) : char(~sum);
    return mark + (bytes + check).toHex().toUpper();
}

QByteArray address(int offset, int size)
{
    return QByteArray::fromHex(QByteArray::number(offset, 16).rightJustified(2 * size, '0'));
}

} // namespace

// The writer's lines, checked against a record worked out by hand.
void TestImageFile::firstRecords()
{
    QCOMPARE(hex.left(45), QByteArray(":10000000030A11181F262D343B424950575E656C78\r\n"));
    QVERIFY(hex.endsWith("\r\n:00000001FF\r\n"));
    QCOMPARE(hex.count('\n'), 33);
    QCOMPARE(srec.left(44), QByteArray("S1130000030A11181F262D343B424950575E656C74\r\n"));
    QVERIFY(srec.endsWith("\r\nS9030000FC\r\n"));
}

void TestImageFile::decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("refusal"); // empty: the valid image, and written back the same
    const QString none;
    QTest::newRow("Intel HEX") << hex << none;
    QByteArray lowerCase;
    QByteArray laidOut = record(QByteArray::fromHex("030000"), "S0") + '\n';
    for (int offset = 0; offset < 512; offset += 32) {
        const QByteArray data = TestImage::valid().mid(offset, 32);
        lowerCase += record('\x20' + address(offset, 2) + '\0' + data).toLower() + '\n';
        laidOut += record('\x24' + address(offset, 3) + data, "S2") + '\n';
    }
    QTest::newRow("Intel HEX, 32-byte records, lower case, LF") << lowerCase + ":00000001ff\n"
                                                                << none;
    const QByteArray end = ":00000001FF\r\n";
    QTest::newRow("Intel HEX, linear base and start address")
        << QByteArray(record(QByteArray::fromHex("020000040000")) + "\r\n" + hex)
               .replace(end, record(QByteArray::fromHex("0400000500001234")) + "\r\n" + end)
        << none;
    QTest::newRow("S-record") << srec << none;
    QTest::newRow("S-record: header, S2 records, count and S8 end")
        << laidOut + record(QByteArray::fromHex("030010"), "S5") + '\n' +
               record(QByteArray::fromHex("04000000"), "S8") + '\n'
        << none;
    QTest::newRow("512 bytes that start like a record are binary")
        << QByteArray(":10000000").append(QByteArray(503, '0')) << none;
    QTest::newRow("other text is binary of the wrong size") << QByteArray("S1 is a size\n") << none;

    QTest::newRow("checksum") << withLine(hex, 17, ":100100000B1B2C3D1F262D343B424950575E656C1F")
                              << QStringLiteral("line 17: checksum 0x1F, expected 0x1E");
    QTest::newRow("last quarter missing") << hex.left(24 * 45) + ":00000001FF\r\n"
                                          << QStringLiteral("addresses 384–511 missing");
    QTest::newRow("one byte missing")
        << withLine(hex, 2,
                    record(QByteArray::fromHex("0F001000") + TestImage::valid().mid(16, 15)))
        << QStringLiteral("address 31 missing");
    QTest::newRow("a record twice")
        << hex.left(45) + hex << QStringLiteral("line 2: address 0 was given before, on line 1");
    QTest::newRow("beyond the image")
        << withLine(hex, 33, record(QByteArray::fromHex("0102000000"))) + ":00000001FF\r\n"
        << QStringLiteral("line 33: address 512 is beyond the 512-byte image");
    QTest::newRow("segment base moves the data away")
        << record(QByteArray::fromHex("020000020020")) + "\r\n" + hex
        << QStringLiteral("line 2: address 512 is beyond the 512-byte image");
    QTest::newRow("no end record")
        << hex.left(32 * 45) << QStringLiteral("the end record (:00000001FF) is missing");
    QTest::newRow("text after the end") << hex + "\r\n\r\n:00000001FF\r\n"
                                        << QStringLiteral("line 36: text after the end record");
    QTest::newRow("not a digit") << withLine(hex, 2, ":1000100G")
                                 << QStringLiteral(
                                        "line 2: the character \"G\" is not a hexadecimal "
                                        "digit");
    QTest::newRow("a control character")
        << withLine(hex, 2, QByteArray(":10001000\x1a"))
        << QStringLiteral("line 2: the byte 0x1A is not a hexadecimal digit");
    QTest::newRow("odd digits") << withLine(hex, 3, ":100020000")
                                << QStringLiteral("line 3: an odd number of hexadecimal digits");
    QTest::newRow("too short") << withLine(hex, 3, ":0000")
                               << QStringLiteral(
                                      "line 3: a record of 2 bytes is too short: it needs 5");
    QTest::newRow("count does not match")
        << withLine(hex, 3, record(QByteArray::fromHex("0200200000")))
        << QStringLiteral("line 3: the record announces 2 data bytes but holds 1");
    QTest::newRow("unknown type") << withLine(hex, 3, record(QByteArray::fromHex("00000006")))
                                  << QStringLiteral("line 3: unknown record type 06");
    QTest::newRow("end record with data")
        << withLine(hex, 33, record(QByteArray::fromHex("0100000100")))
        << QStringLiteral("line 33: the end record holds data");
    QTest::newRow("blank line inside")
        << withLine(hex, 5, "").insert(4 * 45, "\r\n" + hex.mid(4 * 45, 45))
        << QStringLiteral("line 5: it does not start with \":\", as an Intel HEX record does");

    QTest::newRow("S-record checksum")
        << withLine(srec, 1, "S1130000030A11181F262D343B424950575E656C75")
        << QStringLiteral("line 1: checksum 0x75, expected 0x74");
    QTest::newRow("S-record count record")
        << QByteArray(srec).replace("S9030000FC", "S5030003F9\r\nS9030000FC")
        << QStringLiteral("line 33: the count record says 3 data records, but 32 come before it");
    QTest::newRow("S4") << withLine(srec, 2, "S4030000FC")
                        << QStringLiteral("line 2: unknown record type S4");
    QTest::newRow("header after the first line")
        << withLine(srec, 2, "S0030000FC")
        << QStringLiteral("line 2: a header record (S0) after "
                          "the first line");
    QTest::newRow("S-record without its end") << srec.left(srec.lastIndexOf("S9"))
                                              << QStringLiteral("the end record (S7, S8 or S9) is "
                                                                "missing");
    QTest::newRow("S-record with a gap")
        << withLine(srec, 10, "") << QStringLiteral("addresses 144–159 missing");
    QTest::newRow("S-record short of its count")
        << withLine(srec, 4, "S113")
        << QStringLiteral("line 4: the record announces 19 "
                          "bytes after its count but holds 0");
}

void TestImageFile::decode()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, refusal);
    const ImageFile::Decoded decoded = ImageFile::decode(text);
    QCOMPARE(decoded.refusal, refusal);
    if (!refusal.isEmpty()) {
        QVERIFY(decoded.bytes.isEmpty());
        return;
    }
    if (decoded.format.kind == ImageFormat::Binary) {
        QCOMPARE(decoded.bytes, text);
        return;
    }
    QCOMPARE(decoded.bytes, TestImage::valid());
    // Written back: the same text, and a binary round trip the same bytes.
    QCOMPARE(ImageFile::encode(decoded.bytes, decoded.format), text);
    const QByteArray binary = ImageFile::encode(decoded.bytes, formatOf(ImageFormat::Binary));
    QCOMPARE(ImageFile::decode(binary).bytes, decoded.bytes);
}

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
