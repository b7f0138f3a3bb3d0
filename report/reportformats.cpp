// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "reportformats.h"

#include "csvrenderer.h"
#include "jsonrenderer.h"
#include "summaryrenderer.h"
#include "textrenderer.h"

std::unique_ptr<ReportRenderer> ReportFormats::create(const QString &format, QByteArray &out,
                                                      ReportRenderer::Style style, bool summary)
{
    if (summary) {
        if (format == QLatin1String("text"))
            return std::make_unique<SummaryRenderer>(out, SummaryRenderer::Text, style);
        if (format == QLatin1String("json"))
            return std::make_unique<SummaryRenderer>(out, SummaryRenderer::Json, style);
        if (format == QLatin1String("csv"))
            return std::make_unique<SummaryRenderer>(out, SummaryRenderer::Csv, style);
        return nullptr;
    }
    if (format == QLatin1String("text"))
        return std::make_unique<TextRenderer>(out, style.terminal);
    if (format == QLatin1String("json") || format == QLatin1String("jsonl"))
        return std::make_unique<JsonRenderer>(out, format == QLatin1String("jsonl"));
    if (format == QLatin1String("csv"))
        return std::make_unique<CsvRenderer>(out, style);
    return nullptr;
}
