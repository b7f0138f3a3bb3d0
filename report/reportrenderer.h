// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef REPORTRENDERER_H
#define REPORTRENDERER_H

#include <QByteArray>
#include <QString>

#include <memory>

struct DumpInfo;

// One output format of tavro-cli's report. It renders one DumpInfo after another straight into a
// buffer, so that a batch of any size is written as it goes and never held in memory. Each format
// reads the image's field table; a new format is one more subclass, named in create().
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

    // The renderer of `format` writing into `out`, or nullptr when there is no such format: a
    // report of each file ("text", "json", "jsonl", "csv"), or with `summary` the counts over all
    // of them ("text", "json", "csv"). Writes what comes before the first file (CSV's header,
    // JSON's opening bracket).
    static std::unique_ptr<ReportRenderer> create(const QString &format, QByteArray &out,
                                                  Style style, bool summary = false);
    // Whether the output is for people, in their language; the others stay English.
    virtual bool isForPeople() const { return false; }
    virtual void add(const QByteArray &path, const DumpInfo &info) = 0;
    // Writes what comes after the last report.
    virtual void end() {}

    // A file name as a terminal must show it: control characters as `ls -b` shows them (\033,
    // \n), a backslash doubled, bytes that are no UTF-8 as U+FFFD, so that a name can neither
    // recolour nor rewrite the terminal.
    static QByteArray escaped(const QByteArray &name);

protected:
    explicit ReportRenderer(QByteArray &out) : out(out) {}
    QByteArray &out;
};

#endif // REPORTRENDERER_H
