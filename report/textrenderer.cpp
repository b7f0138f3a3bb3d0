// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "textrenderer.h"

#include "dumpinfo.h"
#include "dumpreport.h"
#include "paths.h"
#include "sentence.h"
#include "terminaltext.h"

#include <QCoreApplication>

void TextRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    if (!first)
        out += '\n';
    first = false;
    out += (terminal ? TerminalText::escaped(path) : path) + '\n';
    QByteArray report = DumpReport::render(info, DumpReport::PlainText).toUtf8();
    // The window's line alone says nothing of why; a batch names the system's reason.
    if (info.problem == DumpInfo::CannotOpen)
        report = Sentence::fill(QCoreApplication::translate("tavro-cli", "%1: %2"),
                                {report.chopped(1), Paths::whyNotRead(info.systemError)}) +
                 '\n';
    out += report;
}
