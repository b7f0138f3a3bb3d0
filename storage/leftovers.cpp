// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

#include <QRandomGenerator>

#include <algorithm>
#include <dirent.h>
#include <mutex>
#include <set>
#include <sys/file.h>

// The temporary names of saves, and the removal of those a killed save left: a save holds a lock
// on its temporary file for as long as the file exists, so one that nobody holds is litter.
namespace FileIo {

static constexpr char prefix[] = ".tavro-";
static constexpr char suffix[] = ".tmp";
static constexpr qsizetype affixes = sizeof prefix - 1 + sizeof suffix - 1;

// Short, so that a target name near the length limit still leaves room for it.
QByteArray temporaryName()
{
    return prefix + QByteArray::number(QRandomGenerator::global()->generate(), 16) + suffix;
}

static bool isTemporaryName(const QByteArray &name)
{
    const QByteArray number = name.mid(sizeof prefix - 1, name.size() - affixes);
    return name.startsWith(prefix) && name.endsWith(suffix) && !number.isEmpty() &&
           number.size() <= 8 && std::all_of(number.begin(), number.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// Removed only while we hold its lock and the name is still that file's, with no other name.
static void removeIfAbandoned(int folder, const char *name)
{
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    Descriptor file(::openat(folder, name, O_RDONLY | flags));
    if (!file.valid())
        file.reset(::openat(folder, name, O_WRONLY | flags)); // a write-only target's copy
    struct stat opened, named;
    if (file.valid() && ::fstat(file.get(), &opened) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_nlink == 1 && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, named))
        ::unlinkat(folder, name, 0);
}

// Once per folder in a run, so that a batch of saves into one large folder stays linear.
void removeLeftovers(int folder)
{
    static std::mutex guard;
    static std::set<std::pair<dev_t, ino_t>> looked;
    struct stat info;
    if (::fstat(folder, &info) != 0)
        return;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (!looked.insert({info.st_dev, info.st_ino}).second)
            return;
    }
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    while (const dirent *entry = ::readdir(entries)) {
        if (isTemporaryName(QByteArray(entry->d_name)))
            removeIfAbandoned(folder, entry->d_name);
    }
    ::closedir(entries);
}

} // namespace FileIo
