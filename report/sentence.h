// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef SENTENCE_H
#define SENTENCE_H

#include <QByteArray>
#include <QList>
#include <QString>

// A sentence for people with its placeholders %1 to %9 filled in. The sentence stays whole, so
// that it can be translated as one; the values go in byte for byte, so that a file name that is
// no valid UTF-8 comes out as the system spells it.
namespace Sentence {

QByteArray fill(const QString &sentence, const QList<QByteArray> &values = {});

} // namespace Sentence

#endif // SENTENCE_H
