// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef STOPSIGNALS_H
#define STOPSIGNALS_H

#include <QObject>

class QSocketNotifier;

// Ctrl-C, kill and a logout's hang-up turned from an end at any moment, on any thread, into an
// event: the program ends when its event loop gets there, never in the middle of a save.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    // Takes SIGINT, SIGTERM and SIGHUP for the whole process from now on.
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    void received(int signal);

private:
    void readPending();

    QSocketNotifier *notifier = nullptr;
};

#endif // STOPSIGNALS_H
