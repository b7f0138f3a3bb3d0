#ifndef REPORTWRITER_H
#define REPORTWRITER_H

#include "dumpinfo.h"

#include <QByteArray>

class Output;

// Renders one DumpInfo after another as text, JSON or CSV, straight into the output buffer: a
// batch of any size is written as it goes and never held in memory. Keys and columns are stable;
// tavro-cli(1) documents them.
class ReportWriter
{
public:
    enum Format { Text, Json, Csv };

    ReportWriter(Format format, Output &output);
    void begin();
    void add(const QByteArray &path, const DumpInfo &info);
    void end();

    // The problem as the JSON and CSV name it: "cannot open", "wrong size", "incomplete read",
    // "unknown engine"; empty for none.
    static const char *problemText(DumpInfo::Problem problem);

private:
    void addText(const QByteArray &path, const DumpInfo &info);
    void addJson(const QByteArray &path, const DumpInfo &info);
    void addCsv(const QByteArray &path, const DumpInfo &info);

    Format format;
    Output &output;
    bool first = true;
};

#endif // REPORTWRITER_H
