// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef JSONRENDERER_H
#define JSONRENDERER_H

#include "jsonwriter.h"
#include "reportrenderer.h"

// One array of objects, one file a line; keys as tavro-cli(1) documents them, and stable.
class JsonRenderer : public ReportRenderer
{
public:
    explicit JsonRenderer(QByteArray &out) : ReportRenderer(out), json(out) { out += '['; }
    void add(const QByteArray &path, const DumpInfo &info) override;
    void end() override { out += first ? "]\n" : "\n]\n"; }

private:
    JsonWriter json;
    bool first = true;
};

#endif // JSONRENDERER_H
