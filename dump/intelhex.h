// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef INTELHEX_H
#define INTELHEX_H

#include <QByteArray>
#include <QString>

struct ImageFormat;

// Intel HEX, as AVR tools and many device programmers write EEPROM contents (often as .eep or
// .hex): ":LLAAAATT" then data and a checksum, one record a line, ending with ":00000001FF".
namespace IntelHex {

// The image the text gives, and how it is laid out; false with `refusal` set (the line and what
// is wrong there) unless every record is well-formed with a right checksum, the end record ends
// it and the data records give each of the 512 bytes exactly once.
bool decode(const QByteArray &text, QByteArray &image, ImageFormat &format, QString &refusal);
QByteArray encode(const QByteArray &image, const ImageFormat &format);

} // namespace IntelHex

#endif // INTELHEX_H
