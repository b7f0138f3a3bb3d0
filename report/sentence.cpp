// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "sentence.h"

QByteArray Sentence::fill(const QString &sentence, const QList<QByteArray> &values)
{
    const QByteArray text = sentence.toUtf8();
    QByteArray filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int index = i + 1 < text.size() ? text.at(i + 1) - '1' : -1;
        if (text.at(i) == '%' && index >= 0 && index < qMin<qsizetype>(9, values.size())) {
            filled += values.at(index);
            ++i;
        } else {
            filled += text.at(i);
        }
    }
    return filled;
}
