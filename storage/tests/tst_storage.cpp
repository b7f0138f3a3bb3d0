// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "faultinjection.h"
#include "fileio.h"
#include "testimage.h"

#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
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
    void anotherUsersLinkInStickyFolder();
    void longNames_data();
    void longNames();
    void kernelFilesRefused();
    void appendOnlyFolder_data();
    void appendOnlyFolder();
    void saveKeepsIdentity_data();
    void saveKeepsIdentity();

private:
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

void TestStorage::appendOnlyFolder_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("saves");
    QTest::newRow("a dump, written in place") << 512 << true;
    QTest::newRow("not a dump, refused") << 1000 << false;
}

// An append-only folder refuses the rename and the removal of a temporary name: the target is
// written in place when it can be, and nothing is left behind either way.
void TestStorage::appendOnlyFolder()
{
    QFETCH(int, size);
    QFETCH(bool, saves);
    if (!isRoot() || QStandardPaths::findExecutable(QStringLiteral("chattr")).isEmpty())
        QSKIP("chattr +a needs root and e2fsprogs");
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString target = folder.filePath(QStringLiteral("board.bin"));
    const QByteArray old(size, '\x5a');
    QVERIFY(TestImage::write(target, old));
    const auto chattr = [&folder](const char *flag) {
        return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(flag), folder.path()}) ==
               0;
    };
    if (!chattr("+a"))
        QSKIP("the file system has no append-only folders");

    const FileIo::SaveResult saved = FileIo::save(target, image);
    const QStringList after = entries(folder.path());
    QVERIFY(chattr("-a"));
    QCOMPARE(saved.ok(), saves);
    QCOMPARE(TestImage::read(target), saves ? image : old);
    QCOMPARE(after, QStringList(QStringLiteral("board.bin")));
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
        const QString helper = root.filePath(QStringLiteral("helper"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), helper));
        const QString source = root.filePath(QStringLiteral("source.bin"));
        QVERIFY(TestImage::write(source, image));
        QCOMPARE(::chmod(native(source).constData(), 0644), 0);
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TAVRO_SAVE_SOURCE"), source);
        environment.insert(QStringLiteral("TAVRO_SAVE_TARGET"), saveTo);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=%1").arg(group),
                       QStringLiteral("--clear-groups"), helper});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        saved = process.exitCode() == 0;
        QVERIFY2(saved == saves, process.readAll().constData());
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

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
