// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "recordtext.h"

#include "imageformat.h"

#include <QCoreApplication>

#include <QStringList>

#include <array>

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

bool isBlank(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

bool RecordText::next()
{
    if (contentEnd < 0) {
        contentEnd = text.size();
        while (contentEnd > 0 && isBlank(text.at(contentEnd - 1)))
            --contentEnd;
    }
    if (position >= contentEnd)
        return false;
    lineStart = position;
    qsizetype end = text.indexOf('\n', position);
    position = end < 0 ? text.size() : end + 1;
    if (end < 0)
        end = text.size();
    const bool cr = end > lineStart && text.at(end - 1) == '\r';
    if (end < text.size() && lineEnds < 0)
        lineEnds = cr ? 1 : 0;
    lineSize = end - lineStart - (cr ? 1 : 0);
    ++number;
    return true;
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
                return refuse(QCoreApplication::translate(
                                  "tavro-cli", "the character \"%1\" is not a hexadecimal digit")
                                  .arg(QLatin1Char(char(c))));
            return refuse(
                QCoreApplication::translate("tavro-cli", "the byte 0x%1 is not a hexadecimal digit")
                    .arg(hex(c)));
        }
        cases |= letterCases[in[i]] | (i + 1 < digits ? letterCases[in[i + 1]] : 0);
        out[i / 2] = char(high << 4 | low);
    }
    if (digits % 2 != 0)
        return refuse(
            QCoreApplication::translate("tavro-cli", "an odd number of hexadecimal digits"));
    return true;
}

bool RecordText::place(quint64 address, const uchar *data, int size)
{
    for (int i = 0; i < size; ++i, ++address) {
        if (address >= quint64(ImageLayout::ImageSize))
            return refuse(
                QCoreApplication::translate("tavro-cli", "address %1 is beyond the %2-byte image")
                    .arg(address)
                    .arg(ImageLayout::ImageSize));
        if (givenOn[address])
            return refuse(
                QCoreApplication::translate("tavro-cli", "address %1 was given before, on line %2")
                    .arg(address)
                    .arg(givenOn[address]));
        givenOn[address] = number;
        image[address] = data[i];
    }
    return true;
}

bool RecordText::finish(QByteArray &result, ImageFormat &format)
{
    while (next()) {
        if (lineSize > 0)
            return refuse(QCoreApplication::translate("tavro-cli", "text after the end record"));
    }
    QStringList missing; // ranges of addresses no record gave
    for (int first = 0; first < ImageLayout::ImageSize; ++first) {
        if (givenOn[first])
            continue;
        int last = first;
        while (last + 1 < ImageLayout::ImageSize && !givenOn[last + 1])
            ++last;
        missing << (first == last ? QString::number(first)
                                  : QStringLiteral("%1–%2").arg(first).arg(last));
        first = last;
    }
    if (missing.size() > 4) {
        missing = missing.mid(0, 4);
        missing << QStringLiteral("…");
    }
    if (missing.size() == 1 && !missing.first().contains(u'–')) {
        error = QCoreApplication::translate("tavro-cli", "address %1 missing").arg(missing.first());
        return false;
    }
    if (!missing.isEmpty()) {
        error = QCoreApplication::translate("tavro-cli", "addresses %1 missing")
                    .arg(missing.join(QStringLiteral(", ")));
        return false;
    }
    result = QByteArray(reinterpret_cast<const char *>(image), ImageLayout::ImageSize);
    format.lowerCase = cases == 1; // lower-case letters, and no upper-case one
    format.crlf = lineEnds != 0;
    return true;
}

bool RecordText::checksumIs(uchar expected)
{
    const uchar stored = uchar(bytes.at(bytes.size() - 1));
    if (stored == expected)
        return true;
    return refuse(QCoreApplication::translate("tavro-cli", "checksum 0x%1, expected 0x%2")
                      .arg(hex(stored), hex(expected)));
}

bool RecordText::refuse(const QString &why)
{
    error = QCoreApplication::translate("tavro-cli", "line %1: %2").arg(number).arg(why);
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
