// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "refusal.h"

#include <QCoreApplication>

QString Refusal::compose(bool translated) const
{
    if (!reason)
        return QString();
    const auto sentence = [translated](const char *source, int n = -1) {
        return translated ? QCoreApplication::translate("RecordText", source, nullptr, n)
                          : QString::fromUtf8(source);
    };
    QString why = sentence(reason, count);
    // All values at once, so that a value holding "%2" is never taken for a placeholder.
    if (values.size() == 1)
        why = why.arg(values.at(0));
    else if (values.size() == 2)
        why = why.arg(values.at(0), values.at(1));
    else if (values.size() == 3)
        why = why.arg(values.at(0), values.at(1), values.at(2));
    if (line <= 0)
        return why;
    return sentence(QT_TRANSLATE_NOOP("RecordText", "line %1: %2")).arg(QString::number(line), why);
}
