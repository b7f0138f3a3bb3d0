// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "imagefile.h"

#include "imagelayout.h"
#include "intelhex.h"
#include "recordtext.h"
#include "srecord.h"

#include <QtEndian>

namespace {

// A 512-byte file whose engine word is known is a board's image, whatever its bytes look like.
bool isImage(const QByteArray &contents)
{
    return contents.size() == ImageLayout::ImageSize &&
           ImageLayout::engineName(
               qFromLittleEndian<quint16>(contents.constData() + ImageLayout::EngineType));
}

} // namespace

ImageFile::Decoded ImageFile::decode(const QByteArray &contents)
{
    Decoded decoded;
    const char mark = isImage(contents) ? 0 : RecordText::recordMark(contents);
    if (!mark) {
        decoded.bytes = contents;
        return decoded;
    }
    RecordText records(contents);
    if (mark == ':')
        IntelHex::decode(records, decoded.bytes, decoded.format);
    else
        SRecord::decode(records, decoded.bytes, decoded.format);
    decoded.refusal = records.error; // empty unless the text was refused
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
