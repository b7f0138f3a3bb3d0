// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CONSOLE_H
#define CONSOLE_H

#include <QByteArray>

// Standard output and error of a command-line program, written without stdio's buffering so
// that every failed write is seen.
namespace Console {

enum Stream { Output = 1, Error = 2 };

bool isTerminal(Stream stream);
// Writes `pending` out, removing what was written: 0 once all is out, else the error number.
int write(Stream stream, QByteArray &pending);
// A closed pipe and a file-size limit fail a write instead of ending the program.
void failWritesInsteadOfSignals();

} // namespace Console

#endif // CONSOLE_H
