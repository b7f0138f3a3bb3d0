#include "eepromdump.h"
#include "fileio.h"
#include "testsupport.h"

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
    void incompleteReadIsAFailedLoad_data();
    void incompleteReadIsAFailedLoad();
    void fifoSwappedInAtOpen();
    void createOnlyNeverReplaces();
    void anotherUsersLinkInStickyFolder();
    void longNames_data();
    void longNames();
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

void TestStorage::incompleteReadIsAFailedLoad_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("file truncated while read") << QStringLiteral("truncate");
    QTest::newRow("read error") << QStringLiteral("error");
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
        QCOMPARE(fiu_enable("posix/io/rw/read", 1, errnoInfo(EIO), 0), 0);
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

    EepromDump dump;
    dump.loadImage(image);
    QVERIFY(!dump.clearAndSave(link));
    QCOMPARE(TestImage::read(precious), existingBytes);

    // A link of one's own there is followed as before.
    QCOMPARE(::lchown(native(link).constData(), 0, 0), 0);
    QVERIFY(dump.clearAndSave(link));
    QCOMPARE(TestImage::read(precious), TestImage::cleaned(image));
}

void TestStorage::longNames_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("exists");
    QTest::newRow("249 bytes, existing") << 249 << true;
    QTest::newRow("255 bytes, existing") << 255 << true;
    QTest::newRow("255 bytes, new") << 255 << false;
}

// The temporary file beside the target must not need a longer name than the target's own.
void TestStorage::longNames()
{
    QFETCH(int, length);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString name = QString(length - 4, QLatin1Char('b')) + QStringLiteral(".bin");
    const QString path = folder.filePath(name);
    if (exists)
        QVERIFY(TestImage::write(path, existingBytes));

    EepromDump dump;
    dump.loadImage(image);
    FileIo::SaveResult outcome;
    QVERIFY2(dump.clearAndSave(path, &outcome), qPrintable(outcome.error));
    QCOMPARE(TestImage::read(path), TestImage::cleaned(image));
    QCOMPARE(entries(folder.path()), QStringList(name));
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
        EepromDump dump;
        dump.loadImage(image);
        saved = dump.clearAndSave(saveTo);
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
// user: it loads SOURCE and saves its cleaned copy to TARGET, exit code 0 on success.
int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--clear-and-save") == 0) {
        EepromDump dump;
        dump.load(QFile::decodeName(argv[2]));
        FileIo::SaveResult outcome;
        if (dump.clearAndSave(QFile::decodeName(argv[3]), &outcome))
            return 0;
        std::fprintf(stderr, "helper: %s\n", qPrintable(outcome.error));
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestStorage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storage.moc"
