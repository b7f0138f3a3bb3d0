// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "progress.h"

#include "console.h"
#include "plural.h"
#include "sentence.h"

#include <QCoreApplication>

bool Progress::shown = false;

bool Progress::wanted()
{
    return Console::isTerminal(Console::Error);
}

void Progress::start(quint64 files)
{
    total = files;
    if (wanted())
        clock.start();
}

void Progress::step(quint64 done)
{
    if (!clock.isValid() || clock.elapsed() < 1000 || clock.elapsed() - drawnAt < 100)
        return;
    drawnAt = clock.elapsed();
    // The plural form follows the count that ends the sentence.
    const int n = Plural::of(total ? total : done);
    QByteArray line =
        '\r' + Sentence::fill(
                   total ? QCoreApplication::translate("tavro-cli", "%1 of %2 files", nullptr, n)
                         : QCoreApplication::translate("tavro-cli", "%1 files", nullptr, n),
                   {QByteArray::number(done), QByteArray::number(total)});
    Console::write(Console::Error, line);
    shown = true;
}

void Progress::clear()
{
    QByteArray erase = "\r\033[K";
    if (shown)
        Console::write(Console::Error, erase);
    shown = false;
}
