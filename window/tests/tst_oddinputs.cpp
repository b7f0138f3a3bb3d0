// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "windowdriver.h"

#include <QSettings>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Whatever a technician finds on a USB stick, given to the window as a user would: special
// files, links, files that change under the program, awkward names, broken settings.
class TestOddInputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void specialFileInDialog_data();
    void specialFileInDialog();
    void folderInDialogIsEntered();
    void changedBetweenDragAndDrop_data();
    void changedBetweenDragAndDrop();
    void linkToDumpLoads();
    void fileReplacedBetweenLoads();
    void awkwardNames_data();
    void awkwardNames();
    void corruptSettings();
    void unwritableSettings();
    void unusableSettingsFile_data();
    void unusableSettingsFile();

private:
    QTemporaryDir dir;
    int socketFd = -1;
};

namespace {

QSettings appSettings()
{
    return QSettings(QStringLiteral("Wendrix"), QStringLiteral("Tavro Tool"));
}

const QString errOpen = QStringLiteral("Err open file");

} // namespace

using Window = WindowDriver;

void TestOddInputs::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY(TestImage::write(dir.filePath(QStringLiteral("good.bin")), TestImage::valid()));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.bin"))).constData(), 0600), 0);

    socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(socketFd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(dir.filePath(QStringLiteral("socket.bin")));
    QVERIFY(size_t(socketPath.size()) < sizeof(address.sun_path));
    qstrcpy(address.sun_path, socketPath.constData());
    QCOMPARE(::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    QCOMPARE(::listen(socketFd, 1), 0);
}

void TestOddInputs::cleanupTestCase()
{
    if (socketFd >= 0)
        ::close(socketFd);
}

void TestOddInputs::specialFileInDialog_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("fifo") << dir.filePath(QStringLiteral("fifo.bin"));
    QTest::newRow("socket") << dir.filePath(QStringLiteral("socket.bin"));
    QTest::newRow("device") << QStringLiteral("/dev/zero");
}

void TestOddInputs::specialFileInDialog()
{
    QFETCH(QString, path);
    Window w;
    w.load(dir.filePath(QStringLiteral("good.bin")));
    QVERIFY(w.canSave());

    // No hang: the window reports the file as unopenable and keeps going.
    QVERIFY(!w.load(path).stayedOpen);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
    QCOMPARE(w.report(), errOpen + QLatin1Char('\n'));
    QVERIFY(!w.canSave());

    w.load(dir.filePath(QStringLiteral("good.bin")));
    QVERIFY(w.canSave());
}

void TestOddInputs::folderInDialogIsEntered()
{
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a folder.bin")));
    Window w;
    w.load(dir.filePath(QStringLiteral("good.bin")));
    const QString report = w.report();
    const QString status = w.status();

    // The dialog opens the folder instead of returning it; the user then cancels.
    QVERIFY(w.load(dir.filePath(QStringLiteral("a folder.bin"))).stayedOpen);
    QCOMPARE(w.report(), report);
    QCOMPARE(w.status(), status);
    QVERIFY(w.canSave());
}

void TestOddInputs::changedBetweenDragAndDrop_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("file became a folder") << QStringLiteral("folder");
    QTest::newRow("link target removed") << QStringLiteral("dangling");
    QTest::newRow("file removed") << QStringLiteral("removed");
}

void TestOddInputs::changedBetweenDragAndDrop()
{
    QFETCH(QString, change);
    QTemporaryDir here;
    QVERIFY2(here.isValid(), qPrintable(here.errorString()));
    const QString target = here.filePath(QStringLiteral("dump.bin"));
    const QString link = here.filePath(QStringLiteral("link.bin"));
    QVERIFY(TestImage::write(target, TestImage::valid()));
    QVERIFY(QFile::link(target, link));
    const QString dropped = change == QLatin1String("dangling") ? link : target;

    Window w;
    QVERIFY(w.enter(dropped));
    QVERIFY(QFile::remove(target));
    if (change == QLatin1String("folder"))
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("dump.bin")));
    // A dangling link or a folder cannot even be dragged in.
    QVERIFY(!w.enter(dropped));

    w.drop(dropped, true);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + dropped);
    QCOMPARE(w.report(), errOpen + QLatin1Char('\n'));
    QVERIFY(!w.canSave());
}

void TestOddInputs::linkToDumpLoads()
{
    const QString link = dir.filePath(QStringLiteral("link to good.bin"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("good.bin")), link));
    Window w;
    w.load(link);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + link);
    QVERIFY(w.report().contains(QLatin1String("Product code : 0a1b2c3d")));
    QVERIFY(w.canSave());
}

void TestOddInputs::fileReplacedBetweenLoads()
{
    const QString path = dir.filePath(QStringLiteral("changing.bin"));
    QVERIFY(TestImage::write(path, TestImage::valid()));
    Window w;
    w.load(path);
    QVERIFY(w.report().contains(QLatin1String("C.E.Set. Srl")));

    QVERIFY(TestImage::write(path, QByteArray(100, 'x')));
    w.load(path);
    QCOMPARE(w.report(), QStringLiteral("File size : 100 bytes\nWrong file size\n"));
    QVERIFY(!w.canSave());

    QByteArray sole = TestImage::valid();
    TestImage::setWord(sole, 496, 0x292C);
    TestImage::fixChecksum(sole);
    QVERIFY(QFile::remove(path));
    QVERIFY(TestImage::write(path, sole));
    w.drop(path);
    QVERIFY(w.report().contains(QLatin1String("Engine type : SOLE")));
    QVERIFY(w.canSave());
}

void TestOddInputs::awkwardNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces") << QStringLiteral("customer  board 7 .bin");
    QTest::newRow("non-ASCII") << QStringLiteral("Waschmaschine Größe Ü – çé ø 洗衣机.eep");
    QTest::newRow("200 characters") << QString(196, QLatin1Char('n')) + QStringLiteral(".bin");
}

void TestOddInputs::awkwardNames()
{
    QFETCH(QString, name);
    QTemporaryDir here;
    QVERIFY2(here.isValid(), qPrintable(here.errorString()));
    const QString path = here.filePath(name);
    QVERIFY(TestImage::write(path, TestImage::valid()));

    Window w;
    w.load(path);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
    QVERIFY(w.report().contains(QLatin1String("EEPROM checksum: OK")));
    QCOMPARE(appSettings().value(QStringLiteral("dlg/last_open_path")).toString(), path);

    const QString proposed = w.saveAsProposed().proposed();
    QString expected = path;
    expected.insert(expected.lastIndexOf(QLatin1Char('.')), QLatin1String("_clear"));
    QCOMPARE(proposed, expected);
    QCOMPARE(w.status(), QStringLiteral("File saved: ") + expected);
    QCOMPARE(TestImage::read(expected), TestImage::cleaned(TestImage::valid()));
    QCOMPARE(TestImage::read(path), TestImage::valid());
}

void TestOddInputs::corruptSettings()
{
    const QString file = appSettings().fileName();
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(TestImage::write(file, QByteArray("\x00\xff[dlg\n=====\n\xfe last_open_path", 30) +
                                       QByteArray(4000, '\x01')));

    Window w;
    w.load(dir.filePath(QStringLiteral("good.bin")));
    QVERIFY(w.canSave());
    QVERIFY(w.report().contains(QLatin1String("Product code : 0a1b2c3d")));
}

void TestOddInputs::unwritableSettings()
{
    // A regular file where the settings folder should be: not even root can write below it.
    const QString file = appSettings().fileName();
    const QString folder = QFileInfo(file).path();
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(TestImage::write(folder, "not a folder"));

    {
        Window w;
        w.load(dir.filePath(QStringLiteral("good.bin")));
        QVERIFY(w.canSave());
        QVERIFY(w.report().contains(QLatin1String("Product code : 0a1b2c3d")));
    }
    // The store really cannot be written (the window's own attempt failed silently).
    QSettings settings = appSettings();
    settings.setValue(QStringLiteral("dlg/last_open_path"), QStringLiteral("probe"));
    settings.sync();
    QCOMPARE(settings.status(), QSettings::AccessError);
    QVERIFY(QFileInfo(folder).isFile());
    // Only the remembered path is lost; a new window still loads.
    Window again;
    again.load(dir.filePath(QStringLiteral("good.bin")));
    QVERIFY(again.canSave());
    QVERIFY(QFile::remove(folder));
}

void TestOddInputs::unusableSettingsFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << QStringLiteral("Tavro Tool.conf") << QStringLiteral("fifo");
    QTest::newRow("FIFO for the whole organisation")
        << QStringLiteral("../Wendrix.conf") << QStringLiteral("fifo");
    QTest::newRow("2 MiB file") << QStringLiteral("Tavro Tool.conf") << QStringLiteral("huge");
}

// A settings file that would block the window before it appears, or fill its memory: it is left
// alone, and the settings live in memory for the run.
void TestOddInputs::unusableSettingsFile()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QString folder = QFileInfo(appSettings().fileName()).path();
    QVERIFY(QDir().mkpath(folder));
    const QString file = QDir::cleanPath(folder + QLatin1Char('/') + name);
    QFile::remove(file); // written by the windows before
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else {
        QFile huge(file);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(2 << 20));
    }
    const QDateTime modified = QFileInfo(file).lastModified();

    {
        Window w; // a read of the FIFO here would never return
        const QString good = dir.filePath(QStringLiteral("good.bin"));
        w.load(good);
        QVERIFY(w.canSave());
        QCOMPARE(w.load(QString()).folder, dir.path()); // remembered, in memory
    }
    const QFileInfo after(file);
    QCOMPARE(after.isFile(), kind == QLatin1String("huge"));
    QCOMPARE(after.size(), kind == QLatin1String("huge") ? qint64(2 << 20) : qint64(0));
    QCOMPARE(after.lastModified(), modified);
    QVERIFY(QFile::remove(file));
}

TAVRO_TEST_MAIN(TestOddInputs)
#include "tst_oddinputs.moc"
