// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "stopsignals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
constexpr int stopping[] = {SIGINT, SIGTERM, SIGHUP};

// Whichever thread the kernel picks runs this; a write to a pipe is all it may safely do. Programs
// it starts get the signals' usual effect back, as an exec resets a handler (a blocked mask would
// be inherited instead).
void forward(int signal)
{
    const int saved = errno;
    const char number = char(signal);
    (void)!::write(pipeEnds[1], &number, 1);
    errno = saved;
}

} // namespace

StopSignals::StopSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &StopSignals::readPending);
    struct sigaction action = {};
    action.sa_handler = forward;
    action.sa_flags = SA_RESTART; // the save's calls go on where they were
    sigemptyset(&action.sa_mask);
    for (const int signal : stopping)
        ::sigaction(signal, &action, nullptr);
}

StopSignals::~StopSignals()
{
    if (!notifier)
        return;
    for (const int signal : stopping)
        ::signal(signal, SIG_DFL);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

void StopSignals::readPending()
{
    char number = 0;
    while (::read(pipeEnds[0], &number, 1) == 1)
        emit received(number);
}

#else
StopSignals::StopSignals(QObject *parent) : QObject(parent) {}
StopSignals::~StopSignals() = default;
void StopSignals::readPending() {}
#endif
