// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CSVRENDERER_H
#define CSVRENDERER_H

#include "csvwriter.h"
#include "reportrenderer.h"

// RFC 4180: a header, then one row per file; columns as tavro-cli(1) documents them, and stable.
// The delimiter may be another (a semicolon, for spreadsheets that take the comma for the
// decimal point).
class CsvRenderer : public ReportRenderer
{
public:
    CsvRenderer(QByteArray &out, Style style);
    void add(const QByteArray &path, const DumpInfo &info) override;

private:
    CsvWriter csv;
};

#endif // CSVRENDERER_H
