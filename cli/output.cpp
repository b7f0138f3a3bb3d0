// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "output.h"

#include "console.h"
#include "exitstatus.h"
#include "paths.h"
#include "progress.h"
#include "sentence.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>

Output::Output() : terminal(Console::isTerminal(Console::Output))
{
    pending.reserve(1 << 17);
}

bool Output::flush(bool now)
{
    if (error)
        return false;
    // A terminal sees each file's result as soon as it is there.
    if (!now && !terminal && pending.size() < (1 << 16))
        return true;
    if (terminal && !pending.isEmpty())
        Progress::clear();
    error = Console::write(Console::Output, pending);
    return error == 0;
}

int Output::finish(int status)
{
    if (flush())
        return status;
    if (error == EPIPE)
        return ExitStatus::ReaderGone;
    if (error == EINTR) // Ctrl-C while the reader was not reading
        return ExitStatus::Interrupted;
    message(QCoreApplication::translate("tavro-cli", "cannot write the output: %1"),
            {Paths::systemMessage(error)});
    return ExitStatus::Trouble;
}

void Output::message(const QByteArray &text)
{
    Progress::clear();
    static const bool terminal = Console::isTerminal(Console::Error);
    const QByteArray line = "tavro-cli: " + (terminal ? TerminalText::escaped(text) : text) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr); // a whole line goes at once
}

void Output::message(const QString &sentence, const QList<QByteArray> &values)
{
    message(Sentence::fill(sentence, values));
}

int Output::fail(int status, const QString &sentence, const QList<QByteArray> &values)
{
    message(sentence, values);
    return status;
}
