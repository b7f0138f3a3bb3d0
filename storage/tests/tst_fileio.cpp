// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "fileio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// What every implementation of the storage routines promises, POSIX or Qt alone: this suite is
// built against both (tst_fileio and tst_fileio_qt).
class TestFileIo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(dir.isValid(), qPrintable(dir.errorString())); }
    void save_data();
    void save();
    void read_data();
    void read();

private:
    QTemporaryDir dir;
};

namespace {

const QByteArray image(512, '\x42');
const QByteArray old(512, '\x5a');

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestFileIo::save_data()
{
    QTest::addColumn<QString>("target"); // what is at the path before the save
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("saves");
    const int replace = FileIo::Replace;
    const int createOnly = FileIo::CreateOnly;
    QTest::newRow("new file") << "nothing" << replace << true;
    QTest::newRow("existing file replaced") << "file" << replace << true;
    QTest::newRow("new file, create only") << "nothing" << createOnly << true;
    QTest::newRow("existing file, create only") << "file" << createOnly << false;
    QTest::newRow("through a link to a file") << "link" << replace << true;
    QTest::newRow("a folder") << "folder" << replace << false;
    QTest::newRow("below a regular file") << "below file" << replace << false;
    QTest::newRow("file writable in a folder that is not") << "locked folder" << replace << true;
}

void TestFileIo::save()
{
    QFETCH(QString, target);
    QFETCH(int, mode);
    QFETCH(bool, saves);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    QString path = folder.filePath(QStringLiteral("board.bin"));
    const QString linked = folder.filePath(QStringLiteral("linked.bin"));
    if (target == QLatin1String("file") || target == QLatin1String("link") ||
        target == QLatin1String("locked folder"))
        write(path, old);
    if (target == QLatin1String("link")) {
        QVERIFY(QFile::link(path, linked));
        path = linked;
    } else if (target == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("board.bin")));
    } else if (target == QLatin1String("below file")) {
        write(folder.filePath(QStringLiteral("plain")), "x");
        path = folder.filePath(QStringLiteral("plain/board.bin"));
    } else if (target == QLatin1String("locked folder")) {
        // Root may write anywhere: it saves as nobody, who owns the file but not the folder.
        if (::geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    }
    const QStringList before =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const bool asNobody = target == QLatin1String("locked folder") && ::geteuid() == 0;
    if (asNobody)
        QCOMPARE(::seteuid(65534), 0);
    const FileIo::SaveResult saved = FileIo::save(path, image, FileIo::SaveMode(mode));
    if (asNobody)
        QCOMPARE(::seteuid(0), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder.path()).constData(), 0700), 0);
    QCOMPARE(saved.ok(), saves);
    QCOMPARE(saved.error.isEmpty(), saves);
    if (saves)
        QCOMPARE(contents(path), image);
    else if (target == QLatin1String("file"))
        QCOMPARE(contents(path), old);
    if (target == QLatin1String("link"))
        QVERIFY(QFileInfo(linked).isSymLink());
    QStringList after =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (saves && target == QLatin1String("nothing"))
        after.removeOne(QStringLiteral("board.bin"));
    QCOMPARE(after, before); // nothing else made, no temporary file left
}

void TestFileIo::read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("size");
    QTest::newRow("whole file") << "512" << int(FileIo::ReadResult::Read) << 512;
    QTest::newRow("empty file") << "0" << int(FileIo::ReadResult::Read) << 0;
    QTest::newRow("longer than asked for") << "513" << int(FileIo::ReadResult::NotRead) << 513;
    QTest::newRow("missing") << "missing" << int(FileIo::ReadResult::CannotOpen) << 0;
    QTest::newRow("folder") << "folder" << int(FileIo::ReadResult::CannotOpen) << 0;
    QTest::newRow("FIFO, never waited for") << "fifo" << int(FileIo::ReadResult::CannotOpen) << 0;
}

void TestFileIo::read()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QFETCH(int, size);
    const QString path = dir.filePath(kind);
    bool number = false;
    const int length = kind.toInt(&number);
    if (number)
        write(path, QByteArray(length, '\x42'));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(kind));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    const FileIo::ReadResult read = FileIo::readRegularFile(path, 512);
    QCOMPARE(int(read.status), status);
    QCOMPARE(read.size, quint64(size));
    QCOMPARE(read.bytes,
             status == FileIo::ReadResult::Read ? QByteArray(size, '\x42') : QByteArray());
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
