// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "srecord.h"

#include "imageformat.h"
#include "plural.h"
#include "recordtext.h"

namespace {

// The bytes of the address in each type of record, S0 to S9; S4 does not exist.
constexpr int addressSizes[10] = {2, 2, 3, 4, 0, 2, 3, 4, 3, 2};

void append(QByteArray &out, int type, quint32 address, const QByteArray &data,
            const ImageFormat &format)
{
    const int size = addressSizes[type];
    QByteArray bytes = char(size + data.size() + 1) + RecordText::bigEndian(address, size) + data;
    bytes += char(~RecordText::sum(bytes, bytes.size()));
    const char mark[3] = {'S', char('0' + type), '\0'};
    RecordText::appendLine(out, mark, bytes, format);
}

} // namespace

bool SRecord::decode(RecordText &records, QByteArray &image, ImageFormat &format)
{
    format = ImageFormat();
    format.kind = ImageFormat::SRecord;
    format.recordLength = 0;
    quint32 dataRecords = 0;
    int seen = 0;
    bool closedByCount = false; // the last record so far is a count record
    while (records.next()) {
        closedByCount = false;
        const char digit = records.at(1);
        if (records.at(0) != 'S' || digit < '0' || digit > '9')
            return records.refuse(
                QT_TRANSLATE_NOOP("RecordText", "an S-record starts with S and a digit"));
        const int type = digit - '0';
        if (type == 4)
            return records.refuse(QT_TRANSLATE_NOOP("RecordText", "unknown record type S4"));
        if (!records.decode(2))
            return false;
        const QByteArray &bytes = records.bytes;
        const int size = int(bytes.size());
        if (size == 0)
            return records.refuse(QT_TRANSLATE_NOOP("RecordText", "the record has no count"));
        const int count = uchar(bytes.at(0));
        if (size != count + 1)
            return records.refuse(
                QT_TRANSLATE_N_NOOP("RecordText",
                                    "the record announces %1 bytes after its count but holds %2"),
                {QString::number(count), QString::number(size - 1)}, count);
        const int addressSize = addressSizes[type];
        if (count < addressSize + 1)
            return records.refuse(
                QT_TRANSLATE_N_NOOP("RecordText", "an S%1 record needs at least %2 bytes, not %3"),
                {QString::number(type), QString::number(addressSize + 1), QString::number(count)},
                addressSize + 1);
        if (!records.checksumIs(uchar(~RecordText::sum(bytes, size - 1))))
            return false;
        const quint32 address = RecordText::bigEndian(bytes, 1, addressSize);
        const int dataSize = count - addressSize - 1;
        const QByteArray data = bytes.mid(1 + addressSize, dataSize);
        if (type == 0) {
            if (++seen != 1)
                return records.refuse(
                    QT_TRANSLATE_NOOP("RecordText", "a header record (S0) after the first line"));
            format.header = true;
            format.headerData = data;
            continue;
        }
        ++seen;
        if (type <= 3) {
            if (!format.addressRecord)
                format.addressRecord = type;
            format.recordLength = qMax(format.recordLength, dataSize);
            ++dataRecords;
            if (!records.place(address, reinterpret_cast<const uchar *>(data.constData()),
                               dataSize))
                return false;
        } else if (dataSize != 0) {
            return records.refuse(
                QT_TRANSLATE_NOOP("RecordText", "an S%1 record must not hold data"),
                {QString::number(type)});
        } else if (type <= 6) {
            if (address != dataRecords)
                return records.refuse(
                    QT_TRANSLATE_N_NOOP(
                        "RecordText",
                        "the count record says %1 data records, but %2 come before it"),
                    {QString::number(address), QString::number(dataRecords)}, Plural::of(address));
            format.countRecord = true;
            closedByCount = true;
        } else {
            format.startRecord = type;
            format.start = address;
            return records.finish(image, format);
        }
    }
    // srec_cat ends its files so: the count record, which says no record was lost, and no end.
    if (closedByCount) {
        format.endRecord = false;
        return records.finish(image, format);
    }
    records.error =
        Refusal(0, QT_TRANSLATE_NOOP("RecordText", "the end record (S7, S8 or S9) is missing"));
    return false;
}

QByteArray SRecord::encode(const QByteArray &image, const ImageFormat &format)
{
    QByteArray out;
    const int type =
        format.addressRecord == 2 || format.addressRecord == 3 ? format.addressRecord : 1;
    const int most = 255 - addressSizes[type] - 1;
    const int length =
        format.recordLength > 0 && format.recordLength <= most ? format.recordLength : 16;
    if (format.header)
        append(out, 0, 0, format.headerData.left(252), format);
    quint32 records = 0;
    for (qsizetype offset = 0; offset < image.size(); offset += length, ++records)
        append(out, type, quint32(offset), image.mid(offset, length), format);
    if (format.countRecord)
        append(out, records > 0xffff ? 6 : 5, records, QByteArray(), format);
    const int end =
        format.startRecord >= 7 && format.startRecord <= 9 ? format.startRecord : 10 - type;
    if (format.endRecord || !format.countRecord)
        append(out, end, format.start, QByteArray(), format);
    return out;
}
