// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef IMAGEFORMAT_H
#define IMAGEFORMAT_H

#include <QByteArray>

// How a file holds a board image: the 512 bytes themselves, or the text that a device programmer
// writes, Intel HEX or Motorola S-record. For the text formats it keeps how the file was laid
// out, so that a copy is written the way the programmer wrote the original.
struct ImageFormat
{
    enum Kind { Binary, IntelHex, SRecord };

    Kind kind = Binary;
    int recordLength = 16; // data bytes per record: the longest record of the file
    // Intel HEX: 2 or 4 when the file set its base address with such a record, else 0.
    // S-record: the type of its data records, 1, 2 or 3.
    int addressRecord = 0;
    // Intel HEX: 3 or 5 when the file had a start address record, else 0.
    // S-record: the type of its end record, 7, 8 or 9.
    int startRecord = 0;
    quint32 start = 0;        // the address that record carries
    bool startFirst = false;  // Intel HEX: that record comes before the data (python-intelhex)
    bool header = false;      // S-record: an S0 record comes first
    QByteArray headerData;    // and holds these bytes
    bool countRecord = false; // S-record: an S5 or S6 record before the end
    // S-record: an S7, S8 or S9 record ends the file. Without one (srec_cat's own layout) the
    // count record is the last, and says how many data records came before it.
    bool endRecord = true;
    bool lowerCase = false; // hexadecimal digits a-f rather than A-F
    bool crlf = true;       // lines end in CR LF (or CR alone, which not every tool reads)
                            // rather than LF

    // The names of the formats on the command line and in JSON and CSV: bin, ihex, srec.
    static const char *name(Kind kind)
    {
        return kind == IntelHex ? "ihex" : kind == SRecord ? "srec" : "bin";
    }
};

#endif // IMAGEFORMAT_H
