// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef PROGRESS_H
#define PROGRESS_H

#include <QElapsedTimer>

// "120 of 4000 files" on standard error while a batch runs (or "120 files" when the number is
// not known beforehand), once the work has lasted a second, at most ten times a second, and only
// when standard error is a terminal.
class Progress
{
public:
    // Whether there is a terminal to show it on; only then is the total worth counting.
    static bool wanted();
    void start(quint64 files);
    void step(quint64 done);
    // Erases the line, before other text goes to the terminal and at the end.
    static void clear();

private:
    quint64 total = 0;
    QElapsedTimer clock;
    qint64 drawnAt = -1000;
    static bool shown; // one line, whichever batch drew it
};

#endif // PROGRESS_H
