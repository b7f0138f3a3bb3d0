// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "imagefile.h"

#include "imagelayout.h"
#include "intelhex.h"
#include "recordtext.h"
#include "srecord.h"

#include <algorithm>
#include <cctype>

namespace {

// Whether the first line is `markLength` characters of mark and then only hexadecimal digits,
// at least eight: the start of a record, and no binary image starts so.
bool firstLineIsRecord(const QByteArray &contents, qsizetype markLength)
{
    qsizetype end = contents.indexOf('\n');
    if (end < 0)
        end = contents.size();
    if (end > 0 && contents.at(end - 1) == '\r')
        --end;
    return end >= markLength + 8 &&
           std::all_of(contents.constData() + markLength, contents.constData() + end,
                       [](char c) { return std::isxdigit(uchar(c)) != 0; });
}

} // namespace

ImageFile::Decoded ImageFile::decode(const QByteArray &contents)
{
    Decoded decoded;
    if (contents.size() == ImageLayout::ImageSize) {
        decoded.bytes = contents;
        return decoded;
    }
    RecordText records(contents);
    if (contents.startsWith(':') && firstLineIsRecord(contents, 1))
        IntelHex::decode(records, decoded.bytes, decoded.format);
    else if (contents.startsWith('S') && contents.size() > 1 &&
             std::isdigit(uchar(contents.at(1))) && firstLineIsRecord(contents, 2))
        SRecord::decode(records, decoded.bytes, decoded.format);
    else
        decoded.bytes = contents;
    decoded.refusal = records.error; // empty unless a text was refused
    return decoded;
}

QByteArray ImageFile::encode(const QByteArray &image, const ImageFormat &format)
{
    switch (format.kind) {
    case ImageFormat::IntelHex:
        return IntelHex::encode(image, format);
    case ImageFormat::SRecord:
        return SRecord::encode(image, format);
    case ImageFormat::Binary:
        break;
    }
    return image;
}
