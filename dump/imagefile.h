// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef IMAGEFILE_H
#define IMAGEFILE_H

#include "imageformat.h"

#include "refusal.h"

#include <QByteArray>
#include <QString>

// A file's contents as a board image, whatever wrote it: a 512-byte image with a known engine is
// the image itself; a text made of Intel HEX or S-record lines is read as such, strictly, and
// refused with its line and reason; anything else is binary (of the wrong size, unless 512
// bytes). Nothing is guessed: a text is an image only when it gives each of the 512 bytes exactly
// once.
namespace ImageFile {

// The longest text read: enough for a 64 KiB EEPROM in records of a byte each, so that a larger
// EEPROM's contents are refused as such. A longer file is not read.
constexpr quint64 MaxTextSize = 1024 * 1024;

struct Decoded
{
    ImageFormat format;
    QByteArray bytes; // the image, 512 bytes; for binary, the contents as they are
    Refusal refusal;  // a text that is no image: the line and what is wrong there
};

Decoded decode(const QByteArray &contents);
// The file that holds `image` in `format`.
QByteArray encode(const QByteArray &image, const ImageFormat &format);

} // namespace ImageFile

#endif // IMAGEFILE_H
