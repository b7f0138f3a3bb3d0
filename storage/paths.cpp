// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "paths.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <locale.h>
#endif
#include <filesystem>
#include <system_error>

// What tavro-cli asks of a path, through std::filesystem so that it builds on every system.
// Errors are the system's numbers, in the system's category.
namespace Paths {

namespace fs = std::filesystem;

bool Info::missing() const
{
    const std::error_code code(error, std::system_category());
    return type == Nothing &&
           (code == std::errc::no_such_file_or_directory || code == std::errc::not_a_directory);
}

Info inspect(const QByteArray &path, bool followLinks)
{
    std::error_code error;
    const fs::file_status status = followLinks ? fs::status(path.constData(), error)
                                               : fs::symlink_status(path.constData(), error);
    if (error)
        return {Nothing, error.value()};
    const fs::file_type type = status.type();
    return {type == fs::file_type::regular     ? File
            : type == fs::file_type::directory ? Folder
                                               : Other,
            0};
}

bool sameFile(const QByteArray &a, const QByteArray &b)
{
    std::error_code error; // FIFOs, devices and sockets are never compared: not the same
    return fs::equivalent(a.constData(), b.constData(), error);
}

QByteArray whyNotRead(int error)
{
    if (error == 0)
        return QCoreApplication::translate("tavro-cli", "is not a regular file").toUtf8();
    if (error == EISDIR)
        return QCoreApplication::translate("tavro-cli", "is a folder").toUtf8();
    return systemMessage(error);
}

QByteArray englishWhyNotRead(int error)
{
    if (error == 0)
        return "not a regular file";
    if (error == EISDIR)
        return "a folder";
    return englishSystemMessage(error);
}

namespace {

// The system's reasons a program that reads and saves files meets, in the GNU C library's English
// words, translated in our own catalogues (context SystemError): the system's translations are
// installed with its locales, which a server seldom has, and a message must not mix two
// languages.
struct Reason
{
    int error;
    const char *english;
};
const Reason reasons[] = {
    {EPERM, QT_TRANSLATE_NOOP("SystemError", "Operation not permitted")},
    {ENOENT, QT_TRANSLATE_NOOP("SystemError", "No such file or directory")},
    {EINTR, QT_TRANSLATE_NOOP("SystemError", "Interrupted system call")},
    {EIO, QT_TRANSLATE_NOOP("SystemError", "Input/output error")},
    {ENXIO, QT_TRANSLATE_NOOP("SystemError", "No such device or address")},
    {EBADF, QT_TRANSLATE_NOOP("SystemError", "Bad file descriptor")},
    {EAGAIN, QT_TRANSLATE_NOOP("SystemError", "Resource temporarily unavailable")},
    {ENOMEM, QT_TRANSLATE_NOOP("SystemError", "Cannot allocate memory")},
    {EACCES, QT_TRANSLATE_NOOP("SystemError", "Permission denied")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemError", "Device or resource busy")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemError", "File exists")},
    {EXDEV, QT_TRANSLATE_NOOP("SystemError", "Invalid cross-device link")},
    {ENODEV, QT_TRANSLATE_NOOP("SystemError", "No such device")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemError", "Not a directory")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemError", "Is a directory")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemError", "Invalid argument")},
    {ENFILE, QT_TRANSLATE_NOOP("SystemError", "Too many open files in system")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemError", "Too many open files")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemError", "Text file busy")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemError", "File too large")},
    {ENOSPC, QT_TRANSLATE_NOOP("SystemError", "No space left on device")},
    {EROFS, QT_TRANSLATE_NOOP("SystemError", "Read-only file system")},
    {EMLINK, QT_TRANSLATE_NOOP("SystemError", "Too many links")},
    {EPIPE, QT_TRANSLATE_NOOP("SystemError", "Broken pipe")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemError", "File name too long")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("SystemError", "Directory not empty")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemError", "Too many levels of symbolic links")},
    {EOVERFLOW, QT_TRANSLATE_NOOP("SystemError", "Value too large for defined data type")},
    {EOPNOTSUPP, QT_TRANSLATE_NOOP("SystemError", "Operation not supported")},
    {ENOTCONN, QT_TRANSLATE_NOOP("SystemError", "Transport endpoint is not connected")},
    {ETIMEDOUT, QT_TRANSLATE_NOOP("SystemError", "Connection timed out")},
#ifdef Q_OS_UNIX // not in every C library: Windows' has none of these
    {EHOSTDOWN, QT_TRANSLATE_NOOP("SystemError", "Host is down")},
    {ESTALE, QT_TRANSLATE_NOOP("SystemError", "Stale file handle")},
    {EDQUOT, QT_TRANSLATE_NOOP("SystemError", "Disk quota exceeded")},
#endif
};

const char *englishReason(int error)
{
    for (const Reason &reason : reasons) {
        if (reason.error == error)
            return reason.english;
    }
    return nullptr;
}

} // namespace

QByteArray englishSystemMessage(int error)
{
    if (const char *english = englishReason(error))
        return english;
#ifdef Q_OS_UNIX
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (english)
        return ::strerror_l(error, english);
#endif
    return QByteArray::fromStdString(std::system_category().message(error));
}

QByteArray systemMessage(int error)
{
    if (const char *english = englishReason(error))
        return QCoreApplication::translate("SystemError", english).toUtf8();
#ifdef Q_OS_UNIX
    return std::strerror(error);
#else
    return QByteArray::fromStdString(std::system_category().message(error));
#endif
}

int descriptorOf(const QByteArray &path)
{
    if (path == "/dev/stdout")
        return 1;
    if (path == "/dev/stderr")
        return 2;
    for (const char *folder : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
        const QByteArray number = path.mid(qsizetype(qstrlen(folder)));
        if (path.startsWith(folder) && !number.isEmpty() && number.size() < 10 &&
            std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return number.toInt();
    }
    return -1;
}

QByteArray canonical(const QByteArray &path)
{
    std::error_code error;
    const fs::path resolved = fs::weakly_canonical(path.constData(), error);
    return error ? path : QByteArray::fromStdString(resolved.string());
}

int makeFolders(const QByteArray &path)
{
    std::error_code error;
    fs::create_directories(path.constData(), error);
    return error.value();
}

} // namespace Paths
