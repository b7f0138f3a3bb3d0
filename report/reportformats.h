// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef REPORTFORMATS_H
#define REPORTFORMATS_H

#include "reportrenderer.h"

#include <QByteArray>
#include <QString>

#include <memory>

// The formats tavro-cli's -f names, each its renderer: the one place that knows them all.
namespace ReportFormats {

// The renderer of `format` writing into `out`, or nullptr when there is no such format: a report
// of each file ("text", "json", "jsonl", "csv"), or with `summary` the counts over all of them
// ("text", "json", "csv"). Writes what comes before the first file (CSV's header, JSON's opening
// bracket).
std::unique_ptr<ReportRenderer> create(const QString &format, QByteArray &out,
                                       ReportRenderer::Style style, bool summary = false);

} // namespace ReportFormats

#endif // REPORTFORMATS_H
