// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "faultinjection.h"
#include "stopsignals.h"
#include "windowdriver.h"

#include <QMessageBox>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <future>
#include <thread>
#include <utility>

// What the window tells of a save on storage that misbehaves: faults injected into the system
// calls with libfiu's POSIX preload (the suite runs under LD_PRELOAD=fiu_posix_preload.so).
class TestWindowFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FaultInjection::requireInjection(); }
    void windowTellsOutcome_data();
    void windowTellsOutcome();
    void stopSignalsWaitForTheSave_data();
    void stopSignalsWaitForTheSave();
};

using namespace FaultInjection;

namespace {

const QByteArray image = TestImage::valid();
const QByteArray existingBytes(512, '\x5a');

// Sends a stop signal to one thread of the program while the new file is being synced.
pthread_t signalledThread;
int stopSignal = 0;

int signalAtSync(const char *, int *, void **, unsigned int *)
{
    if (stopSignal != 0)
        ::pthread_kill(signalledThread, std::exchange(stopSignal, 0));
    return 0;
}

// The write-back of an in-place save fails too: every write once a sync has failed.
bool syncFailed = false;

int failSync(const char *, int *, void **failinfo, unsigned int *)
{
    syncFailed = true;
    *failinfo = errnoInfo(EIO);
    return 1;
}

int failWriteAfterSync(const char *, int *, void **failinfo, unsigned int *)
{
    *failinfo = errnoInfo(EIO);
    return syncFailed ? 1 : 0;
}

} // namespace

void TestWindowFaults::windowTellsOutcome_data()
{
    QTest::addColumn<bool>("hardLinked");
    QTest::addColumn<int>("failAt"); // the failing fsync: 1 the file's, 2 the folder's; 0 all
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("writeBackFails");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("written");
    const QString unconfirmed =
        QStringLiteral("File saved: %1 (the system could not confirm that the new name is on the "
                       "disk)");
    for (const int error : {EIO, ENOSPC, EDQUOT, EFBIG, EACCES, EPERM, EXDEV})
        QTest::addRow("folder not synced: %s", std::strerror(error))
            << false << 2 << error << false << unconfirmed << true;
    QTest::newRow("in place, old bytes put back")
        << true << 1 << EIO << false
        << QStringLiteral("Cannot save file: ") + QLatin1String(std::strerror(EIO)) +
               QStringLiteral(" (%1)")
        << false;
    QTest::newRow("in place, old bytes put back, their sync fails")
        << true << 0 << EIO << false
        << QStringLiteral("Cannot save file; its old contents were put back, but the system could "
                          "not confirm them on the disk: ") +
               QLatin1String(std::strerror(EIO)) + QStringLiteral(" (%1)")
        << false;
    QTest::newRow("in place, old bytes not put back")
        << true << 0 << EIO << true
        << QStringLiteral("Cannot save file, and it may now be damaged: ") +
               QLatin1String(std::strerror(EIO)) +
               QStringLiteral("; the old contents could not be put back either (%1)")
        << true; // what the failed write-back left: the new image
}

// Once the new name is in place the file is saved, whatever the folder's sync says; a file whose
// old bytes could not be put back is said to be in danger.
void TestWindowFaults::windowTellsOutcome()
{
    QFETCH(bool, hardLinked);
    QFETCH(int, failAt);
    QFETCH(int, error);
    QFETCH(bool, writeBackFails);
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
    if (writeBackFails) {
        syncFailed = false;
        QCOMPARE(fiu_enable_external("posix/io/sync/fsync", 1, nullptr, 0, failSync), 0);
        QCOMPARE(fiu_enable_external("posix/io/rw/write", 1, nullptr, 0, failWriteAfterSync), 0);
    } else {
        failCalls("posix/io/sync/fsync", failAt, error);
    }
    w.save(target);
    fiu_disable("posix/io/sync/fsync");
    fiu_disable("posix/io/rw/write");

    QCOMPARE(w.status(), status.arg(target));
    QCOMPARE(w.find<QStatusBar>("sb")->toolTip(), w.status()); // all of it, however long
    QCOMPARE(TestImage::read(target), written ? TestImage::cleaned(image) : existingBytes);
    QCOMPARE(entries(folder.path()), before);
}

void TestWindowFaults::stopSignalsWaitForTheSave_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("otherThread"); // else the GUI thread, the one that saves
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        QTest::addRow("%s, GUI thread", strsignal(signal)) << signal << false;
        QTest::addRow("%s, another thread", strsignal(signal)) << signal << true;
    }
}

// Ctrl-C, kill or a logout's hang-up, to whichever thread the kernel picks, in the middle of a
// save: the save finishes, says so, leaves nothing behind, and only then is the signal an event.
void TestWindowFaults::stopSignalsWaitForTheSave()
{
    QFETCH(int, signal);
    QFETCH(bool, otherThread);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QString source = folder.filePath(QStringLiteral("board.bin"));
    const QString target = folder.filePath(QStringLiteral("board_clear.bin"));
    QVERIFY(TestImage::write(source, image));
    StopSignals stopSignals;
    WindowDriver w;
    QStringList statusWhenStopped;
    connect(&stopSignals, &StopSignals::received, this,
            [&](int received) { statusWhenStopped << QString::number(received) + w.status(); });
    w.drop(source);

    std::promise<void> done;
    std::thread idle([finished = done.get_future()] { finished.wait(); });
    signalledThread = otherThread ? idle.native_handle() : ::pthread_self();
    stopSignal = signal;
    QCOMPARE(fiu_enable_external("posix/io/sync/fsync", 1, nullptr, 0, signalAtSync), 0);
    w.save(target);
    fiu_disable("posix/io/sync/fsync");
    done.set_value();
    idle.join();

    const QString saved = QStringLiteral("File saved: ") + target;
    QCOMPARE(w.status(), saved);
    QTRY_COMPARE(statusWhenStopped, QStringList(QString::number(signal) + saved));
    QCOMPARE(TestImage::read(target), TestImage::cleaned(image));
    QCOMPARE(entries(folder.path()),
             QStringList({QStringLiteral("board.bin"), QStringLiteral("board_clear.bin")}));
}

TAVRO_TEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
