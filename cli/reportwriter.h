// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef REPORTWRITER_H
#define REPORTWRITER_H

#include "dumpinfo.h"
#include "jsonwriter.h"

#include <QByteArray>

class Output;

// Renders one DumpInfo after another as text, JSON or CSV, straight into the output buffer: a
// batch of any size is written as it goes and never held in memory. Keys and columns are those
// of the image's field table, and stable; tavro-cli(1) documents them.
class ReportWriter
{
public:
    enum Format { Text, Json, Csv };

    // Writes what comes before the first report: CSV's header, JSON's opening bracket.
    ReportWriter(Format format, Output &output);
    void add(const QByteArray &path, const DumpInfo &info);
    void end();

private:
    Format format;
    Output &output;
    QByteArray &out; // the output's buffer
    JsonWriter json;
    bool first = true;
};

#endif // REPORTWRITER_H
