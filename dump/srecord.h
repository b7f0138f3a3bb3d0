// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef SRECORD_H
#define SRECORD_H

#include <QByteArray>

class RecordText;
struct ImageFormat;

// Motorola S-record, as many device programmers write memory contents (.s19, .srec, .hex):
// "S" and a type digit, then a count, an address, data and a checksum, one record a line; an
// S7, S8 or S9 record ends it.
namespace SRecord {

// As IntelHex::decode: the image, or the refusal with its line.
bool decode(RecordText &records, QByteArray &image, ImageFormat &format);
QByteArray encode(const QByteArray &image, const ImageFormat &format);

} // namespace SRecord

#endif // SRECORD_H
