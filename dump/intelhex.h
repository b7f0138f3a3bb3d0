// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef INTELHEX_H
#define INTELHEX_H

#include <QByteArray>

class RecordText;
struct ImageFormat;

// Intel HEX, as AVR tools and many device programmers write EEPROM contents (often as .eep or
// .hex): ":LLAAAATT" then data and a checksum, one record a line, ending with ":00000001FF".
namespace IntelHex {

// The image the text of `records` gives, and how it is laid out; false, with the records' error
// saying the line and what is wrong there, unless every record is well-formed with a right
// checksum, the end record ends it and the data records give each of the 512 bytes exactly once.
bool decode(RecordText &records, QByteArray &image, ImageFormat &format);
QByteArray encode(const QByteArray &image, const ImageFormat &format);

} // namespace IntelHex

#endif // INTELHEX_H
