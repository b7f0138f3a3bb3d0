// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "jsonwriter.h"

#include <QString>

#include <algorithm>
#include <charconv>

JsonWriter &JsonWriter::raw(const char *text, char close)
{
    if (!afterKey && !closers.isEmpty() && !empty)
        out += ',';
    afterKey = false;
    empty = close != 0;
    if (text[0] && !text[1])
        out += text[0]; // a character is appended far faster than a string
    else
        out += text;
    if (close)
        closers.append(close);
    return *this;
}

JsonWriter &JsonWriter::end()
{
    out += closers.last();
    closers.removeLast();
    empty = false;
    return *this;
}

JsonWriter &JsonWriter::key(const char *name)
{
    raw("\"");
    out += name;
    out += "\":";
    afterKey = true;
    return *this;
}

JsonWriter &JsonWriter::string(const char *text, qsizetype size)
{
    QByteArray repaired;
    if (std::any_of(text, text + size, [](char c) { return uchar(c) >= 0x80; })) {
        // Qt's decoder puts U+FFFD for every byte that is no valid UTF-8 (a file name need not be).
        repaired = QString::fromUtf8(text, int(size)).toUtf8();
        text = repaired.constData();
        size = repaired.size();
    }
    raw("\"");
    qsizetype plain = 0; // where the run of characters that need no escape began
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = static_cast<uchar>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text + plain, int(i - plain));
        out += c < 0x20 ? "\\u00" + QByteArray::number(c, 16).rightJustified(2, '0')
                        : QByteArray("\\") + char(c);
        plain = i + 1;
    }
    out.append(text + plain, int(size - plain));
    out += '"';
    return *this;
}

JsonWriter &JsonWriter::number(quint64 value)
{
    char digits[21] = {};
    std::to_chars(digits, digits + 20, value);
    return raw(digits);
}
