// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef REFUSAL_H
#define REFUSAL_H

#include <QString>
#include <QStringList>

// Why a programmer's text gives no image, kept as the reader's English sentence (context
// RecordText) with its values and the line it was found at, so that one record reads in the
// user's language for people and in English, unchanged from release to release, for JSON and CSV.
class Refusal
{
public:
    Refusal() = default;
    // `line` 0 for a reason that belongs to no line; `reason` a sentence marked with
    // QT_TRANSLATE_NOOP("RecordText", ...) whose %1, %2... take `values`; `count`, when the
    // sentence counts something, the number that picks its plural form (-1: none).
    Refusal(int line, const char *reason, const QStringList &values = {}, int count = -1)
        : line(line), reason(reason), values(values), count(count)
    {
    }

    bool isEmpty() const { return !reason; }
    // "line 17: checksum 0x3A, expected 0x3B", in the user's language.
    QString text() const { return compose(true); }
    // The same in English: what scripts read.
    QString englishText() const { return compose(false); }

private:
    QString compose(bool translated) const;

    int line = 0;
    const char *reason = nullptr;
    QStringList values;
    int count = -1;
};

#endif // REFUSAL_H
