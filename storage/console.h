// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef CONSOLE_H
#define CONSOLE_H

#include "fileio.h"

#include <QByteArray>

// Standard input, output and error of a command-line program, written without stdio's buffering
// so that every failed write is seen, and the interrupt from the terminal (Ctrl-C).
namespace Console {

enum Stream { Input = 0, Output = 1, Error = 2 };

bool isTerminal(int descriptor);
// Writes `pending` to a descriptor (standard output, or one the caller was given, as
// /dev/fd/3 names it), removing what was written: 0 once all is out, else the error number
// (EINTR when the user interrupted a write that waited).
int write(int descriptor, QByteArray &pending);
// Waits until `descriptor` can be read (at its end too), or the user interrupts: then false.
bool waitForInput(int descriptor);
// Reads standard input to its end, keeping the bytes when there are at most `maxSize`; `size`
// counts them all. Reading stops early, as a failed read, once the user interrupts.
FileIo::ReadResult readInput(quint64 maxSize);
// A closed pipe and a file-size limit fail a write instead of ending the program.
void failWritesInsteadOfSignals();
// From now on the first Ctrl-C (SIGINT) only sets interrupted() and ends any read or write that
// waits, so that a command can stop between two files, close its output and tidy the terminal;
// a second one ends the program at once.
void catchInterrupt();
bool interrupted();

} // namespace Console

#endif // CONSOLE_H
