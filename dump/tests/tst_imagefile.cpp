// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "imagefile.h"
#include "testimage.h"

#include <QTranslator>
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
    void tolerated_data();
    void tolerated();
    void countedRefusals_data();
    void countedRefusals();
};

namespace {

ImageFormat formatOf(ImageFormat::Kind kind)
{
    ImageFormat format;
    format.kind = kind;
    return format;
}

const QByteArray hexText = ImageFile::encode(TestImage::valid(), formatOf(ImageFormat::IntelHex));
const QByteArray srecText = ImageFile::encode(TestImage::valid(), formatOf(ImageFormat::SRecord));

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
    QCOMPARE(hexText.left(45), QByteArray(":10000000030A11181F262D343B424950575E656C78\r\n"));
    QVERIFY(hexText.endsWith("\r\n:00000001FF\r\n"));
    QCOMPARE(hexText.count('\n'), 33);
    QCOMPARE(srecText.left(44), QByteArray("S1130000030A11181F262D343B424950575E656C74\r\n"));
    QVERIFY(srecText.endsWith("\r\nS9030000FC\r\n"));
}

void TestImageFile::decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("refusal"); // empty: the valid image, and written back the same
    const QString none;
    QTest::newRow("Intel HEX") << hexText << none;
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
        << QByteArray(record(QByteArray::fromHex("020000040000")) + "\r\n" + hexText)
               .replace(end, record(QByteArray::fromHex("0400000500001234")) + "\r\n" + end)
        << none;
    QTest::newRow("S-record") << srecText << none;
    QTest::newRow("S-record: header, S2 records, count and S8 end")
        << laidOut + record(QByteArray::fromHex("030010"), "S5") + '\n' +
               record(QByteArray::fromHex("04000000"), "S8") + '\n'
        << none;
    QTest::newRow("512 bytes of record text are read as text")
        << QByteArray(":10000000").append(QByteArray(503, '0'))
        << QStringLiteral("line 1: an odd number of hexadecimal digits");
    QTest::newRow("a real image that starts like a record stays binary")
        << QByteArray(TestImage::valid()).replace(0, 45, hexText.left(45)) << none;
    QTest::newRow("a 512-byte image whose lines read as records stays binary")
        << hexText.left(495) + "x$!" + QByteArray(14, 'x') << none; // engine word 0x2124
    QTest::newRow("other text is binary of the wrong size") << QByteArray("S1 is a size\n") << none;

    QTest::newRow("checksum") << withLine(hexText, 17,
                                          ":100100000B1B2C3D1F262D343B424950575E656C1F")
                              << QStringLiteral("line 17: checksum 0x1F, expected 0x1E");
    QTest::newRow("last quarter missing") << hexText.left(24 * 45) + ":00000001FF\r\n"
                                          << QStringLiteral("addresses 0x0180–0x01FF missing");
    QTest::newRow("one byte missing")
        << withLine(hexText, 2,
                    record(QByteArray::fromHex("0F001000") + TestImage::valid().mid(16, 15)))
        << QStringLiteral("address 0x001F missing");
    QTest::newRow("a record twice")
        << hexText.left(45) + hexText
        << QStringLiteral("line 2: address 0x0000 was given before, on line 1");
    QTest::newRow("beyond the image")
        << withLine(hexText, 33, record(QByteArray::fromHex("0102000000"))) + ":00000001FF\r\n"
        << QStringLiteral("line 33: the image holds 513 bytes, a board's EEPROM holds 512");
    QTest::newRow("segment base moves the data away")
        << record(QByteArray::fromHex("020000020020")) + "\r\n" + hexText
        << QStringLiteral("line 2: the data starts at address 0x0200 instead of 0x0000");
    QTest::newRow("no end record")
        << hexText.left(32 * 45) << QStringLiteral("the end record (:00000001FF) is missing");
    QTest::newRow("text after the end") << hexText + "\r\n\r\n:00000001FF\r\n"
                                        << QStringLiteral("line 36: text after the end record");
    QTest::newRow("not a digit") << withLine(hexText, 2, ":1000100G")
                                 << QStringLiteral(
                                        "line 2: the character \"G\" is not a hexadecimal "
                                        "digit");
    QTest::newRow("a control character")
        << withLine(hexText, 2, QByteArray(":10001000\x1a"))
        << QStringLiteral("line 2: the byte 0x1A is not a hexadecimal digit");
    QTest::newRow("odd digits") << withLine(hexText, 3, ":100020000")
                                << QStringLiteral("line 3: an odd number of hexadecimal digits");
    QTest::newRow("too short") << withLine(hexText, 3, ":0000")
                               << QStringLiteral(
                                      "line 3: a record of 2 bytes is too short: it needs 5");
    QTest::newRow("count does not match")
        << withLine(hexText, 3, record(QByteArray::fromHex("0200200000")))
        << QStringLiteral("line 3: the record announces 2 data bytes but holds 1");
    QTest::newRow("unknown type") << withLine(hexText, 3, record(QByteArray::fromHex("00000006")))
                                  << QStringLiteral("line 3: unknown record type 06");
    QTest::newRow("end record with data")
        << withLine(hexText, 33, record(QByteArray::fromHex("0100000100")))
        << QStringLiteral("line 33: the end record must not hold data");

    QTest::newRow("S-record checksum")
        << withLine(srecText, 1, "S1130000030A11181F262D343B424950575E656C75")
        << QStringLiteral("line 1: checksum 0x75, expected 0x74");
    QTest::newRow("S-record count record")
        << QByteArray(srecText).replace("S9030000FC", "S5030003F9\r\nS9030000FC")
        << QStringLiteral("line 33: the count record says 3 data records, but 32 come before it");
    QTest::newRow("S4") << withLine(srecText, 2, "S4030000FC")
                        << QStringLiteral("line 2: unknown record type S4");
    QTest::newRow("header after the first line")
        << withLine(srecText, 2, "S0030000FC")
        << QStringLiteral("line 2: a header record (S0) after "
                          "the first line");
    QTest::newRow("S-record without its end") << srecText.left(srecText.lastIndexOf("S9"))
                                              << QStringLiteral("the end record (S7, S8 or S9) is "
                                                                "missing");
    QTest::newRow("S-record with a gap")
        << withLine(srecText, 10, "") << QStringLiteral("addresses 0x0090–0x009F missing");
    QTest::newRow("S-record short of its count")
        << withLine(srecText, 4, "S113")
        << QStringLiteral("line 4: the record announces 19 "
                          "bytes after its count but holds 0");

    // Each layout a programmer may choose, kept; each record that breaks the rules, refused.
    QByteArray wide = record(QByteArray::fromHex("0B000048444154412E5333"), "S0") + "\r\n";
    QByteArray segmented = record(QByteArray::fromHex("020000020000")) + "\r\n";
    for (int offset = 0; offset < 512; offset += 64) {
        const QByteArray data = TestImage::valid().mid(offset, 64);
        wide += record('\x45' + address(offset, 4) + data, "S3") + "\r\n";
        segmented += record('\x40' + address(offset, 2) + '\0' + data) + "\r\n";
    }
    QTest::newRow("S-record: header text, S3 records of 64 bytes, S7 end")
        << wide + record(QByteArray::fromHex("0500001234"), "S7") + "\r\n"
        << none;
    QTest::newRow("Intel HEX: segment base, 64-byte records")
        << segmented + record(QByteArray::fromHex("0400000300001000")) + "\r\n" + end << none;
    QTest::newRow("Intel HEX: start address first, as python-intelhex writes it")
        << record(QByteArray::fromHex("0400000500001234")) + "\r\n" + hexText << none;
    QTest::newRow("address record of 3 bytes")
        << record(QByteArray::fromHex("03000004000000")) + "\r\n" + hexText
        << QStringLiteral("line 1: an address record must hold 2 bytes, not 3");
    QTest::newRow("start address record of 2 bytes")
        << withLine(hexText, 33, record(QByteArray::fromHex("020000050000"))) + end
        << QStringLiteral("line 33: a start address record must hold 4 bytes, not 2");
    QByteArray halves;
    for (int line = 0; line < 32; line += 2)
        halves += hexText.split('\n').at(line) + '\n';
    QTest::newRow("every other record missing")
        << halves + end
        << QStringLiteral("addresses 0x0010–0x001F, 0x0030–0x003F, 0x0050–0x005F, 0x0070–0x007F, "
                          "… missing");
    QTest::newRow("data far beyond the image")
        << hexText.chopped(end.size()) + record(QByteArray::fromHex("020000040081")) + "\r\n" +
               record(QByteArray::fromHex("10000000") + QByteArray(16, '\0')) + "\r\n" + end
        << QStringLiteral("line 34: there is data at address 0x810000, beyond the 512 bytes of a "
                          "board's EEPROM");
    QTest::newRow("a blank inside a record")
        << withLine(hexText, 2, ":10001000 11181F262D343B424950575E656C737A81")
        << QStringLiteral("line 2: the byte 0x20 is not a hexadecimal digit");
    QTest::newRow("an S alone on the last line, without a line end")
        << srecText.left(srecText.lastIndexOf("S9")) + 'S'
        << QStringLiteral("line 33: an S-record starts with S and a digit");
    QTest::newRow("data in an S-record's end")
        << withLine(srecText, 33, record(QByteArray::fromHex("040000FF"), "S9"))
        << QStringLiteral("line 33: an S9 record must not hold data");
    QTest::newRow("an S1 record without data or address")
        << withLine(srecText, 2, record(QByteArray::fromHex("02AA"), "S1"))
        << QStringLiteral("line 2: an S1 record needs at least 3 bytes, not 2");
    QTest::newRow("an S-record without its count")
        << withLine(srecText, 2, "S1") << QStringLiteral("line 2: the record has no count");
    QTest::newRow("a stray line") << withLine(srecText, 2, ":00000001FF")
                                  << QStringLiteral(
                                         "line 2: an S-record starts with S and a digit");

    // srec_cat's own layout: the count record closes the file, without an end record.
    QByteArray srecCat = record(QByteArray::fromHex("0500006869"), "S0") + '\n';
    for (int offset = 0; offset < 512; offset += 32)
        srecCat +=
            record('\x23' + address(offset, 2) + TestImage::valid().mid(offset, 32), "S1") + '\n';
    const QByteArray count = record(QByteArray::fromHex("030010"), "S5") + '\n';
    QTest::newRow("S-record closed by its count, as srec_cat writes it") << srecCat + count << none;
    QTest::newRow("S-record closed by a count that is wrong")
        << withLine(srecCat, 3, "") + count
        << QStringLiteral("line 17: the count record says 16 data records, but 15 come before it");
    QTest::newRow("S-record with records after its count, and no end")
        << srecCat.left(15 + 8 * 75) + record(QByteArray::fromHex("030008"), "S5") + '\n' +
               srecCat.mid(15 + 8 * 75)
        << QStringLiteral("the end record (S7, S8 or S9) is missing");

    // Text is told by its lines, not by its first: each refused with its line.
    QTest::newRow("a comment first") << "# EEPROM of board 7\r\n" + hexText
                                     << QStringLiteral("line 1: an Intel HEX record starts with "
                                                       "\":\"");
    QTest::newRow("blanks before a record")
        << withLine(hexText, 3, " " + hexText.mid(2 * 45, 43))
        << QStringLiteral("line 3: an Intel HEX record starts with \":\"");
    QTest::newRow("a first line that is nearly a record")
        << withLine(srecText, 1, "S1130000030A11181F262D343B424950575E656CXX")
        << QStringLiteral("line 1: the character \"X\" is not a hexadecimal digit");
    QTest::newRow("padding, then text") << hexText + "\x1a:00000001FF\r\n"
                                        << QStringLiteral("line 34: text after the end record");

    QTest::newRow("as many HEX lines as S-records: the first decides")
        << hexText.left(45) + srecText.left(44)
        << QStringLiteral("line 2: an Intel HEX record starts with \":\"");
    QTest::newRow("a lone short record is text")
        << QByteArray(":10001000\r\n")
        << QStringLiteral("line 1: a record of 4 bytes is too short: it needs 5");
    QTest::newRow("half the lines records") << QByteArray("# board 7\r\n:00000001FF\r\n")
                                            << QStringLiteral("line 1: an Intel HEX record "
                                                              "starts with \":\"");
    QTest::newRow("a one-byte record given twice")
        << hexText.left(45) + record(QByteArray::fromHex("0100000003")) + "\r\n" + hexText.mid(45)
        << QStringLiteral("line 2: address 0x0000 was given before, on line 1");

    // A larger EEPROM, or data where a linker put it, said as a whole.
    ImageFormat hex = formatOf(ImageFormat::IntelHex);
    QTest::newRow("1 KiB in Intel HEX")
        << ImageFile::encode(QByteArray(1024, '\x11'), hex)
        << QStringLiteral("line 33: the image holds 1024 bytes, a board's EEPROM holds 512");
    QTest::newRow("2 KiB in S-records")
        << ImageFile::encode(QByteArray(2048, '\x11'), formatOf(ImageFormat::SRecord))
        << QStringLiteral("line 33: the image holds 2048 bytes, a board's EEPROM holds 512");
    hex.recordLength = 32;
    QTest::newRow("64 KiB in Intel HEX")
        << ImageFile::encode(QByteArray(65536, '\x11'), hex)
        << QStringLiteral("line 17: the image holds 65536 bytes, a board's EEPROM holds 512");
    QTest::newRow("data above the image, its first record twice")
        << record(QByteArray::fromHex("020000040081")) + "\r\n" + hexText.left(45) + hexText
        << QStringLiteral("line 2: the data starts at address 0x810000 instead of 0x0000");
    QByteArray shifted;
    for (int offset = 0; offset < 512; offset += 32)
        shifted +=
            record('\x20' + address(offset + 1, 2) + '\0' + TestImage::valid().mid(offset, 32)) +
            '\n';
    QTest::newRow("the image from address 1")
        << shifted + ":00000001FF\n"
        << QStringLiteral("line 1: the data starts at address 0x0001 instead of 0x0000");
    QTest::newRow("AVR EEPROM section at 0x810000")
        << record(QByteArray::fromHex("020000040081")) + "\r\n" + hexText
        << QStringLiteral("line 2: the data starts at address 0x810000 instead of 0x0000");
}

// What editors and old tools leave around the records: read, and left out of the copy.
void TestImageFile::tolerated_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("blank line inside")
        << withLine(hexText, 5, "").insert(4 * 45, "\r\n" + hexText.mid(4 * 45, 45)) << hexText;
    QTest::newRow("blank lines and a byte-order mark")
        << "\xef\xbb\xbf" + QByteArray(srecText).replace("\r\nS1", "\r\n \t\r\nS1") << srecText;
    QTest::newRow("blanks and tabs at line ends")
        << QByteArray(hexText).replace("\r\n", " \t\r\n") << hexText;
    QTest::newRow("CR alone ends the lines")
        << QByteArray(srecText).replace("\r\n", "\r") << srecText;
    QTest::newRow("^Z after the end") << hexText + "\x1a" << hexText;
    QTest::newRow("lower-case digits but one A: written in upper case")
        << hexText.toLower().replace(":10000000030a", ":10000000030A") << hexText;
    QTest::newRow("NULs after the end, without line end")
        << hexText.chopped(2) + QByteArray(300, '\0') << hexText;
    // A first S3 record, then S1 records longer than an S3 record can hold from 251 bytes on:
    // written back in S3 records as long, or of 16 bytes where they would not fit.
    const auto sRecords = [](int type, int from, int to, int length) {
        QByteArray text;
        for (int offset = from; offset < to; offset += length) {
            const QByteArray data = TestImage::valid().mid(offset, qMin(length, to - offset));
            text += record(char(data.size() + type + 2) + address(offset, type + 1) + data,
                           type == 1 ? "S1" : "S3") +
                    "\r\n";
        }
        return text;
    };
    const QByteArray end = "S9030000FC\r\n";
    QTest::newRow("S1 records of 250 bytes after an S3")
        << sRecords(3, 0, 16, 16) + sRecords(1, 16, 512, 250) + end
        << sRecords(3, 0, 512, 250) + end;
    QTest::newRow("S1 records of 251 bytes after an S3")
        << sRecords(3, 0, 16, 16) + sRecords(1, 16, 512, 251) + end
        << sRecords(3, 0, 512, 16) + end;
}

void TestImageFile::tolerated()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    const ImageFile::Decoded decoded = ImageFile::decode(text);
    QVERIFY(decoded.refusal.isEmpty());
    QCOMPARE(decoded.bytes, TestImage::valid());
    QCOMPARE(ImageFile::encode(decoded.bytes, decoded.format), written);
}

void TestImageFile::decode()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, refusal);
    const ImageFile::Decoded decoded = ImageFile::decode(text);
    QCOMPARE(decoded.refusal.text(), refusal);
    QCOMPARE(decoded.refusal.englishText(), refusal); // no catalogue here
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

// A refusal that counts agrees with its count, here in Polish, which has three plural forms.
void TestImageFile::countedRefusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("refusal");
    for (const int size : {1024, 1042}) {
        QTest::addRow("%d bytes", size)
            << ImageFile::encode(QByteArray(size, '\x11'), formatOf(ImageFormat::IntelHex))
            << QStringLiteral("wiersz 33: obraz ma %1 bajty, a EEPROM modułu 512").arg(size);
    }
    QTest::newRow("a short S2 record")
        << record(QByteArray::fromHex("030000"), "S2")
        << QStringLiteral("wiersz 1: rekord S2 musi mieć co najmniej 4 bajty, a nie 3");
    QTest::newRow("a short S3 record")
        << record(QByteArray::fromHex("04000000"), "S3")
        << QStringLiteral("wiersz 1: rekord S3 musi mieć co najmniej 5 bajtów, a nie 4");
}

void TestImageFile::countedRefusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, refusal);
    QTranslator polish;
    QVERIFY(polish.load(QStringLiteral(TAVRO_QM_DIR "/tavro_pl.qm")));
    QCoreApplication::installTranslator(&polish);
    QCOMPARE(ImageFile::decode(text).refusal.text(), refusal);
}

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
