// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "textrenderer.h"

#include "dumpreport.h"
#include "terminaltext.h"

void TextRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    if (!first)
        out += '\n';
    first = false;
    out += (terminal ? TerminalText::escaped(path) : path) + '\n' +
           DumpReport::render(info, DumpReport::PlainText).toUtf8();
}
