// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "console.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace Console {

bool isTerminal(Stream stream)
{
    return ::isatty(stream) == 1;
}

int write(Stream stream, QByteArray &pending)
{
    while (!pending.isEmpty()) {
        const ssize_t n = ::write(stream, pending.constData(), size_t(pending.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        pending.remove(0, n); // keeps the capacity for the next round
    }
    return 0;
}

void failWritesInsteadOfSignals()
{
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace Console
