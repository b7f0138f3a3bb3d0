// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "namelist.h"

#include "console.h"

#include <cerrno>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Opened through C's streams, so that it builds on every system; read through the descriptor
// where POSIX has one.
NameList::NameList(const QByteArray &nativePath, char separator)
    : file(nativePath.isEmpty() ? stdin : std::fopen(nativePath.constData(), "rb")),
      separator(separator)
{
    if (!file)
        failure = errno;
}

NameList::~NameList()
{
    if (file && file != stdin)
        std::fclose(file);
}

bool NameList::next(QByteArray &name)
{
    while (file && !failure) {
        const qsizetype end = pending.indexOf(separator, start);
        if (end >= 0 || (ended && start < pending.size())) {
            const qsizetype stop = end >= 0 ? end : pending.size();
            name = pending.mid(start, stop - start);
            start = stop + 1;
            if (!name.isEmpty())
                return true;
            continue;
        }
        if (ended)
            return false;
        pending.remove(0, start);
        start = 0;
        char buffer[1 << 16];
#ifdef Q_OS_UNIX
        // What the pipe holds now, so that the names a slow writer (find) gives are taken as
        // they come; fread would wait for its buffer to fill.
        // The user's Ctrl-C ends the list, also while a slow writer says nothing.
        if (!Console::waitForInput(::fileno(file))) {
            failure = EINTR;
            break;
        }
        const ssize_t n = ::read(::fileno(file), buffer, sizeof buffer);
        if (n < 0)
            failure = errno;
        pending.append(buffer, qsizetype(qMax<ssize_t>(n, 0)));
        ended = n <= 0;
#else
        errno = 0;
        const size_t n = std::fread(buffer, 1, sizeof buffer, file);
        pending.append(buffer, qsizetype(n));
        if (std::ferror(file))
            failure = errno ? errno : EIO;
        ended = n < sizeof buffer;
#endif
    }
    return false;
}
