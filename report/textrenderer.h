// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef TEXTRENDERER_H
#define TEXTRENDERER_H

#include "reportrenderer.h"

// The window's report, line for line, under each file's path; a blank line between files.
class TextRenderer : public ReportRenderer
{
public:
    TextRenderer(QByteArray &out, bool terminal) : ReportRenderer(out), terminal(terminal) {}
    void add(const QByteArray &path, const DumpInfo &info) override;

private:
    bool terminal;
    bool first = true;
};

#endif // TEXTRENDERER_H
