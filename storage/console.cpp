// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "console.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Standard output and error: the descriptors themselves where POSIX has them, else C's streams.
namespace Console {

bool isTerminal([[maybe_unused]] Stream stream)
{
#ifdef Q_OS_UNIX
    return ::isatty(stream) == 1;
#else
    return false;
#endif
}

int write(Stream stream, QByteArray &pending)
{
#ifdef Q_OS_UNIX
    while (!pending.isEmpty()) {
        const ssize_t n = ::write(stream, pending.constData(), size_t(pending.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        pending.remove(0, n); // keeps the capacity for the next round
    }
    return 0;
#else
    std::FILE *file = stream == Output ? stdout : stderr;
    errno = 0;
    pending.remove(0, qsizetype(std::fwrite(pending.constData(), 1, size_t(pending.size()), file)));
    if (pending.isEmpty() && std::fflush(file) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
#endif
}

void failWritesInsteadOfSignals()
{
#ifdef Q_OS_UNIX
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace Console
