// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "faultinjection.h"
#include "windowdriver.h"

#include <QMessageBox>

#include <cerrno>
#include <cstring>

// What the window tells of a save on storage that misbehaves: faults injected into the system
// calls with libfiu's POSIX preload (the suite runs under LD_PRELOAD=fiu_posix_preload.so).
class TestWindowFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FaultInjection::requireInjection(); }
    void windowTellsOutcome_data();
    void windowTellsOutcome();
};

using namespace FaultInjection;

namespace {

const QByteArray image = TestImage::valid();
const QByteArray existingBytes(512, '\x5a');

} // namespace

void TestWindowFaults::windowTellsOutcome_data()
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
void TestWindowFaults::windowTellsOutcome()
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

TAVRO_TEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
