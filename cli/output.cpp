// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "output.h"

#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

Output::Output() : terminal(::isatty(STDOUT_FILENO) == 1)
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
    while (!pending.isEmpty()) {
        const ssize_t n = ::write(STDOUT_FILENO, pending.constData(), size_t(pending.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            return false;
        }
        pending.remove(0, n); // keeps the capacity for the next round
    }
    return true;
}

int Output::finish(int status)
{
    if (flush())
        return status;
    if (error == EPIPE)
        return 141;
    message("cannot write the output: " + QByteArray(std::strerror(error)));
    return 2;
}

QByteArray Output::escaped(const QByteArray &name)
{
    QString shown;
    const QString text = QString::fromUtf8(name);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 7 && u <= 13) {
            shown += QLatin1Char('\\');
            shown += QLatin1Char("abtnvfr"[u - 7]);
        } else if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || (u >= 0x202a && u <= 0x202e) ||
                   (u >= 0x2066 && u <= 0x2069)) {
            // Control characters, and the marks that turn the rest of a line right to left.
            const QByteArray bytes = QString(c).toUtf8();
            for (const char byte : bytes)
                shown += QStringLiteral("\\%1").arg(uchar(byte), 3, 8, QLatin1Char('0'));
        } else {
            if (u == u'\\')
                shown += c;
            shown += c;
        }
    }
    return shown.toUtf8();
}

void Output::message(const QByteArray &text)
{
    static const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const QByteArray line = "tavro-cli: " + (terminal ? escaped(text) : text) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr); // a whole line goes at once
}
