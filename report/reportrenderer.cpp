// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "reportrenderer.h"

#include "csvrenderer.h"
#include "jsonrenderer.h"
#include "summaryrenderer.h"
#include "textrenderer.h"

#include <QStringList>

std::unique_ptr<ReportRenderer> ReportRenderer::create(const QString &format, QByteArray &out,
                                                       Style style, bool summary)
{
    if (summary) {
        const QStringList formats = {QStringLiteral("text"), QStringLiteral("json"),
                                     QStringLiteral("csv")};
        const qsizetype index = formats.indexOf(format);
        if (index < 0)
            return nullptr;
        return std::make_unique<SummaryRenderer>(out, SummaryRenderer::Format(index), style);
    }
    if (format == QLatin1String("text"))
        return std::make_unique<TextRenderer>(out, style.terminal);
    if (format == QLatin1String("json") || format == QLatin1String("jsonl"))
        return std::make_unique<JsonRenderer>(out, format == QLatin1String("jsonl"));
    if (format == QLatin1String("csv"))
        return std::make_unique<CsvRenderer>(out, style);
    return nullptr;
}

QByteArray ReportRenderer::escaped(const QByteArray &name)
{
    QString shown;
    const QString text = QString::fromUtf8(name);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 7 && u <= 13) {
            shown += QLatin1Char('\\');
            shown += QLatin1Char("abtnvfr"[u - 7]);
        } else if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || (u >= 0x202a && u <= 0x202e) ||
                   (u >= 0x2066 && u <= 0x2069)) {
            // Control characters, and the marks that turn the rest of a line right to left.
            const QByteArray bytes = QString(c).toUtf8();
            for (const char byte : bytes)
                shown += QStringLiteral("\\%1").arg(uchar(byte), 3, 8, QLatin1Char('0'));
        } else {
            if (u == u'\\')
                shown += c;
            shown += c;
        }
    }
    return shown.toUtf8();
}
