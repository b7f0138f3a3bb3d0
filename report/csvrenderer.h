// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CSVRENDERER_H
#define CSVRENDERER_H

#include "reportrenderer.h"

// RFC 4180: a header, then one row per file; columns as tavro-cli(1) documents them, and stable.
// The delimiter may be another (a semicolon, for spreadsheets that take the comma for the
// decimal point).
class CsvRenderer : public ReportRenderer
{
public:
    CsvRenderer(QByteArray &out, Style style);
    void add(const QByteArray &path, const DumpInfo &info) override;

    // What comes before the first row: the byte order mark and the header, as `style` asks.
    static void begin(QByteArray &out, Style style, const QByteArray &header);
    // A field, quoted when it holds the delimiter, a quote or a line break. A field that a
    // spreadsheet would take for a formula (a name given as `=cmd|...`.bin) starts with a quote
    // mark.
    static void appendField(QByteArray &out, const QByteArray &bytes, char delimiter);

private:
    char delimiter;
};

#endif // CSVRENDERER_H
