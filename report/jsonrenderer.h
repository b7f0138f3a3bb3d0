// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef JSONRENDERER_H
#define JSONRENDERER_H

#include "jsonwriter.h"
#include "reportrenderer.h"

// One array of objects, one file a line; or, as JSON Lines, the objects alone, one a line, so
// that the output of several runs joins into one. Keys as tavro-cli(1) documents them, and
// stable.
class JsonRenderer : public ReportRenderer
{
public:
    JsonRenderer(QByteArray &out, bool lines) : ReportRenderer(out), json(out), lines(lines)
    {
        if (!lines)
            out += '[';
    }
    void add(const QByteArray &path, const DumpInfo &info) override;
    void end() override;

private:
    JsonWriter json;
    bool lines;
    bool first = true;
};

#endif // JSONRENDERER_H
