// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef REPORTRENDERER_H
#define REPORTRENDERER_H

#include <QByteArray>

struct DumpInfo;

// One output format of tavro-cli's report. It renders one DumpInfo after another straight into a
// buffer, so that a batch of any size is written as it goes and never held in memory. Each format
// reads the image's field table; a new format is one more subclass, named in ReportFormats.
class ReportRenderer
{
public:
    Q_DISABLE_COPY(ReportRenderer)
    virtual ~ReportRenderer() = default;

    // How the output is laid out.
    struct Style
    {
        bool terminal = false; // names escaped, the summary's bars drawn as blocks
        char delimiter = ',';  // CSV's
        bool header = true;    // CSV's header row
        bool bom = false;      // CSV: UTF-8's byte order mark first, for spreadsheets
    };

    virtual void add(const QByteArray &path, const DumpInfo &info) = 0;
    // Writes what comes after the last report.
    virtual void end() {}

protected:
    explicit ReportRenderer(QByteArray &out) : out(out) {}
    QByteArray &out;
};

#endif // REPORTRENDERER_H
