// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "csvwriter.h"

#include <QString>

bool CsvWriter::isDelimiter(const QByteArray &delimiter)
{
    if (delimiter.size() != 1)
        return false;
    const char c = delimiter.at(0);
    const bool printable = (c >= ' ' && c <= '~') || c == '\t';
    const bool alphanumeric =
        (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return printable && !alphanumeric && c != '"';
}

CsvWriter &CsvWriter::field(const QByteArray &text)
{
    if (rowStarted)
        out += delimiter;
    rowStarted = true;
    QByteArray valid = QString::fromUtf8(text).toUtf8();
    if (!valid.isEmpty() && QByteArrayLiteral("=+-@\t\r").contains(valid.at(0)))
        valid.prepend('\'');
    if (valid.contains(delimiter) || valid.contains('"') || valid.contains('\n') ||
        valid.contains('\r'))
        out += '"' + valid.replace("\"", "\"\"") + '"';
    else
        out += valid;
    return *this;
}

void CsvWriter::endRow()
{
    out += "\r\n";
    rowStarted = false;
}
