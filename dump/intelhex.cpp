// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "intelhex.h"

#include "imageformat.h"
#include "recordtext.h"

namespace {

enum Type { Data, End, SegmentBase, SegmentStart, LinearBase, LinearStart };

// A record's bytes as its line holds them: count, address, type, data, checksum.
QByteArray record(int type, quint16 address, const QByteArray &data)
{
    QByteArray bytes;
    bytes += char(data.size());
    bytes += char(address >> 8);
    bytes += char(address & 0xff);
    bytes += char(type);
    bytes += data;
    return bytes + char(uchar(0x100 - RecordText::sum(bytes, bytes.size())));
}

} // namespace

bool IntelHex::decode(RecordText &records, QByteArray &image, ImageFormat &format)
{
    format = ImageFormat();
    format.kind = ImageFormat::IntelHex;
    format.recordLength = 0;
    quint64 base = 0;
    bool dataSeen = false;
    while (records.next()) {
        if (!records.startsWith(":"))
            return records.refuse(
                QT_TRANSLATE_NOOP("RecordText", "an Intel HEX record starts with \":\""));
        if (!records.decode(1))
            return false;
        const QByteArray &bytes = records.bytes;
        const int size = int(bytes.size());
        if (size < 5)
            return records.refuse(
                QT_TRANSLATE_N_NOOP("RecordText", "a record of %1 bytes is too short: it needs 5"),
                {QString::number(size)}, size);
        const int count = uchar(bytes.at(0));
        const int type = uchar(bytes.at(3));
        const auto *data = reinterpret_cast<const uchar *>(bytes.constData()) + 4;
        if (size != count + 5)
            return records.refuse(
                QT_TRANSLATE_N_NOOP("RecordText",
                                    "the record announces %1 data bytes but holds %2"),
                {QString::number(count), QString::number(size - 5)}, count);
        if (!records.checksumIs(uchar(0x100 - RecordText::sum(bytes, size - 1))))
            return false;
        switch (type) {
        case Data:
            dataSeen = true;
            format.recordLength = qMax(format.recordLength, count);
            if (!records.place(base + RecordText::bigEndian(bytes, 1, 2), data, count))
                return false;
            break;
        case End:
            if (count != 0)
                return records.refuse(
                    QT_TRANSLATE_NOOP("RecordText", "the end record must not hold data"));
            return records.finish(image, format);
        case SegmentBase:
        case LinearBase:
            if (count != 2)
                return records.refuse(
                    QT_TRANSLATE_NOOP("RecordText", "an address record must hold 2 bytes, not %1"),
                    {QString::number(count)});
            base = quint64(RecordText::bigEndian(bytes, 4, 2)) << (type == SegmentBase ? 4 : 16);
            format.addressRecord = type;
            break;
        case SegmentStart:
        case LinearStart:
            if (count != 4)
                return records.refuse(
                    QT_TRANSLATE_NOOP("RecordText",
                                      "a start address record must hold 4 bytes, not %1"),
                    {QString::number(count)});
            format.startRecord = type;
            format.start = RecordText::bigEndian(bytes, 4, 4);
            format.startFirst = !dataSeen;
            break;
        default:
            return records.refuse(QT_TRANSLATE_NOOP("RecordText", "unknown record type %1"),
                                  {RecordText::hex(uchar(type))});
        }
    }
    records.error =
        Refusal(0, QT_TRANSLATE_NOOP("RecordText", "the end record (:00000001FF) is missing"));
    return false;
}

QByteArray IntelHex::encode(const QByteArray &image, const ImageFormat &format)
{
    QByteArray out;
    const int length =
        format.recordLength > 0 && format.recordLength < 256 ? format.recordLength : 16;
    QByteArray start;
    if (format.startRecord == SegmentStart || format.startRecord == LinearStart)
        RecordText::appendLine(
            start, ":", record(format.startRecord, 0, RecordText::bigEndian(format.start, 4)),
            format);
    if (format.startFirst)
        out += start;
    if (format.addressRecord == SegmentBase || format.addressRecord == LinearBase)
        RecordText::appendLine(out, ":", record(format.addressRecord, 0, QByteArray(2, '\0')),
                               format);
    for (qsizetype offset = 0; offset < image.size(); offset += length)
        RecordText::appendLine(out, ":", record(Data, quint16(offset), image.mid(offset, length)),
                               format);
    if (!format.startFirst)
        out += start;
    RecordText::appendLine(out, ":", record(End, 0, QByteArray()), format);
    return out;
}
