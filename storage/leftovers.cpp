// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "posixfile.h"

#include <QRandomGenerator>

#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <mutex>
#include <set>
#include <sys/file.h>

// The temporary names of saves, and the removal of what killed saves left. A save holds a lock on
// its temporary file for as long as the file exists, but a lock is seen on one system's mount
// only: another client of a share may be writing a file that looks abandoned from here. So a
// name also tells which system made it, until that system starts again: one of this system's
// that nobody holds is litter at once, another's once nothing has changed it for an hour.
namespace FileIo {

static constexpr char prefix[] = ".tavro-";
static constexpr char suffix[] = ".tmp";
static constexpr qsizetype affixes = sizeof prefix - 1 + sizeof suffix - 1;
static constexpr qsizetype markLength = 8;
// Far longer than any save takes, however slow the share; counted from the last write, which a
// save makes just before it names its file.
static constexpr time_t graceSeconds = 3600;
// What a claim starts with: no image does (a cleaned one starts with zeros, a text with ':' or
// 'S'), and no name holds the NUL that ends it.
static constexpr char claimMark[] = "TAVRO-CLAIM";
static constexpr qsizetype claimLimit = 65536;

static bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// The first digits of this boot's id (random at every start of the system); empty where there is
// none, and then every name counts as another system's.
static const QByteArray &systemMark()
{
    static const QByteArray mark = [] {
        QByteArray id(markLength, '\0');
        const Descriptor file(::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC));
        if (!file.valid() || readUpTo(file.get(), id.data(), markLength) != markLength ||
            !std::all_of(id.begin(), id.end(), isHexDigit))
            return QByteArray();
        return id;
    }();
    return mark;
}

// Short, so that a target name near the length limit still leaves room for it.
QByteArray temporaryName()
{
    const QByteArray number = QByteArray::number(QRandomGenerator::global()->generate(), 16);
    if (systemMark().isEmpty())
        return prefix + number + suffix;
    return prefix + systemMark() + number.rightJustified(markLength, '0') + suffix;
}

QByteArray claim(const QByteArray &name, const QByteArray &bytes)
{
    return QByteArray(claimMark, sizeof claimMark) + name + '\0' + bytes;
}

enum class Maker { None, ThisSystem, Another };

// Earlier versions made names of up to eight digits, without a mark.
static Maker madeBy(const QByteArray &name)
{
    const QByteArray number = name.mid(sizeof prefix - 1, name.size() - affixes);
    if (!name.startsWith(prefix) || !name.endsWith(suffix) || number.isEmpty() ||
        number.size() > 2 * markLength || !std::all_of(number.begin(), number.end(), isHexDigit))
        return Maker::None;
    return number.size() == 2 * markLength && !systemMark().isEmpty() &&
                   number.startsWith(systemMark())
               ? Maker::ThisSystem
               : Maker::Another;
}

Unfinished removeUnfinished(int folder, const QByteArray &name, const QByteArray &bytes, bool whole,
                            uid_t owner)
{
    constexpr int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const Descriptor file(::openat(folder, name.constData(), flags));
    if (!file.valid())
        return errno == ENOENT || errno == ELOOP ? Unfinished::NotOurs : Unfinished::Unknown;
    struct stat opened, named;
    if (::fstat(file.get(), &opened) != 0)
        return Unfinished::Unknown;
    if (!S_ISREG(opened.st_mode) || opened.st_nlink != 1 || opened.st_uid != owner)
        return Unfinished::NotOurs;
    QByteArray there(bytes.size() + 1, '\0');
    const qint64 size = readUpTo(file.get(), there.data(), quint64(there.size()));
    if (size < 0)
        return Unfinished::Unknown;
    if (size > bytes.size() || (size == bytes.size() && !whole) ||
        !bytes.startsWith(there.left(size)))
        return Unfinished::NotOurs;
    if (::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0)
        return Unfinished::Unknown;
    if (!sameFile(opened, named))
        return Unfinished::NotOurs;
    return ::unlinkat(folder, name.constData(), 0) == 0 ? Unfinished::Removed : Unfinished::Unknown;
}

// Removed only while we hold its lock and the name is still that file's, with no other name;
// another system's only once it is old. A claim goes with the unfinished file it names: one in
// the same folder, of the same owner (no one else's claim in a shared folder removes our file).
static bool removeIfAbandoned(int folder, const char *name, Maker maker)
{
    constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    Descriptor file(::openat(folder, name, O_RDONLY | flags));
    const bool readable = file.valid();
    if (!readable)
        file.reset(::openat(folder, name, O_WRONLY | flags)); // a write-only target's copy
    struct stat opened, named;
    if (!file.valid() || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_nlink != 1 || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return false;
    if (maker != Maker::ThisSystem && std::time(nullptr) - opened.st_mtime < graceSeconds)
        return false;
    QByteArray content(readable ? claimLimit : 0, '\0');
    const qint64 size = readUpTo(file.get(), content.data(), quint64(content.size()));
    content.truncate(qMax<qint64>(size, 0));
    const qsizetype end = content.indexOf('\0', sizeof claimMark);
    const QByteArray claimed = content.mid(sizeof claimMark, end - qsizetype(sizeof claimMark));
    if (content.startsWith(QByteArray(claimMark, sizeof claimMark)) && end > 0 &&
        !claimed.contains('/') && claimed != "." && claimed != ".." &&
        removeUnfinished(folder, claimed, content.mid(end + 1), false, opened.st_uid) ==
            Unfinished::Unknown)
        return false;
    return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, named) &&
           ::unlinkat(folder, name, 0) == 0;
}

// Once per folder in a run, so that a batch of saves into one large folder stays linear.
bool sweepFolder(int folder)
{
    static std::mutex guard;
    static std::set<std::pair<dev_t, ino_t>> looked;
    struct stat info;
    if (::fstat(folder, &info) != 0)
        return false;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (!looked.insert({info.st_dev, info.st_ino}).second)
            return false;
    }
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return false;
    }
    bool removed = false;
    while (const dirent *entry = ::readdir(entries)) {
        const Maker maker = madeBy(QByteArray(entry->d_name));
        if (maker != Maker::None && removeIfAbandoned(folder, entry->d_name, maker))
            removed = true;
    }
    ::closedir(entries);
    return removed;
}

bool removeLeftovers(const QByteArray &nativePath)
{
    const qsizetype slash = nativePath.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : nativePath.left(slash);
    const Descriptor opened(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return opened.valid() && sweepFolder(opened.get());
}

} // namespace FileIo
