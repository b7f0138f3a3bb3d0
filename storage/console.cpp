// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "console.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#endif

// Standard output and error: the descriptors themselves where POSIX has them, else C's streams.
namespace Console {

bool isTerminal([[maybe_unused]] int descriptor)
{
#ifdef Q_OS_UNIX
    return ::isatty(descriptor) == 1;
#else
    return false;
#endif
}

int write(int descriptor, QByteArray &pending)
{
#ifdef Q_OS_UNIX
    while (!pending.isEmpty()) {
        const ssize_t n = ::write(descriptor, pending.constData(), size_t(pending.size()));
        if (n < 0 && errno == EINTR && !interrupted())
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        pending.remove(0, n); // keeps the capacity for the next round
    }
    return 0;
#else
    if (descriptor != Output && descriptor != Error)
        return EBADF;
    std::FILE *file = descriptor == Output ? stdout : stderr;
    errno = 0;
    pending.remove(0, qsizetype(std::fwrite(pending.constData(), 1, size_t(pending.size()), file)));
    if (pending.isEmpty() && std::fflush(file) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
#endif
}

bool waitForInput([[maybe_unused]] int descriptor)
{
#ifdef Q_OS_UNIX
    // SIGINT is held back while the flag is looked at and let in only while ppoll waits, so that
    // a Ctrl-C between the look and the wait cannot leave the wait to a second one.
    sigset_t interrupt;
    sigset_t previous;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_BLOCK, &interrupt, &previous);
    struct pollfd wanted = {descriptor, POLLIN, 0};
    while (!interrupted() && ::ppoll(&wanted, 1, nullptr, &previous) < 0 && errno == EINTR) {
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
#endif
    return !interrupted();
}

FileIo::ReadResult readInput(quint64 maxSize)
{
    FileIo::ReadResult input{FileIo::ReadResult::Read, 0, {}};
    char buffer[1 << 16];
    for (;;) {
#ifdef Q_OS_UNIX
        // A silent pipe is waited for until the user interrupts.
        if (!waitForInput(Input))
            return {FileIo::ReadResult::ReadFailed, input.size, {}, EINTR};
        const ssize_t got = ::read(Input, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR && !interrupted())
            continue;
        if (got < 0 || interrupted())
            return {FileIo::ReadResult::ReadFailed, input.size, {}, got < 0 ? errno : EINTR};
        const size_t n = size_t(got);
#else
        const size_t n = std::fread(buffer, 1, sizeof buffer, stdin);
        if (std::ferror(stdin) || interrupted())
            return {FileIo::ReadResult::ReadFailed, input.size, {}, EIO};
#endif
        if (n == 0)
            break;
        input.size += n;
        if (input.size <= maxSize)
            input.bytes.append(buffer, qsizetype(n));
    }
    if (input.size > maxSize)
        return {FileIo::ReadResult::NotRead, input.size, {}};
    return input;
}

namespace {

volatile std::sig_atomic_t interruptions = 0;

extern "C" void onInterrupt(int)
{
    if (interruptions) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
    }
    interruptions = 1;
}

} // namespace

void catchInterrupt()
{
#ifdef Q_OS_UNIX
    // Without SA_RESTART: a call that waits (a read on a pipe, a write to a full one) returns
    // EINTR at once, so that one Ctrl-C is enough.
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask); // and no flags
    sigaction(SIGINT, &action, nullptr);
#else
    std::signal(SIGINT, onInterrupt);
#endif
}

bool interrupted()
{
    return interruptions != 0;
}

void failWritesInsteadOfSignals()
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace Console
