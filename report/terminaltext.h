// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef TERMINALTEXT_H
#define TERMINALTEXT_H

#include <QByteArray>

// Text bound for a terminal, where a file name must neither recolour nor rewrite what is shown.
namespace TerminalText {

// A file name as a terminal must show it: control characters as `ls -b` shows them (\033, \n),
// a backslash doubled, bytes that are no UTF-8 as U+FFFD, and the marks that turn a line right
// to left as their bytes.
QByteArray escaped(const QByteArray &name);

} // namespace TerminalText

#endif // TERMINALTEXT_H
