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

QByteArray englishSystemMessage(int error)
{
#ifdef Q_OS_UNIX
    static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (english)
        return ::strerror_l(error, english);
#endif
    return QByteArray::fromStdString(std::system_category().message(error));
}

QByteArray systemMessage(int error)
{
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
