// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "terminaltext.h"

#include <QString>

QByteArray TerminalText::escaped(const QByteArray &name)
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
