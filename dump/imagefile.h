// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef IMAGEFILE_H
#define IMAGEFILE_H

#include "imageformat.h"

#include <QByteArray>
#include <QString>

// A file's contents as a board image, whatever wrote it: 512 bytes are the image itself; a text
// whose first line is an Intel HEX or S-record record is read as such, strictly; anything else
// is binary of the wrong size. Nothing is guessed: a text is an image only when it gives each of
// the 512 bytes exactly once.
namespace ImageFile {

// The longest text taken for an image: far more than any layout of 512 bytes in records needs.
// A longer file is not read.
constexpr quint64 MaxTextSize = 64 * 1024;

struct Decoded
{
    ImageFormat format;
    QByteArray bytes; // the image, 512 bytes; for binary, the contents as they are
    QString refusal;  // a text that is no image: the line and what is wrong there
};

Decoded decode(const QByteArray &contents);
// The file that holds `image` in `format`.
QByteArray encode(const QByteArray &image, const ImageFormat &format);

} // namespace ImageFile

#endif // IMAGEFILE_H
