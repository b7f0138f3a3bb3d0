// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CSVRENDERER_H
#define CSVRENDERER_H

#include "reportrenderer.h"

// RFC 4180: a header, then one row per file; columns as tavro-cli(1) documents them, and stable.
class CsvRenderer : public ReportRenderer
{
public:
    explicit CsvRenderer(QByteArray &out);
    void add(const QByteArray &path, const DumpInfo &info) override;
};

#endif // CSVRENDERER_H
