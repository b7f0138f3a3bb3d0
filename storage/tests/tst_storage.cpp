// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "eepromdump.h"
#include "fileio.h"
#include "testsupport.h"
#include "windowdriver.h"

#include <QMessageBox>
#include <QProcess>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fiu-control.h>
#include <fiu.h>
#include <sys/stat.h>
#include <unistd.h>

// Loading and saving on storage that misbehaves: faults injected into the system calls with
// libfiu's POSIX preload (the suite runs under LD_PRELOAD=fiu_posix_preload.so), files owned by
// others and shared through hard links, and a save made by an unprivileged user.
class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveFaultsKeepTarget_data();
    void saveFaultsKeepTarget();
    void windowTellsOutcome_data();
    void windowTellsOutcome();
    void incompleteReadIsAFailedLoad_data();
    void incompleteReadIsAFailedLoad();
    void fifoSwappedInAtOpen();
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

namespace {

const QByteArray image = TestImage::valid();
const QByteArray existingBytes(512, '\x5a');

QStringList entries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

struct stat statOf(const QString &path)
{
    struct stat info
    {
    };
    ::stat(native(path).constData(), &info);
    return info;
}

void *errnoInfo(int error)
{
    return reinterpret_cast<void *>(static_cast<intptr_t>(error));
}

// What an external fault callback does to the file system at the moment of the call.
QByteArray truncateTarget;
QByteArray swapFrom;
QByteArray swapTo;

int truncateWhileRead(const char *, int *, void **, unsigned int *)
{
    (void)!::truncate(truncateTarget.constData(), 100);
    return 0; // the read itself goes ahead, on the shorter file
}

QByteArray appearing;

int fileAppearsAtSync(const char *, int *, void **, unsigned int *)
{
    QFile file(QFile::decodeName(appearing));
    if (file.open(QIODevice::WriteOnly))
        file.write("a colleague's work");
    return 0;
}

int swapInAtOpen(const char *, int *, void **, unsigned int *)
{
    if (!swapFrom.isEmpty())
        ::rename(swapFrom.constData(), swapTo.constData());
    swapFrom.clear();
    return 0;
}

// Fails the `failAt`-th call of a point from now on (every call when 0) with `failError`.
int failAt = 0;
int failError = EIO;
int calls = 0;

int failNthCall(const char *, int *, void **failinfo, unsigned int *)
{
    ++calls;
    if (failAt != 0 && calls != failAt)
        return 0;
    *failinfo = errnoInfo(failError);
    return 1;
}

void failCalls(const char *point, int at, int error)
{
    failAt = at;
    failError = error;
    calls = 0;
    QCOMPARE(fiu_enable_external(point, 1, nullptr, 0, failNthCall), 0);
}

bool isRoot()
{
    return ::geteuid() == 0;
}

constexpr gid_t group = 4242;

} // namespace

void TestStorage::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QCOMPARE(fiu_init(0), 0);
    // Without the preload nothing below would be injected and every fault test would pass.
    QCOMPARE(fiu_enable("posix/io/oc/open", 1, errnoInfo(EIO), 0), 0);
    QFile probe(dir.filePath(QStringLiteral("probe")));
    const bool opened = probe.open(QIODevice::WriteOnly);
    fiu_disable("posix/io/oc/open");
    QVERIFY2(!opened, "faults are not injected: run with LD_PRELOAD=.../fiu_posix_preload.so");
}

void TestStorage::saveFaultsKeepTarget_data()
{
    QTest::addColumn<QByteArray>("point");
    QTest::addColumn<QString>("target");
    for (const char *point : {"posix/io/sync/fsync", "posix/io/oc/close", "posix/io/rw/write"}) {
        for (const char *target : {"new", "existing", "hard-linked"})
            QTest::addRow("%s, %s", point, target)
                << QByteArray(point) << QString::fromLatin1(target);
    }
}

// A medium that reports a lost write only at the sync or the close (NFS, CIFS, a failing stick)
// must not get a file that says it was saved.
void TestStorage::saveFaultsKeepTarget()
{
    QFETCH(QByteArray, point);
    QFETCH(QString, target);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString path = folder.filePath(QStringLiteral("board.bin"));
    const QString other = folder.filePath(QStringLiteral("other name.bin"));
    if (target != QLatin1String("new"))
        QVERIFY(TestImage::write(path, existingBytes));
    if (target == QLatin1String("hard-linked"))
        QCOMPARE(::link(native(path).constData(), native(other).constData()), 0);
    const QStringList before = entries(folder.path());

    EepromDump dump;
    dump.loadImage(image);
    FileIo::SaveResult outcome;
    QCOMPARE(fiu_enable(point.constData(), 1, errnoInfo(EIO), 0), 0);
    const bool saved = dump.clearAndSave(path, &outcome);
    fiu_disable(point.constData());

    QVERIFY(!saved);
    QVERIFY(!outcome.error.isEmpty());
    // In place the old bytes go back through the same failing call, so no one can say they are
    // on the disk again.
    QCOMPARE(outcome.status, target == QLatin1String("hard-linked") && !point.endsWith("write")
                                 ? FileIo::SaveResult::Damaged
                                 : FileIo::SaveResult::Failed);
    QCOMPARE(dump.data, image);
    QCOMPARE(entries(folder.path()), before); // no temporary file left either
    if (target == QLatin1String("new"))
        QVERIFY(!QFileInfo::exists(path));
    else
        QCOMPARE(TestImage::read(path), existingBytes);

    // Once the medium behaves, the same save goes through, to every name of the file.
    QVERIFY(dump.clearAndSave(path, &outcome));
    QCOMPARE(outcome.status, FileIo::SaveResult::Saved);
    QCOMPARE(TestImage::read(path), TestImage::cleaned(image));
    if (target == QLatin1String("hard-linked"))
        QCOMPARE(TestImage::read(other), TestImage::cleaned(image));
}

void TestStorage::windowTellsOutcome_data()
{
    QTest::addColumn<bool>("hardLinked");
    QTest::addColumn<int>("failAt"); // the failing fsync: 1 the file's, 2 the folder's; 0 all
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("written");
    const QString unconfirmed =
        QStringLiteral("File saved: %1 (the system could not confirm that the new name is on the "
                       "disk)");
    for (const int error : {EIO, ENOSPC, EDQUOT, EFBIG, EACCES, EPERM, EXDEV})
        QTest::addRow("folder not synced: %s", std::strerror(error))
            << false << 2 << error << unconfirmed << true;
    QTest::newRow("in place, old bytes put back")
        << true << 1 << EIO
        << QStringLiteral("Cannot save file: %1: ") + QLatin1String(std::strerror(EIO)) << false;
    QTest::newRow("in place, old bytes not put back")
        << true << 0 << EIO
        << QStringLiteral("Cannot save file, and it may now be damaged: %1: ") +
               QLatin1String(std::strerror(EIO)) +
               QStringLiteral("; the old contents could not be put back either")
        << false;
}

// Once the new name is in place the file is saved, whatever the folder's sync says; a file whose
// old bytes could not be put back is said to be in danger.
void TestStorage::windowTellsOutcome()
{
    QFETCH(bool, hardLinked);
    QFETCH(int, failAt);
    QFETCH(int, error);
    QFETCH(QString, status);
    QFETCH(bool, written);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString source = folder.filePath(QStringLiteral("board.bin"));
    const QString target = folder.filePath(QStringLiteral("board_clear.bin"));
    QVERIFY(TestImage::write(source, image));
    QVERIFY(TestImage::write(target, existingBytes));
    if (hardLinked)
        QCOMPARE(::link(native(target).constData(), native(source + QLatin1Char('2')).constData()),
                 0);
    const QStringList before = entries(folder.path());

    WindowDriver w;
    w.drop(source);
    whenModal<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
    failCalls("posix/io/sync/fsync", failAt, error);
    w.save(target);
    fiu_disable("posix/io/sync/fsync");

    QCOMPARE(w.status(), status.arg(target));
    QCOMPARE(w.find<QStatusBar>("sb")->toolTip(), w.status()); // all of it, however long
    QCOMPARE(TestImage::read(target), written ? TestImage::cleaned(image) : existingBytes);
    QCOMPARE(entries(folder.path()), before);
}

void TestStorage::incompleteReadIsAFailedLoad_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("file truncated while read") << QStringLiteral("truncate");
    QTest::newRow("read error") << QStringLiteral("error");
    QTest::newRow("read interrupted for ever") << QStringLiteral("interrupted");
}

// Zeros standing in for bytes that never arrived must not reach a report or a cleaned copy.
void TestStorage::incompleteReadIsAFailedLoad()
{
    QFETCH(QString, fault);
    const QString path = dir.filePath(QStringLiteral("flaky.bin"));
    QVERIFY(TestImage::write(path, image));

    EepromDump dump;
    dump.loadImage(TestImage::cleaned(image)); // an earlier image, which must not be saved now
    truncateTarget = native(path);
    if (fault == QLatin1String("truncate"))
        QCOMPARE(fiu_enable_external("posix/io/rw/read", 1, nullptr, 0, truncateWhileRead), 0);
    else
        QCOMPARE(fiu_enable("posix/io/rw/read", 1,
                            errnoInfo(fault == QLatin1String("error") ? EIO : EINTR), 0),
                 0);
    const QString report = dump.load(path);
    fiu_disable("posix/io/rw/read");

    QCOMPARE(report, QStringLiteral("File size : 512 bytes<br>"
                                    "Read error: the file could not be read completely<br>"));
    QCOMPARE(dump.error, quint8(1));
    QVERIFY(dump.data.isEmpty());
    const QString target = dir.filePath(QStringLiteral("flaky_clear.bin"));
    QVERIFY(!dump.clearAndSave(target));
    QVERIFY(!QFileInfo::exists(target));
}

// The path is a regular file when looked at and a FIFO when opened: the open must not wait for
// a writer that never comes.
void TestStorage::fifoSwappedInAtOpen()
{
    const QString path = dir.filePath(QStringLiteral("swapped.bin"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(TestImage::write(path, image));
    QCOMPARE(::mkfifo(native(fifo).constData(), 0600), 0);

    EepromDump dump;
    swapFrom = native(fifo);
    swapTo = native(path);
    QCOMPARE(fiu_enable_external("posix/io/oc/open", 1, nullptr, 0, swapInAtOpen), 0);
    const QString report = dump.load(path);
    fiu_disable("posix/io/oc/open");

    QVERIFY(S_ISFIFO(statOf(path).st_mode)); // the swap did happen
    QCOMPARE(report, QStringLiteral("Err open file<br>"));
    QCOMPARE(dump.error, quint8(1));
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
    const int nameLength = length > 255 ? length - parent.size() - 1 : length;
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
        process.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=%1").arg(group),
                       QStringLiteral("--clear-groups"), helper, QStringLiteral("--clear-and-save"),
                       source, saveTo});
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

// `--clear-and-save SOURCE TARGET` makes this program the helper that the tests run as another
// user: it saves the cleaned copy of SOURCE to TARGET, exit code 0 on success.
int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--clear-and-save") == 0) {
        const FileIo::ReadResult source = FileIo::readRegularFile(QByteArray(argv[2]), 512);
        if (source.status != FileIo::ReadResult::Read)
            return 2;
        const FileIo::SaveResult saved =
            FileIo::save(QByteArray(argv[3]), TestImage::cleaned(source.bytes));
        if (saved.ok())
            return 0;
        std::fprintf(stderr, "helper: %s\n", qPrintable(saved.error));
        return 1;
    }
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    TestStorage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storage.moc"
