// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "eepromdump.h"
#include "faultinjection.h"
#include "testimage.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/inotify.h>
#include <sys/stat.h>

// The image record on storage that misbehaves: faults injected into the system calls with
// libfiu's POSIX preload (the suite runs under LD_PRELOAD=fiu_posix_preload.so) must neither
// reach a report nor cost the loaded image or the file saved over.
class TestDumpFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveFaultsKeepTarget_data();
    void saveFaultsKeepTarget();
    void incompleteReadIsAFailedLoad_data();
    void incompleteReadIsAFailedLoad();
    void fifoSwappedInAtOpen();

private:
    QTemporaryDir dir;
};

using namespace FaultInjection;

namespace {

const QByteArray image = TestImage::valid();
const QByteArray existingBytes(512, '\x5a');

} // namespace

void TestDumpFaults::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    requireInjection();
}

void TestDumpFaults::saveFaultsKeepTarget_data()
{
    QTest::addColumn<QByteArray>("point");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("error");
    for (const char *point : {"posix/io/sync/fsync", "posix/io/oc/close", "posix/io/rw/write"}) {
        for (const char *target : {"new", "existing", "hard-linked"})
            QTest::addRow("%s, %s", point, target)
                << QByteArray(point) << QString::fromLatin1(target) << EIO;
    }
    // Errors that a refused rename gives too: a failed close is no reason to write in place.
    for (const int error : {EPERM, EBUSY})
        QTest::addRow("posix/io/oc/close, existing, %s", std::strerror(error))
            << QByteArray("posix/io/oc/close") << QStringLiteral("existing") << error;
}

// A medium that reports a lost write only at the sync or the close (NFS, CIFS, a failing stick)
// must not get a file that says it was saved.
void TestDumpFaults::saveFaultsKeepTarget()
{
    QFETCH(QByteArray, point);
    QFETCH(QString, target);
    QFETCH(int, error);
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
    QCOMPARE(fiu_enable(point.constData(), 1, errnoInfo(error), 0), 0);
    const bool saved = dump.clearAndSave(path, &outcome);
    fiu_disable(point.constData());

    QVERIFY(!saved);
    QVERIFY(!outcome.error.isEmpty());
    // In place the old bytes go back, but their sync or close fails the same way, so no one can
    // say they are on the disk again (they read back whole, below).
    QCOMPARE(outcome.status, target == QLatin1String("hard-linked") && !point.endsWith("write")
                                 ? FileIo::SaveResult::RestoredNotConfirmed
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

void TestDumpFaults::incompleteReadIsAFailedLoad_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("file truncated while read") << QStringLiteral("truncate");
    QTest::newRow("read error") << QStringLiteral("error");
    QTest::newRow("read interrupted for ever") << QStringLiteral("interrupted");
}

// Zeros standing in for bytes that never arrived must not reach a report or a cleaned copy.
void TestDumpFaults::incompleteReadIsAFailedLoad()
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
                                    "Read error: file not fully read<br>"));
    QCOMPARE(dump.error, quint8(1));
    QVERIFY(dump.data.isEmpty());
    const QString target = dir.filePath(QStringLiteral("flaky_clear.bin"));
    QVERIFY(!dump.clearAndSave(target));
    QVERIFY(!QFileInfo::exists(target));
}

// The path is a regular file when looked at and a FIFO when opened: the open must not wait for
// a writer that never comes.
void TestDumpFaults::fifoSwappedInAtOpen()
{
    const QString path = dir.filePath(QStringLiteral("swapped.bin"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(TestImage::write(path, image));
    QCOMPARE(::mkfifo(native(fifo).constData(), 0600), 0);

    // Opening a device can have effects of its own (a tape rewinds): the FIFO must not even be
    // opened, which inotify would tell.
    const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(opens >= 0);
    QVERIFY(::inotify_add_watch(opens, native(fifo).constData(), IN_OPEN) >= 0);

    EepromDump dump;
    swapFrom = native(fifo);
    swapTo = native(path);
    QCOMPARE(fiu_enable_external("posix/io/oc/open", 1, nullptr, 0, swapInAtOpen), 0);
    const QString report = dump.load(path);
    fiu_disable("posix/io/oc/open");

    QVERIFY(S_ISFIFO(statOf(path).st_mode)); // the swap did happen
    QCOMPARE(report, QStringLiteral("Err open file<br>"));
    QCOMPARE(dump.error, quint8(1));
    char event[sizeof(inotify_event) + NAME_MAX + 1];
    QCOMPARE(::read(opens, event, sizeof event), ssize_t(-1));
    ::close(opens);
}

QTEST_GUILESS_MAIN(TestDumpFaults)
#include "tst_dumpfaults.moc"
