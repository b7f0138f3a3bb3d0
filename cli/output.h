// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef OUTPUT_H
#define OUTPUT_H

#include "terminaltext.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Standard output, buffered, with every write checked: a closed pipe (`| head`) and a full disk
// (`> /dev/full`) must be told apart from success, and from each other. Messages go to standard
// error unbuffered, file names in them escaped as on standard output.
class Output
{
public:
    Output();

    QByteArray &buffer() { return pending; }
    // Writes what is pending once there is a good amount of it, or always when `now`.
    bool flush(bool now = true);
    // Writes what is pending; the exit status: `status`, 141 once the reader closed the pipe
    // (`| head`, as if killed by SIGPIPE), or 2 with a message when the write failed.
    int finish(int status);
    bool isTerminal() const { return terminal; }
    // A file name as this output shows it: exact into a pipe or file, escaped on a terminal.
    QByteArray name(const QByteArray &path) const
    {
        return terminal ? TerminalText::escaped(path) : path;
    }
    static void message(const QByteArray &text);
    // A sentence with its placeholders filled in (see Sentence) as a message.
    static void message(const QString &sentence, const QList<QByteArray> &values = {});
    // A command's exit status, once the sentence that explains it is on standard error.
    static int fail(int status, const QString &sentence, const QList<QByteArray> &values = {});

private:
    bool terminal;
    int error = 0;
    QByteArray pending;
};

#endif // OUTPUT_H
