// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CSVWRITER_H
#define CSVWRITER_H

#include <QByteArray>

// CSV (RFC 4180) written as it goes, straight into a buffer: the delimiter comes by itself
// between the fields of a row, and every field, whatever it holds, is quoted when it contains the
// delimiter, a quote or a line break, so that no delimiter can split a value.
class CsvWriter
{
public:
    CsvWriter(QByteArray &out, char delimiter) : out(out), delimiter(delimiter) {}

    // Whether `delimiter` can separate fields that hold words, numbers and names: one printable
    // ASCII character (or a tab) that is no letter, digit or quote.
    static bool isDelimiter(const QByteArray &delimiter);

    // UTF-8's byte order mark, for spreadsheets that guess the encoding otherwise.
    void byteOrderMark() { out += "\xef\xbb\xbf"; }
    // A field that a spreadsheet would take for a formula (a name given as `=cmd|...`.bin) starts
    // with a quote mark.
    CsvWriter &field(const QByteArray &text);
    CsvWriter &number(quint64 value) { return field(QByteArray::number(value)); }
    CsvWriter &boolean(bool value) { return field(value ? "true" : "false"); }
    CsvWriter &empty() { return field(QByteArray()); }
    void endRow();

private:
    QByteArray &out;
    char delimiter;
    bool rowStarted = false;
};

#endif // CSVWRITER_H
