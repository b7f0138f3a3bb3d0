// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// libFuzzer target for the image decoder: the step that EepromDump::load runs on the bytes it
// has read. Beyond "no crash" it checks what the window relies on.

#include "eepromdump.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what, const QString &report)
{
    if (condition)
        return;
    std::fprintf(stderr, "violated: %s\nreport: %s\n", what, qPrintable(report));
    std::abort();
}

// The report is a flat run of text and the only three tags the decoder writes, balanced.
bool wellFormed(const QString &report)
{
    static const QString tags[] = {QStringLiteral("<br>"), QStringLiteral("<font color=\"red\">"),
                                   QStringLiteral("</font>")};
    int open = 0;
    for (int i = 0; i < report.size();) {
        if (report.at(i) == QLatin1Char('&') || report.at(i) == QLatin1Char('>'))
            return false;
        if (report.at(i) != QLatin1Char('<')) {
            ++i;
            continue;
        }
        int matched = -1;
        for (int t = 0; t < 3 && matched < 0; ++t) {
            if (QStringView(report).mid(i).startsWith(tags[t]))
                matched = t;
        }
        if (matched < 0)
            return false;
        open += matched == 1 ? 1 : matched == 2 ? -1 : 0;
        if (open < 0 || open > 1)
            return false;
        i += tags[matched].size();
    }
    return open == 0 && report.endsWith(QLatin1String("<br>"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    EepromDump dump;
    const QString report = dump.loadImage(bytes);

    require(wellFormed(report), "report is well-formed rich text", report);
    const bool full = report.contains(QLatin1String("Error statistics : "));
    require(bool(dump.error) == !full, "error is set exactly when the report is cut short", report);
    require(dump.size == size, "size is the length given", report);
    require(report.startsWith(QStringLiteral("File size : %1 bytes<br>").arg(size)),
            "report starts with the size line", report);

    const bool knownEngine = size == 512 && ((data[496] == 0x24 && data[497] == 0x21) ||
                                             (data[496] == 0x2C && data[497] == 0x29));
    require(full == knownEngine, "a 512-byte image with a known engine gives the full report",
            report);
    if (knownEngine) {
        require(dump.data == bytes, "the image is kept", report);
        require(report.count(QLatin1String(" - ")) == EepromDump::ErrorCount,
                "fourteen counter lines", report);
    } else {
        require(size == 512 || dump.data.isEmpty(), "a wrong length keeps no bytes", report);
    }
    return 0;
}
