// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "faultinjection.h"
#include "fileio.h"
#include "paths.h"
#include "testimage.h"

#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// QSKIP takes its message alone, which clang's pedantic C++17 warns of at every use.
#ifdef __clang__
#pragma clang diagnostic ignored "-Wgnu-zero-variadic-macro-arguments"
#endif

// Saving on storage that misbehaves: faults injected into the system calls with libfiu's POSIX
// preload (the suite runs under LD_PRELOAD=fiu_posix_preload.so), files owned by others and
// shared through hard links, and a save made by an unprivileged user.
class TestStorage : public QObject
{
    Q_OBJECT

public:
    static void initMain();

private slots:
    void initTestCase();
    void createOnlyNeverReplaces();
    void leftoversSwept_data();
    void leftoversSwept();
    void anotherUsersLinkInStickyFolder();
    void longNames_data();
    void longNames();
    void kernelFilesRefused();
    void folderKeepsNames_data();
    void folderKeepsNames();
    void attributesKept_data();
    void attributesKept();
    void linkSwappedInBeforeWriteInPlace();
    void saveKeepsIdentity_data();
    void saveKeepsIdentity();
    void systemReasons();

private:
    static bool saveAsNobody(const QString &folder, const QString &target, QByteArray &output);

    QTemporaryDir dir;
};

using namespace FaultInjection;

namespace {

const QByteArray image = TestImage::valid();
const QByteArray existingBytes(512, '\x5a');

bool isRoot()
{
    return ::geteuid() == 0;
}

constexpr gid_t group = 4242;

} // namespace

// With TAVRO_SAVE_SOURCE and TAVRO_SAVE_TARGET set, this program is the helper that the tests run
// as another user: it saves the cleaned copy of the source to the target, exit code 0 on success.
void TestStorage::initMain()
{
    const QByteArray sourcePath = qgetenv("TAVRO_SAVE_SOURCE");
    if (sourcePath.isEmpty())
        return;
    const FileIo::ReadResult source = FileIo::readRegularFile(sourcePath, 512);
    if (source.status != FileIo::ReadResult::Read)
        std::exit(2);
    const FileIo::SaveResult saved =
        FileIo::save(qgetenv("TAVRO_SAVE_TARGET"), TestImage::cleaned(source.bytes));
    if (saved.ok())
        std::exit(0);
    std::fprintf(stderr, "helper: %s\n", qPrintable(saved.error));
    std::exit(1);
}

void TestStorage::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    requireInjection();
}

// Without --force, tavro-cli saves with CreateOnly: a file that appears at the target while the
// copy is written (a second run with the same output) must be kept, and the save must fail.
void TestStorage::createOnlyNeverReplaces()
{
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString path = folder.filePath(QStringLiteral("out.bin"));
    appearing = native(path);
    QCOMPARE(fiu_enable_external("posix/io/sync/fsync", 1, nullptr, 0, fileAppearsAtSync), 0);
    const FileIo::SaveResult saved = FileIo::save(path, image, FileIo::CreateOnly);
    fiu_disable("posix/io/sync/fsync");

    QVERIFY(!saved.ok());
    QCOMPARE(saved.error, QString::fromLocal8Bit(std::strerror(EEXIST)));
    QCOMPARE(TestImage::read(path), QByteArray("a colleague's work"));
    QCOMPARE(entries(folder.path()), QStringList(QStringLiteral("out.bin")));
}

// The reasons our catalogues translate keep the C library's English words, which JSON and CSV
// have always carried; a reason they lack is the system's own.
void TestStorage::systemReasons()
{
    const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    QVERIFY(english);
    for (int error = 1; error < 134; ++error)
        QCOMPARE(Paths::englishSystemMessage(error), QByteArray(::strerror_l(error, english)));
    ::freelocale(english);
    QCOMPARE(Paths::systemMessage(EHWPOISON), QByteArray(std::strerror(EHWPOISON)));
    QCOMPARE(Paths::systemMessage(ENOENT), QByteArray("No such file or directory"));
}

void TestStorage::leftoversSwept_data()
{
    QTest::addColumn<QByteArray>(
        "maker");                     // which system and mount made it; none: an earlier version
    QTest::addColumn<bool>("locked"); // by a save running on this system
    QTest::addColumn<int>("age");     // seconds since it was last written
    QTest::addColumn<QByteArray>("output"); // a claim's: what its output holds; null: no claim
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("outputKept");
    const QByteArray self = "this";
    const QByteArray other = "another";
    QTest::newRow("a running save's") << self << true << 0 << QByteArray() << true << false;
    QTest::newRow("a killed save's") << self << false << 0 << QByteArray() << false << false;
    QTest::newRow("another system's, young")
        << other << false << 60 << QByteArray() << true << false;
    QTest::newRow("another mount's here, young")
        << QByteArray("mount") << false << 60 << QByteArray() << true << false;
    QTest::newRow("a mount's that is gone")
        << QByteArray("gone") << false << 0 << QByteArray() << false << false;
    QTest::newRow("another system's, an hour old")
        << other << false << 3600 << QByteArray() << false << false;
    QTest::newRow("an earlier version's, old")
        << QByteArray() << false << 7200 << QByteArray() << false << false;
    QTest::newRow("claim, its output empty")
        << self << false << 0 << QByteArray("") << false << false;
    QTest::newRow("claim, its output part written")
        << self << false << 0 << image.left(100) << false << false;
    QTest::newRow("claim, its output complete") << self << false << 0 << image << false << true;
    QTest::newRow("claim, another program wrote its output")
        << self << false << 0 << QByteArray("a colleague's work") << false << true;
}

// What a killed save left in a folder, seen by the next save into it: a temporary file goes when
// no save holds it (locks are seen on this system only: another system's after an hour), and a
// claim with the file it names where that is unfinished. The next save to that name then works.
void TestStorage::leftoversSwept()
{
    QFETCH(QByteArray, maker);
    QFETCH(bool, locked);
    QFETCH(int, age);
    QFETCH(QByteArray, output);
    QFETCH(bool, kept);
    QFETCH(bool, outputKept);
    // A folder for the run: a save looks at each folder once.
    const QString folder = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkdir(folder));
    QByteArray mark = TestImage::read(QStringLiteral("/proc/sys/kernel/random/boot_id")).left(8);
    if (mark.size() != 8)
        QSKIP("this system has no boot id");
    if (maker == "another")
        mark[0] = mark.at(0) == '0' ? '1' : '0';
    // As the system numbers its mounts; /proc is one that is not the folder's.
    const dev_t device = statOf(maker == "mount" ? QStringLiteral("/proc") : folder).st_dev;
    mark += maker == "gone" ? QByteArray("fff00000")
                            : QByteArray::number(quint32(major(device) << 20 | minor(device)), 16)
                                  .rightJustified(8, '0');
    const QString name = QStringLiteral(".tavro-%1.tmp")
                             .arg(QLatin1String(maker.isNull() ? "1a2b3c" : mark + "0000abcd"));
    const QString target = folder + QStringLiteral("/out.bin");
    QVERIFY(TestImage::write(folder + u'/' + name,
                             output.isNull() ? image
                                             : QByteArray("TAVRO-CLAIM\0out.bin\0", 20) + image));
    if (!output.isNull())
        QVERIFY(TestImage::write(target, output));
    QFile held(folder + u'/' + name);
    QVERIFY(held.open(QIODevice::ReadOnly));
    QVERIFY(held.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                             QFileDevice::FileModificationTime));
    QCOMPARE(::flock(held.handle(), locked ? LOCK_EX : LOCK_UN), 0);

    const FileIo::SaveResult saved =
        FileIo::save(target, TestImage::cleaned(image), FileIo::CreateOnly);
    QCOMPARE(saved.ok(), !outputKept);
    QCOMPARE(TestImage::read(target), outputKept ? output : TestImage::cleaned(image));
    QStringList expected{QStringLiteral("out.bin")};
    if (kept)
        expected.prepend(name);
    QCOMPARE(entries(folder), expected);
}

// A link another user planted in a sticky world-writable folder such as /tmp is not followed,
// as the kernel does not follow it either: it would steer a save onto any file of ours.
void TestStorage::anotherUsersLinkInStickyFolder()
{
    if (!isRoot())
        QSKIP("planting another user's link needs root (CI runs as root)");
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString sticky = folder.filePath(QStringLiteral("shared"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("shared")));
    QCOMPARE(::chmod(native(sticky).constData(), 01777), 0);
    const QString precious = folder.filePath(QStringLiteral("precious.bin"));
    QVERIFY(TestImage::write(precious, existingBytes));
    const QString link = sticky + QStringLiteral("/board.bin");
    QVERIFY(QFile::link(precious, link));
    QCOMPARE(::lchown(native(link).constData(), 65534, 65534), 0);

    const QByteArray cleaned = TestImage::cleaned(image);
    QVERIFY(!FileIo::save(link, cleaned).ok());
    QCOMPARE(TestImage::read(precious), existingBytes);

    // A link of one's own there is followed as before.
    QCOMPARE(::lchown(native(link).constData(), 0, 0), 0);
    QVERIFY(FileIo::save(link, cleaned).ok());
    QCOMPARE(TestImage::read(precious), TestImage::cleaned(image));
}

void TestStorage::longNames_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("exists");
    QTest::newRow("249 bytes, existing") << 249 << true;
    QTest::newRow("255 bytes, existing") << 255 << true;
    QTest::newRow("255 bytes, new") << 255 << false;
    QTest::newRow("whole path of 4095 bytes, existing") << 4095 << true;
}

// The temporary file beside the target must not need a longer name than the target's own.
void TestStorage::longNames()
{
    QFETCH(int, length);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    // Up to 255 bytes, a name in the folder; beyond, a whole path of that length in folders of
    // long names, with a short name at its end.
    QString parent = folder.path();
    while (length > 255 && parent.size() + 1 + 200 + 6 < length) {
        parent += QLatin1Char('/') + QString(200, QLatin1Char('f'));
        QVERIFY(QDir().mkdir(parent));
    }
    const int nameLength = length > 255 ? length - int(parent.size()) - 1 : length;
    const QString name = QString(nameLength - 4, QLatin1Char('b')) + QStringLiteral(".bin");
    const QString path = parent + QLatin1Char('/') + name;
    QCOMPARE(native(length > 255 ? path : name).size(), length);
    if (exists)
        QVERIFY(TestImage::write(path, existingBytes));

    const FileIo::SaveResult saved = FileIo::save(path, TestImage::cleaned(image));
    QVERIFY2(saved.ok(), qPrintable(saved.error));
    QCOMPARE(TestImage::read(path), TestImage::cleaned(image));
    QCOMPARE(entries(parent), QStringList(name));
}

// Kernel files look like files but are not: an image written into one changes the system, and
// what an in-place save would read back and restore is not what was there.
void TestStorage::kernelFilesRefused()
{
    const QString comm = QStringLiteral("/proc/self/comm");
    const QString link = dir.filePath(QStringLiteral("comm.bin"));
    QVERIFY(QFile::link(comm, link));
    const QByteArray name = TestImage::read(comm);
    for (const QString &target : {comm, link}) {
        const FileIo::SaveResult saved = FileIo::save(target, image);
        QCOMPARE(saved.status, FileIo::SaveResult::Failed);
        QVERIFY2(saved.error.contains(QLatin1String("kernel")), qPrintable(saved.error));
        QCOMPARE(TestImage::read(comm), name);
    }
}

void TestStorage::folderKeepsNames_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<bool>("asNobody"); // else as root, in this process
    QTest::newRow("+a, as root, a dump: in place")
        << QStringLiteral("+a") << 0700 << 512 << true << false;
    QTest::newRow("+a, as root, not a dump: refused")
        << QStringLiteral("+a") << 0700 << 1000 << false << false;
    for (const char *attribute : {"+a", "+i"}) {
        for (const int mode : {0700, 0300}) {
            const char *readable = mode == 0700 ? "readable" : "not readable";
            QTest::addRow("%s, %s, a dump: in place", attribute, readable)
                << QString::fromLatin1(attribute) << mode << 512 << true << true;
            QTest::addRow("%s, %s, not a dump: refused", attribute, readable)
                << QString::fromLatin1(attribute) << mode << 1000 << false << true;
        }
    }
    // Whether a folder keeps its names is learnt without reading it.
    QTest::newRow("no attribute, not readable, not a dump: saved")
        << QStringLiteral("-a") << 0300 << 1000 << true << true;
}

// An append-only or immutable folder refuses the rename and the removal of a temporary name, and
// a folder the saver may write and search but not read hides which it is: the target is written
// in place when it can be, and nothing is left behind either way (as nobody, who owns it all,
// and as root).
void TestStorage::folderKeepsNames()
{
    QFETCH(QString, attribute);
    QFETCH(int, folderMode);
    QFETCH(int, size);
    QFETCH(bool, saves);
    QFETCH(bool, asNobody);
    if (!isRoot() || QStandardPaths::findExecutable(QStringLiteral("chattr")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("chattr and setpriv as root are needed (CI runs as root)");
    QTemporaryDir root;
    QVERIFY2(root.isValid(), qPrintable(root.errorString()));
    QCOMPARE(::chmod(native(root.path()).constData(), 0755), 0);
    const QString folder = root.filePath(QStringLiteral("boards"));
    const QString target = folder + QStringLiteral("/board.bin");
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("boards")));
    const QByteArray old(size, '\x5a');
    QVERIFY(TestImage::write(target, old));
    for (const QString &path : {folder, target})
        QCOMPARE(::chown(native(path).constData(), 65534, group), 0);
    QCOMPARE(::chmod(native(folder).constData(), mode_t(folderMode)), 0);
    const auto chattr = [&folder](const QString &flag) {
        return QProcess::execute(QStringLiteral("chattr"), {flag, folder}) == 0;
    };
    if (!chattr(attribute))
        QSKIP("the file system has no such folder attribute");

    QByteArray output;
    const bool saved = asNobody ? saveAsNobody(root.path(), target, output)
                                : FileIo::save(target, TestImage::cleaned(image)).ok();
    QVERIFY(chattr(QLatin1Char('-') + attribute.mid(1)));
    QVERIFY2(saved == saves, output.constData());
    QCOMPARE(TestImage::read(target), saves ? TestImage::cleaned(image) : old);
    QCOMPARE(entries(folder), QStringList(QStringLiteral("board.bin")));
}

void TestStorage::attributesKept_data()
{
    QTest::addColumn<QString>("setup"); // bash, with the file as $1 and its folder as $2
    // Its group may read it, the ACL's mask (shown as the group's mode) is rw-: the group must
    // not get that after a save.
    QTest::newRow("access ACL") << QStringLiteral(
        "chmod 640 \"$1\"; setfacl -m u:nobody:rw- \"$1\"");
    QTest::newRow("the folder's default ACL is not taken")
        << QStringLiteral("setfacl -d -m u:nobody:--- \"$2\"");
    QTest::newRow("user and trusted attributes")
        << QStringLiteral("setfattr -n user.note -v customer42 \"$1\" && "
                          "setfattr -n trusted.tag -v t \"$1\"");
    QTest::newRow("flags: no dump, no access time") << QStringLiteral("chattr +d +A \"$1\"");
}

// A replaced file keeps its ACL, extended attributes and flags, and gets none from its folder:
// who may read or write it stays who could.
void TestStorage::attributesKept()
{
    QFETCH(QString, setup);
    if (!isRoot())
        QSKIP("trusted attributes need root (CI runs as root)");
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString target = folder.filePath(QStringLiteral("board.bin"));
    QVERIFY(TestImage::write(target, existingBytes));
    const QStringList parameters{QStringLiteral("bash"), target, folder.path()};
    if (QProcess::execute(QStringLiteral("bash"),
                          QStringList{QStringLiteral("-c"), setup} + parameters) != 0)
        QSKIP("setfacl, setfattr or chattr is missing, or the file system has no such thing");
    const auto look = [&] {
        QProcess process;
        process.start(QStringLiteral("bash"),
                      QStringList{QStringLiteral("-c"),
                                  QStringLiteral("stat -c %a \"$1\" && getfattr -dm- -ehex \"$1\""
                                                 " && lsattr \"$1\" | cut -d' ' -f1")} +
                          parameters);
        process.waitForFinished(30000);
        return process.readAllStandardOutput();
    };
    const QByteArray before = look();
    QVERIFY(!before.isEmpty());

    const FileIo::SaveResult saved = FileIo::save(target, TestImage::cleaned(image));
    QVERIFY2(saved.ok(), qPrintable(saved.error));
    QCOMPARE(TestImage::read(target), TestImage::cleaned(image));
    QCOMPARE(look(), before);
    QCOMPARE(entries(folder.path()), QStringList(QStringLiteral("board.bin")));
}

// A hard-linked target is written in place; swapped for a link meanwhile (libfiu renames one over
// it at the first open), it must not lead the image out of its folder.
void TestStorage::linkSwappedInBeforeWriteInPlace()
{
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString target = folder.filePath(QStringLiteral("board.bin"));
    const QString outside = dir.filePath(QStringLiteral("outside.bin"));
    const QString planted = folder.filePath(QStringLiteral("planted"));
    QVERIFY(TestImage::write(target, existingBytes) && TestImage::write(outside, existingBytes));
    QCOMPARE(::link(native(target).constData(), native(target + QLatin1Char('2')).constData()), 0);
    QVERIFY(QFile::link(outside, planted));
    swapFrom = native(planted);
    swapTo = native(target);
    QCOMPARE(fiu_enable_external("posix/io/oc/open", 1, nullptr, 0, swapInAtOpen), 0);
    const FileIo::SaveResult saved = FileIo::save(target, TestImage::cleaned(image));
    fiu_disable("posix/io/oc/open");

    QVERIFY(QFileInfo(target).isSymLink()); // the swap did happen
    QCOMPARE(saved.status, FileIo::SaveResult::Failed);
    QVERIFY2(saved.error.contains(QLatin1String("replaced")), qPrintable(saved.error));
    QCOMPARE(TestImage::read(outside), existingBytes);
}

void TestStorage::saveKeepsIdentity_data()
{
    QTest::addColumn<bool>("asNobody"); // else as root, in this process
    QTest::addColumn<int>("fileOwner"); // -1: no file there yet
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("folderOwner");
    QTest::addColumn<int>("folderGroup");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<QString>("link"); // saved through a symbolic link, or a second hard link
    QTest::addColumn<bool>("saves");
    const int nobody = 65534;
    const int colleague = 4321;
    const QString none;
    QTest::newRow("root saves another user's file")
        << false << nobody << 0640 << 0 << 0 << 0755 << none << true;
    QTest::newRow("root saves another user's file through a link")
        << false << nobody << 0640 << 0 << 0 << 0755 << QStringLiteral("symlink") << true;
    QTest::newRow("root saves a hard-linked file")
        << false << nobody << 0640 << 0 << 0 << 0755 << QStringLiteral("hard") << true;
    QTest::newRow("own file in a folder not writable")
        << true << nobody << 0644 << 0 << 0 << 0755 << none << true;
    QTest::newRow("colleague's file in a group folder")
        << true << colleague << 0660 << 0 << int(group) << 0775 << none << true;
    QTest::newRow("new file in a folder not writable")
        << true << -1 << 0 << 0 << 0 << 0755 << none << false;
    QTest::newRow("read-only file in own folder")
        << true << nobody << 0444 << nobody << 0 << 0755 << none << false;
    // Only writing in place could save it, and its old bytes could not be read to put back.
    QTest::newRow("write-only file in a folder not writable")
        << true << nobody << 0200 << 0 << 0 << 0755 << none << false;
    QTest::newRow("set-group-id file in own folder")
        << true << nobody << 02755 << nobody << 0 << 0755 << none << true;
    QTest::newRow("set-user-id file, hard-linked")
        << true << nobody << 04755 << nobody << 0 << 0755 << QStringLiteral("hard") << true;
}

// Saving over a colleague's file must leave it theirs, with its mode and under every name it has.
// Rows as nobody (uid 65534, group 4242, no other groups) run a copy of this program as the
// saver, since root is stopped by no permission.
void TestStorage::saveKeepsIdentity()
{
    if (!isRoot())
        QSKIP("giving files to other users needs root (CI runs as root)");
    QFETCH(bool, asNobody);
    QFETCH(int, fileOwner);
    QFETCH(int, fileMode);
    QFETCH(int, folderOwner);
    QFETCH(int, folderGroup);
    QFETCH(int, folderMode);
    QFETCH(QString, link);
    QFETCH(bool, saves);
    if (asNobody && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("setpriv (util-linux) is missing");

    QTemporaryDir root;
    QVERIFY2(root.isValid(), qPrintable(root.errorString()));
    QCOMPARE(::chmod(native(root.path()).constData(), 0755), 0);
    const QString folder = root.filePath(QStringLiteral("boards"));
    QVERIFY(QDir(root.path()).mkdir(QStringLiteral("boards")));
    const QString target = folder + QStringLiteral("/board.bin");
    const QString other = folder + QStringLiteral("/second name.bin");
    if (fileOwner >= 0) {
        QVERIFY(TestImage::write(target, existingBytes));
        QCOMPARE(::chown(native(target).constData(), uid_t(fileOwner), group), 0);
        QCOMPARE(::chmod(native(target).constData(), mode_t(fileMode)), 0);
    }
    QString saveTo = target;
    if (link == QLatin1String("symlink")) {
        QVERIFY(QFile::link(target, other));
        saveTo = other;
    } else if (link == QLatin1String("hard")) {
        QCOMPARE(::link(native(target).constData(), native(other).constData()), 0);
    }
    QCOMPARE(::chown(native(folder).constData(), uid_t(folderOwner), gid_t(folderGroup)), 0);
    QCOMPARE(::chmod(native(folder).constData(), mode_t(folderMode)), 0);
    const QStringList before = entries(folder);

    bool saved = false;
    if (asNobody) {
        QByteArray output;
        saved = saveAsNobody(root.path(), saveTo, output);
        QVERIFY2(saved == saves, output.constData());
    } else {
        saved = FileIo::save(saveTo, TestImage::cleaned(image)).ok();
        QCOMPARE(saved, saves);
    }

    if (fileOwner < 0) {
        QVERIFY(!QFileInfo::exists(target));
        return;
    }
    const struct stat after = statOf(target);
    QCOMPARE(after.st_uid, uid_t(fileOwner));
    QCOMPARE(after.st_gid, group);
    QCOMPARE(after.st_mode & 07777, mode_t(fileMode));
    QCOMPARE(TestImage::read(target), saves ? TestImage::cleaned(image) : existingBytes);
    if (link == QLatin1String("symlink"))
        QVERIFY(QFileInfo(other).isSymLink());
    if (link == QLatin1String("hard")) {
        QCOMPARE(after.st_nlink, nlink_t(2));
        QCOMPARE(statOf(other).st_ino, after.st_ino);
    }
    QCOMPARE(entries(folder), before);
}

// Runs a copy of this program as nobody (uid 65534, group 4242, no other groups), in `folder`
// (which it may search), to save the cleaned image at `target`: whether it saved.
bool TestStorage::saveAsNobody(const QString &folder, const QString &target, QByteArray &output)
{
    const QString saver = folder + QStringLiteral("/saver");
    const QString source = folder + QStringLiteral("/source.bin");
    QFile::remove(saver);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), saver) ||
        !TestImage::write(source, image) || ::chmod(native(source).constData(), 0644) != 0)
        return false;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAVRO_SAVE_SOURCE"), source);
    environment.insert(QStringLiteral("TAVRO_SAVE_TARGET"), target);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("setpriv"),
                  {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=%1").arg(group),
                   QStringLiteral("--clear-groups"), saver});
    const bool finished = process.waitForFinished(30000);
    output = process.readAll();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
