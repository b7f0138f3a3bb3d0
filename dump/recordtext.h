// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef RECORDTEXT_H
#define RECORDTEXT_H

#include "imagelayout.h"
#include "refusal.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

struct ImageFormat;

// What Intel HEX and Motorola S-record files have in common: one record a line, written in
// hexadecimal digits after a mark, whose data records together must give each byte of the image
// exactly once. Reads the lines one by one, places the data where the records say, and words
// each refusal with the number of its line; writes such lines too. What editors and old tools
// leave around the records is passed over: a UTF-8 byte-order mark, blank lines, blanks and tabs
// at the end of a line, CR alone as line end, ^Z or NUL after the last record.
class RecordText
{
    Q_DECLARE_TR_FUNCTIONS(RecordText)

public:
    explicit RecordText(const QByteArray &text) : text(text) {}

    // The mark of the records a text is made of, ':' or 'S', or 0 when it is not made of them:
    // at least half of its lines start (after any blanks) with a mark and eight hexadecimal
    // digits. A record that is wrong further on still counts, so that it is refused with a reason.
    static char recordMark(const QByteArray &text);

    // Moves to the next line that is not blank; false once there is none.
    bool next();
    // Whether the current line starts with `mark`.
    bool startsWith(const char *mark) const;
    char at(qsizetype i) const { return i < lineSize ? text.at(lineStart + i) : '\0'; }
    // Decodes the current line's digits after its first `from` characters into `bytes`.
    bool decode(qsizetype from);
    // Puts data bytes at `address` (taken as given: no address wraps around). Data beyond the
    // image is refused once the whole text has been read, to say how much there is.
    bool place(quint64 address, const uchar *data, int size);
    // After the last record: true when nothing but blank lines follows and each byte of the image
    // was given; then `image` holds it, and `format` how the text was written.
    bool finish(QByteArray &image, ImageFormat &format);
    // Whether the current record's last byte is `expected`; refuses the text if not.
    bool checksumIs(uchar expected);
    // Refuses the text for `why` (marked with QT_TRANSLATE_NOOP("RecordText", ...)) filled in with
    // `values`, naming the current line: always false. `count` picks the plural form of a
    // sentence that counts something.
    bool refuse(const char *why, const QStringList &values = {}, int count = -1)
    {
        return refuseAt(number, why, values, count);
    }

    // The sum of the first `size` bytes, as a byte.
    static uchar sum(const QByteArray &bytes, qsizetype size);
    // `size` bytes from `from` read as one big-endian number, and a number written so.
    static quint32 bigEndian(const QByteArray &bytes, qsizetype from, int size);
    static QByteArray bigEndian(quint32 value, int size);
    // A byte as two upper-case hexadecimal digits, as refusals show it.
    static QString hex(uchar byte);
    // An address as programmers print it: 0x01FF, at least four upper-case digits.
    static QString hexAddress(quint64 address);

    // A whole line: `mark`, then `bytes` as digits in the case `format` asks, then its line end.
    static void appendLine(QByteArray &out, const char *mark, const QByteArray &bytes,
                           const ImageFormat &format);

    QByteArray bytes; // the current line, decoded
    Refusal error;    // why the text is refused

private:
    bool refuseAt(int line, const char *why, const QStringList &values, int count = -1);

    const QByteArray &text;
    qsizetype contentEnd = -1; // where what follows the last record begins
    qsizetype position = 0;
    qsizetype lineStart = 0;
    qsizetype lineSize = 0;
    int number = 0;
    enum class LineEnd { Unseen, LineFeed, CarriageReturn }; // CR LF or CR alone: CarriageReturn
    LineEnd lineEnds = LineEnd::Unseen;
    uchar cases = 0;              // 1: lower-case digits seen, 2: upper-case ones
    quint64 lowest = ~quint64(0); // the lowest and highest address data was given for
    quint64 highest = 0;
    int lowestOn = 0;                         // the line that gave the lowest address
    int beyondOn = 0;                         // the first line that gave data beyond the image
    quint64 firstBeyond = ~quint64(0);        // the lowest address beyond the image given
    quint64 beyond = 0;                       // how many bytes were given beyond the image
    int givenOn[ImageLayout::ImageSize] = {}; // the line that gave each byte, 0 none yet
    uchar image[ImageLayout::ImageSize] = {};
};

#endif // RECORDTEXT_H
