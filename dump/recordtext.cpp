// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "recordtext.h"

#include "imageformat.h"
#include "plural.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Each byte's value as a hexadecimal digit, -1 for a byte that is none; and 1 for a lower-case
// letter among them, 2 for an upper-case one, else 0.
constexpr std::array<signed char, 256> digitValues = [] {
    std::array<signed char, 256> values{};
    for (int c = 0; c < 256; ++c)
        values[size_t(c)] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                                     : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                                            : -1);
    return values;
}();
constexpr std::array<uchar, 256> letterCases = [] {
    std::array<uchar, 256> cases{};
    for (int c = 0; c < 256; ++c)
        cases[size_t(c)] = c >= 'a' && c <= 'f' ? 1 : c >= 'A' && c <= 'F' ? 2 : 0;
    return cases;
}();

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// What may follow the last record: line ends, blanks, and the ^Z or NUL old tools pad with.
bool isTrailing(char c)
{
    return isLineEnd(c) || isBlank(c) || c == '\x1a' || c == '\0';
}

bool isDigit(char c)
{
    return digitValues[uchar(c)] >= 0;
}

} // namespace

char RecordText::recordMark(const QByteArray &text)
{
    RecordText lines(text);
    int intelHex = 0, sRecords = 0, others = 0;
    char first = 0;
    while (lines.next()) {
        const char *at = text.constData() + lines.lineStart;
        const char *const end = at + lines.lineSize;
        while (isBlank(*at)) // a line is never blank to its end
            ++at;
        const char mark = end - at >= 9 && *at == ':'                                    ? ':'
                          : end - at >= 10 && *at == 'S' && at[1] >= '0' && at[1] <= '9' ? 'S'
                                                                                         : 0;
        const char *const digits = at + (mark == 'S' ? 2 : 1);
        if (!mark || !std::all_of(digits, digits + 8, isDigit)) {
            ++others;
            continue;
        }
        ++(mark == ':' ? intelHex : sRecords);
        if (!first)
            first = mark;
    }
    if (intelHex + sRecords == 0 || intelHex + sRecords < others)
        return 0;
    return intelHex > sRecords ? ':' : sRecords > intelHex ? 'S' : first;
}

bool RecordText::next()
{
    if (contentEnd < 0) {
        contentEnd = text.size();
        while (contentEnd > 0 && isTrailing(text.at(contentEnd - 1)))
            --contentEnd;
        if (text.startsWith("\xef\xbb\xbf")) // UTF-8's byte-order mark
            position = 3;
    }
    const char *const begin = text.constData();
    while (position < contentEnd) {
        lineStart = position;
        // The line ends at the first LF, or at a CR before it (CR alone ends lines too).
        const auto *lineFeed = static_cast<const char *>(
            std::memchr(begin + position, '\n', size_t(contentEnd - position)));
        const char *stop = lineFeed ? lineFeed : begin + contentEnd;
        const auto *carriageReturn = static_cast<const char *>(
            std::memchr(begin + position, '\r', size_t(stop - (begin + position))));
        const qsizetype end = (carriageReturn ? carriageReturn : stop) - begin;
        position = end;
        if (end < text.size() && isLineEnd(text.at(end))) {
            const bool cr = text.at(end) == '\r';
            if (lineEnds == LineEnd::Unseen)
                lineEnds = cr ? LineEnd::CarriageReturn : LineEnd::LineFeed;
            position += cr && end + 1 < text.size() && text.at(end + 1) == '\n' ? 2 : 1;
        }
        ++number;
        lineSize = end - lineStart;
        while (lineSize > 0 && isBlank(text.at(lineStart + lineSize - 1)))
            --lineSize;
        if (lineSize > 0)
            return true;
    }
    return false;
}

bool RecordText::startsWith(const char *mark) const
{
    const qsizetype size = qsizetype(qstrlen(mark));
    return lineSize >= size && qstrncmp(text.constData() + lineStart, mark, size_t(size)) == 0;
}

bool RecordText::decode(qsizetype from)
{
    const qsizetype digits = lineSize - from;
    bytes.resize((digits + 1) / 2);
    // Every file's thousand digits, two at a time, through tables.
    const auto *in = reinterpret_cast<const uchar *>(text.constData() + lineStart + from);
    char *out = bytes.data();
    for (qsizetype i = 0; i < digits; i += 2) {
        const int high = digitValues[in[i]];
        const int low = i + 1 < digits ? digitValues[in[i + 1]] : 0;
        if (high < 0 || low < 0) {
            const uchar c = in[high < 0 ? i : i + 1];
            if (c > ' ' && c < 0x7f)
                return refuse(QT_TR_NOOP("the character \"%1\" is not a hexadecimal digit"),
                              {QString(QLatin1Char(char(c)))});
            return refuse(QT_TR_NOOP("the byte 0x%1 is not a hexadecimal digit"), {hex(c)});
        }
        cases |= letterCases[in[i]] | (i + 1 < digits ? letterCases[in[i + 1]] : 0);
        out[i / 2] = char(high << 4 | low);
    }
    if (digits % 2 != 0)
        return refuse(QT_TR_NOOP("an odd number of hexadecimal digits"));
    return true;
}

bool RecordText::place(quint64 address, const uchar *data, int size)
{
    if (size <= 0)
        return true;
    if (address < lowest) {
        lowest = address;
        lowestOn = number;
    }
    highest = qMax(highest, address + quint64(size) - 1);
    for (int i = 0; i < size; ++i, ++address) {
        if (address >= quint64(ImageLayout::ImageSize)) {
            if (!beyondOn)
                beyondOn = number;
            firstBeyond = qMin(firstBeyond, address);
            beyond += quint64(size - i);
            break;
        }
        if (givenOn[address])
            return refuse(QT_TR_NOOP("address %1 was given before, on line %2"),
                          {hexAddress(address), QString::number(givenOn[address])});
        givenOn[address] = number;
        image[address] = data[i];
    }
    return true;
}

bool RecordText::finish(QByteArray &result, ImageFormat &format)
{
    if (next())
        return refuse(QT_TR_NOOP("text after the end record"));
    // A larger EEPROM's contents, or data placed where a linker put it: said as a whole, at the
    // line where it shows.
    if (beyondOn && lowest > 0)
        return refuseAt(lowestOn, QT_TR_NOOP("the data starts at address %1 instead of 0x0000"),
                        {hexAddress(lowest)});
    // Data right after the image is a larger EEPROM's; data far beyond it, something else.
    if (beyondOn && firstBeyond == quint64(ImageLayout::ImageSize) &&
        beyond >= highest + 1 - firstBeyond)
        return refuseAt(beyondOn,
                        QT_TR_N_NOOP("the image holds %1 bytes, a board's EEPROM holds 512"),
                        {QString::number(highest + 1)}, Plural::of(highest + 1));
    if (beyondOn)
        return refuseAt(beyondOn,
                        QT_TR_NOOP("there is data at address %1, beyond the 512 bytes of a "
                                   "board's EEPROM"),
                        {hexAddress(firstBeyond)});
    QStringList missing; // ranges of addresses no record gave
    for (int first = 0; first < ImageLayout::ImageSize; ++first) {
        if (givenOn[first])
            continue;
        int last = first;
        while (last + 1 < ImageLayout::ImageSize && !givenOn[last + 1])
            ++last;
        missing << (first == last ? hexAddress(quint64(first))
                                  : hexAddress(quint64(first)) + u'–' + hexAddress(quint64(last)));
        first = last;
    }
    if (missing.size() > 4) {
        missing = missing.mid(0, 4);
        missing << QStringLiteral("…");
    }
    if (missing.size() == 1 && !missing.first().contains(u'–')) {
        error = Refusal(0, QT_TR_NOOP("address %1 missing"), {missing.first()});
        return false;
    }
    if (!missing.isEmpty()) {
        error =
            Refusal(0, QT_TR_NOOP("addresses %1 missing"), {missing.join(QStringLiteral(", "))});
        return false;
    }
    result = QByteArray(reinterpret_cast<const char *>(image), ImageLayout::ImageSize);
    format.lowerCase = cases == 1; // lower-case letters, and no upper-case one
    format.crlf = lineEnds != LineEnd::LineFeed;
    return true;
}

bool RecordText::checksumIs(uchar expected)
{
    const uchar stored = uchar(bytes.at(bytes.size() - 1));
    if (stored == expected)
        return true;
    return refuse(QT_TR_NOOP("checksum 0x%1, expected 0x%2"), {hex(stored), hex(expected)});
}

bool RecordText::refuseAt(int line, const char *why, const QStringList &values, int count)
{
    error = Refusal(line, why, values, count);
    return false;
}

void RecordText::appendLine(QByteArray &out, const char *mark, const QByteArray &bytes,
                            const ImageFormat &format)
{
    const char *digits = format.lowerCase ? "0123456789abcdef" : "0123456789ABCDEF";
    out += mark;
    for (const char byte : bytes) {
        out += digits[uchar(byte) >> 4];
        out += digits[uchar(byte) & 0xf];
    }
    out += format.crlf ? "\r\n" : "\n";
}

uchar RecordText::sum(const QByteArray &bytes, qsizetype size)
{
    uchar total = 0;
    for (qsizetype i = 0; i < size; ++i)
        total = uchar(total + uchar(bytes.at(i)));
    return total;
}

quint32 RecordText::bigEndian(const QByteArray &bytes, qsizetype from, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | uchar(bytes.at(from + i));
    return value;
}

QByteArray RecordText::bigEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        bytes += char(value >> shift & 0xff);
    return bytes;
}

QString RecordText::hex(uchar byte)
{
    return QString::number(byte, 16).rightJustified(2, u'0').toUpper();
}

QString RecordText::hexAddress(quint64 address)
{
    return QLatin1String("0x") + QString::number(address, 16).rightJustified(4, u'0').toUpper();
}
