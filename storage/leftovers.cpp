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
#include <sys/sysmacros.h>

// The temporary names of saves, and the removal of what killed saves left. A save holds a lock on
// its temporary file for as long as the file exists, but a lock is seen through one mount only:
// another client of a share, or another mount of it here, may be writing a file that looks
// abandoned from this one. So a name also tells which system made it (until that system starts
// again) and through which mount. One made through this mount, or through one that is gone (a
// stick pulled and put back), that nobody holds is litter at once; any other once nothing has
// written to it for an hour.
namespace FileIo {

static constexpr char prefix[] = ".tavro-";
static constexpr char suffix[] = ".tmp";
static constexpr qsizetype affixes = sizeof prefix - 1 + sizeof suffix - 1;
static constexpr qsizetype digits = 8; // of the system, the mount and the random part each
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
        QByteArray id(digits, '\0');
        const Descriptor file(::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC));
        if (!file.valid() || readUpTo(file.get(), id.data(), digits) != digits ||
            !std::all_of(id.begin(), id.end(), isHexDigit))
            return QByteArray();
        return id;
    }();
    return mark;
}

static QByteArray hexDigits(quint32 number)
{
    return QByteArray::number(number, 16).rightJustified(digits, '0');
}

// A mount's device number, as the system numbers them while it runs.
static QByteArray mountMark(unsigned int major, unsigned int minor)
{
    return hexDigits(quint32(major) << 20 | quint32(minor & 0xfffff));
}

static QByteArray mountMark(dev_t device)
{
    return mountMark(major(device), minor(device));
}

// Short, so that a target name near the length limit still leaves room for it.
QByteArray temporaryName(int folder)
{
    const quint32 number = QRandomGenerator::global()->generate();
    struct stat info;
    if (systemMark().isEmpty() || ::fstat(folder, &info) != 0)
        return prefix + QByteArray::number(number, 16) + suffix;
    return prefix + systemMark() + mountMark(info.st_dev) + hexDigits(number) + suffix;
}

QByteArray claim(const QByteArray &name, const QByteArray &bytes)
{
    return QByteArray(claimMark, sizeof claimMark) + name + '\0' + bytes;
}

namespace {

// The mounts of this system as marked in names, read once a sweep needs them; unknown, every
// other mount counts as alive.
class Mounts
{
public:
    bool alive(const QByteArray &mark)
    {
        if (!read) {
            read = true;
            // Its size is not told: read to the end, within a bound no table comes near.
            const Descriptor file(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC));
            QByteArray table(1 << 22, Qt::Uninitialized);
            const qint64 got =
                file.valid() ? readUpTo(file.get(), table.data(), quint64(table.size())) : -1;
            known = got > 0 && got < table.size();
            table.truncate(qMax<qint64>(got, 0));
            for (const QByteArray &line : table.split('\n')) {
                const QList<QByteArray> numbers = line.split(' ').value(2).split(':');
                if (numbers.size() == 2)
                    marks.insert(mountMark(numbers[0].toUInt(), numbers[1].toUInt()));
            }
        }
        return !known || marks.count(mark) > 0;
    }

private:
    bool read = false;
    bool known = false;
    std::set<QByteArray> marks;
};

enum class Maker { None, Abandoned, Unknown };

// Whether a name is a temporary one, and whether its lock alone tells that no save is writing it:
// made through the mount of `device` in this run of the system, or through one that is gone.
// Earlier versions made names of up to eight digits, without marks.
Maker madeBy(const QByteArray &name, dev_t device, Mounts &mounts)
{
    const QByteArray number = name.mid(sizeof prefix - 1, name.size() - affixes);
    if (!name.startsWith(prefix) || !name.endsWith(suffix) || number.isEmpty() ||
        (number.size() > digits && number.size() != 3 * digits) ||
        !std::all_of(number.begin(), number.end(), isHexDigit))
        return Maker::None;
    if (number.size() == digits * 3 && !systemMark().isEmpty() && number.startsWith(systemMark())) {
        const QByteArray mount = number.mid(digits, digits);
        if (mount == mountMark(device) || !mounts.alive(mount))
            return Maker::Abandoned;
    }
    return Maker::Unknown;
}

} // namespace

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
// where the lock may not be seen from here, only once it is old. A claim goes with the unfinished
// file it names: one in the same folder, of the same owner (no one else's claim in a shared folder
// removes our file).
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
    if (maker != Maker::Abandoned && std::time(nullptr) - opened.st_mtime < graceSeconds)
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
    Mounts mounts;
    while (const dirent *entry = ::readdir(entries)) {
        const Maker maker = madeBy(QByteArray(entry->d_name), info.st_dev, mounts);
        if (maker != Maker::None && removeIfAbandoned(folder, entry->d_name, maker))
            removed = true;
    }
    ::closedir(entries);
    return removed;
}

bool removeLeftovers(const QByteArray &nativePath)
{
    const Descriptor opened(
        ::open(folderOf(nativePath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return opened.valid() && sweepFolder(opened.get());
}

} // namespace FileIo
