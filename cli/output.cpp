#include "output.h"

#include <cerrno>
#include <unistd.h>

Output::Output(int fd) : fd(fd), terminal(::isatty(fd) == 1)
{
    pending.reserve(1 << 17);
}

bool Output::flush(bool now)
{
    if (error)
        return false;
    // A terminal sees each file's result as soon as it is there.
    if (!now && !terminal && pending.size() < (1 << 16))
        return true;
    qsizetype done = 0;
    while (done < pending.size()) {
        const ssize_t n = ::write(fd, pending.constData() + done, size_t(pending.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            return false;
        }
        done += n;
    }
    pending.resize(0); // keeps the capacity for the next round
    return true;
}

bool Output::closedByReader() const
{
    return error == EPIPE;
}
