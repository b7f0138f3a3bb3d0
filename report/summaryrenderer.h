// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef SUMMARYRENDERER_H
#define SUMMARYRENDERER_H

#include "dumpfield.h"
#include "reportrenderer.h"

#include <QHash>

#include <vector>

// The summary of a fleet's dumps: how many files, how many of each verdict, how many files have
// each value of the fields the table marks as tallied (the most frequent first), and for each
// error counter how many boards have it, its total and its largest count. It counts as the files
// come and writes once they are all there, as text for people (a bar for each error), as JSON or
// as CSV; memory grows only with the number of different values.
class SummaryRenderer : public ReportRenderer
{
public:
    enum Format { Text, Json, Csv };
    SummaryRenderer(QByteArray &out, Format format, Style style);
    void add(const QByteArray &path, const DumpInfo &info) override;
    void end() override;

private:
    struct Count
    {
        DumpField::Value::Kind kind = DumpField::Value::Text;
        quint64 files = 0;
    };
    struct Tally
    {
        const DumpField *field;
        QHash<QByteArray, Count> values;
        // The values, the most frequent first.
        std::vector<std::pair<QByteArray, Count>> sorted() const;
    };
    struct Counter
    {
        const DumpField *field;
        quint64 boards, total, largest;
    };

    void writeText();
    void writeJson();
    void writeCsv();

    Format format;
    Style style;
    quint64 files = 0;
    quint64 verdicts[DumpField::VerdictCount] = {};
    std::vector<Tally> tallies;
    std::vector<Counter> counters;
};

#endif // SUMMARYRENDERER_H
