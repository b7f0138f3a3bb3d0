// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "eepromdump.h"
#include "fileio.h"
#include "windowdriver.h"

#include <QMessageBox>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

// Writing the cleaned copy: the bytes written, the names proposed, and that no failure ever
// costs the user a file or the loaded image.
class TestClearSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesCleanedImage();
    void cleanedCopyReportsSameIdentity_data();
    void cleanedCopyReportsSameIdentity();
    void savesOverLoadedFile();
    void keepsPermissionsAndLinks();
    void failuresKeepEverything_data();
    void failuresKeepEverything();
    void nothingLoaded();

    void proposedNames_data();
    void proposedNames();
    void savesThroughDialog();
    void emptyFileNameSavesLoadedImage();
    void overwriteLoadedFileThroughDialog();
    void failureShownInStatusBar();
    void savesInLoadedFormat_data();
    void savesInLoadedFormat();

private:
    QTemporaryDir dir;
};

namespace {

QStringList entries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Lowers the file-size limit for as long as it lives, the way a full disk stops a write.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        ok = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    bool ok = false;

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

// The image as a device programmer writes it, 32 bytes a record: Intel HEX, or S1 records after
// an S0 header and closed by an S5 count as srec_cat does.
QByteArray programmersText(const QByteArray &image, bool intelHex, const QByteArray &lineEnd)
{
    QByteArray text = intelHex ? QByteArray() : "S0030000FC" + lineEnd;
    for (int offset = 0; offset < image.size(); offset += 32) {
        QByteArray bytes = QByteArray(1, char(intelHex ? 32 : 35)) + char(offset >> 8) +
                           char(offset) + QByteArray(intelHex ? 1 : 0, '\0') +
                           image.mid(offset, 32);
        uchar sum = 0;
        for (const char byte : bytes)
            sum = uchar(sum + uchar(byte));
        bytes += char(intelHex ? -sum : ~sum);
        text += (intelHex ? ":" : "S1") + bytes.toHex().toUpper() + lineEnd;
    }
    return text + (intelHex ? ":00000001FF" : "S5030010EC") + lineEnd;
}

} // namespace

using Window = WindowDriver;

void TestClearSave::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QVERIFY2(!dir.path().contains(QLatin1Char('.')), "the name tests need a folder without dots");
}

void TestClearSave::writesCleanedImage()
{
    const QByteArray image = TestImage::valid();
    EepromDump dump;
    dump.loadImage(image);
    const QString target = dir.filePath(QStringLiteral("clean.bin"));

    QVERIFY(dump.clearAndSave(target));
    const QByteArray written = TestImage::read(target);
    QCOMPARE(written.size(), 512);
    QCOMPARE(written.left(255), QByteArray(255, '\0'));
    QCOMPARE(written.mid(255), image.mid(255));
    QCOMPARE(dump.data, written);

    // A second save without a new load writes the same bytes.
    const QString again = dir.filePath(QStringLiteral("clean again.bin"));
    QVERIFY(dump.clearAndSave(again));
    QCOMPARE(TestImage::read(again), written);
    QCOMPARE(entries(dir.path()).filter(QStringLiteral("clean")).size(), 2);
}

void TestClearSave::cleanedCopyReportsSameIdentity_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("valid checksum") << TestImage::valid();
    QByteArray bad = TestImage::valid();
    bad[300] = static_cast<char>(bad.at(300) + 1);
    QTest::newRow("checksum error") << bad;
}

void TestClearSave::cleanedCopyReportsSameIdentity()
{
    QFETCH(QByteArray, image);
    EepromDump original;
    const QString before = original.loadImage(image);
    const QString target = dir.filePath(QStringLiteral("identity.bin"));
    QVERIFY(original.clearAndSave(target));

    EepromDump copy;
    const QString after = copy.load(target);
    QCOMPARE(copy.error, quint8(0));
    QCOMPARE(copy.productCode, original.productCode);
    QCOMPARE(copy.engineType, original.engineType);
    QCOMPARE(copy.mcuType, original.mcuType);
    QCOMPARE(copy.lastError, quint8(0));
    for (int i = 0; i < EepromDump::ErrorCount; ++i)
        QCOMPARE(copy.errorStats[i], quint8(0));
    // Everything up to the last error line reads the same.
    const int cut = before.indexOf(QLatin1String("Last error"));
    QCOMPARE(after.left(cut), before.left(cut));
    QVERIFY(after.contains(QLatin1String("Last error : None<br>")));
}

void TestClearSave::savesOverLoadedFile()
{
    const QString path = dir.filePath(QStringLiteral("only copy.bin"));
    QVERIFY(TestImage::write(path, TestImage::valid()));
    EepromDump dump;
    dump.load(path);
    QVERIFY(dump.clearAndSave(path));
    QCOMPARE(TestImage::read(path), TestImage::cleaned(TestImage::valid()));
}

void TestClearSave::keepsPermissionsAndLinks()
{
    const QString real = dir.filePath(QStringLiteral("real.bin"));
    const QString link = dir.filePath(QStringLiteral("link.bin"));
    QVERIFY(TestImage::write(real, QByteArray("old")));
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                             QFile::WriteUser | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(real, permissions));
    QVERIFY(QFile::link(real, link));

    EepromDump dump;
    dump.loadImage(TestImage::valid());
    QVERIFY(dump.clearAndSave(link));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(TestImage::read(real), TestImage::cleaned(TestImage::valid()));
    QCOMPARE(QFile::permissions(real), permissions);
}

void TestClearSave::failuresKeepEverything_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("below a regular file") << QStringLiteral("below file");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("full disk, new target") << QStringLiteral("full new");
    QTest::newRow("full disk, existing target") << QStringLiteral("full existing");
    // Written in place: the first 100 bytes go in before the limit stops the write.
    QTest::newRow("full disk, hard-linked target") << QStringLiteral("full linked");
}

void TestClearSave::failuresKeepEverything()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY2(folder.isValid(), qPrintable(folder.errorString()));
    const QByteArray image = TestImage::valid();
    const QByteArray existing = QByteArray(512, '\x5a');

    QString target = folder.filePath(QStringLiteral("target.bin"));
    if (kind == QLatin1String("below file")) {
        QVERIFY(TestImage::write(folder.filePath(QStringLiteral("plain")), "x"));
        target = folder.filePath(QStringLiteral("plain/target.bin"));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("target.bin")));
    } else if (kind == QLatin1String("full existing") || kind == QLatin1String("full linked")) {
        QVERIFY(TestImage::write(target, existing));
    }
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(1577872800);
    if (kind == QLatin1String("full linked")) {
        QCOMPARE(::link(QFile::encodeName(target).constData(),
                        QFile::encodeName(folder.filePath(QStringLiteral("second"))).constData()),
                 0);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    const QStringList before = entries(folder.path());

    EepromDump dump;
    dump.loadImage(image);
    bool saved = true;
    FileIo::SaveResult outcome;
    if (kind.startsWith(QLatin1String("full"))) {
        FileSizeLimit limit(100);
        QVERIFY(limit.ok);
        saved = dump.clearAndSave(target, &outcome);
    } else {
        saved = dump.clearAndSave(target, &outcome);
    }
    QVERIFY(!saved);
    QCOMPARE(dump.data, image);
    QCOMPARE(entries(folder.path()), before); // nothing created, no temporary file left
    if (kind == QLatin1String("full existing") || kind == QLatin1String("full linked"))
        QCOMPARE(TestImage::read(target), existing);
    // The bytes that went in are put back, times included: nothing is damaged.
    QCOMPARE(outcome.status, FileIo::SaveResult::Failed);
    if (kind == QLatin1String("full linked"))
        QCOMPARE(QFileInfo(target).lastModified(), modified);

    // A later save elsewhere writes the image as loaded, cleaned once.
    const QString elsewhere = dir.filePath(QStringLiteral("after failure.bin"));
    QVERIFY(dump.clearAndSave(elsewhere));
    QCOMPARE(TestImage::read(elsewhere), TestImage::cleaned(image));
}

void TestClearSave::nothingLoaded()
{
    EepromDump dump;
    const QString target = dir.filePath(QStringLiteral("never.bin"));
    QVERIFY(!dump.clearAndSave(target));
    QVERIFY(!QFileInfo::exists(target));
}

void TestClearSave::proposedNames_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("dump.bin") << QStringLiteral("boards/dump.bin")
                              << QStringLiteral("boards/dump_clear.bin")
                              << QStringLiteral("boards/dump_clear_clear.bin");
    QTest::newRow("several dots") << QStringLiteral("boards/dump.old.eep")
                                  << QStringLiteral("boards/dump.old_clear.eep")
                                  << QStringLiteral("boards/dump.old_clear_clear.eep");
    QTest::newRow("dot in folder only")
        << QStringLiteral("boards.old/dump") << QStringLiteral("boards_clear.old/dump")
        << QStringLiteral("boards_clear_clear.old/dump");
    QTest::newRow("no dot") << QStringLiteral("boards/dump") << QStringLiteral("boards/dump")
                            << QStringLiteral("boards/dump");
}

void TestClearSave::proposedNames()
{
    QFETCH(QString, loaded);
    QFETCH(QString, first);
    QFETCH(QString, second);

    QTemporaryDir root;
    QVERIFY2(root.isValid(), qPrintable(root.errorString()));
    // The dialog shows a proposal in a folder that exists, so every proposed folder is made.
    for (const QString &path : {loaded, first, second})
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(path).path()));
    QVERIFY(TestImage::write(root.filePath(loaded), TestImage::valid()));

    Window w;
    w.drop(root.filePath(loaded));
    QVERIFY(w.saveButton()->isEnabled());
    const Window::Dialog seen = w.save(QString());
    QCOMPARE(seen.caption, QStringLiteral("Save file..."));
    QCOMPARE(seen.filters, QStringList(QStringLiteral("bin (*.bin)")));
    QCOMPARE(seen.proposed(), root.filePath(first));
    // The name grows again, although the first dialog was cancelled.
    QCOMPARE(w.save(QString()).proposed(), root.filePath(second));
    QCOMPARE(TestImage::read(root.filePath(loaded)), TestImage::valid());
    QVERIFY(w.status().startsWith(QLatin1String("Loaded file: ")));
}

void TestClearSave::savesThroughDialog()
{
    const QString loaded = dir.filePath(QStringLiteral("window.bin"));
    QVERIFY(TestImage::write(loaded, TestImage::valid()));
    Window w;
    w.drop(loaded);
    const QString report = w.reportHtml();

    const QString target = dir.filePath(QStringLiteral("window_clear.bin"));
    QCOMPARE(w.save(target).proposed(), target);
    QCOMPARE(w.status(), QStringLiteral("File saved: ") + target);
    QCOMPARE(TestImage::read(target), TestImage::cleaned(TestImage::valid()));
    QCOMPARE(TestImage::read(loaded), TestImage::valid());
    QCOMPARE(w.reportHtml(), report);
    QVERIFY(w.saveButton()->isEnabled());
}

void TestClearSave::emptyFileNameSavesLoadedImage()
{
    const QString loaded = dir.filePath(QStringLiteral("kept.bin"));
    QVERIFY(TestImage::write(loaded, TestImage::valid()));
    Window w;
    w.drop(loaded);
    // A cancelled open dialog empties the current path but keeps the image.
    whenModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    QTest::mouseClick(w.loadButton(), Qt::LeftButton);
    QVERIFY(w.saveButton()->isEnabled());

    const QString target = dir.filePath(QStringLiteral("from empty name.bin"));
    const Window::Dialog seen = w.save(target);
    QVERIFY2(seen.proposed().endsWith(QLatin1Char('/')), qPrintable(seen.proposed()));
    QCOMPARE(TestImage::read(target), TestImage::cleaned(TestImage::valid()));
}

void TestClearSave::overwriteLoadedFileThroughDialog()
{
    const QString loaded = dir.filePath(QStringLiteral("customer.bin"));
    QVERIFY(TestImage::write(loaded, TestImage::valid()));
    Window w;
    w.drop(loaded);

    // The dialog asks before replacing a file; the user agrees.
    bool asked = false;
    whenModal<QFileDialog>([&asked, loaded](QFileDialog *dialog) {
        whenModal<QMessageBox>([&asked](QMessageBox *box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        });
        typeIntoDialog(dialog, loaded);
    });
    QTest::mouseClick(w.saveButton(), Qt::LeftButton);
    QVERIFY(asked);
    QCOMPARE(w.status(), QStringLiteral("File saved: ") + loaded);
    QCOMPARE(TestImage::read(loaded), TestImage::cleaned(TestImage::valid()));
}

void TestClearSave::failureShownInStatusBar()
{
    const QString loaded = dir.filePath(QStringLiteral("precious.bin"));
    QVERIFY(TestImage::write(loaded, TestImage::valid()));
    const QString plain = dir.filePath(QStringLiteral("plain file"));
    QVERIFY(TestImage::write(plain, "x"));
    Window w;
    w.drop(loaded);
    const QString report = w.reportHtml();

    // First a success, so that a later silence would leave "File saved: " standing.
    const QString good = dir.filePath(QStringLiteral("precious_first.bin"));
    w.save(good);
    QCOMPARE(w.status(), QStringLiteral("File saved: ") + good);

    // A "%2" in the name must come out as it is, not as the reason.
    const QString target = plain + QStringLiteral("/precious %2_clear.bin");
    w.save(target);
    // The system's reason, in its own words, comes before the path, which may be long; the
    // message stays until another replaces it.
    const QString failed = QStringLiteral("Cannot save file: ") +
                           QString::fromLocal8Bit(std::strerror(ENOTDIR)) + QStringLiteral(" (") +
                           target + QLatin1Char(')');
    QCOMPARE(w.status(), failed);
    QCOMPARE(w.find<QStatusBar>("sb")->toolTip(), failed);
    QTest::qWait(50);
    QCOMPARE(w.status(), failed);
    QCOMPARE(w.reportHtml(), report);
    QVERIFY(w.saveButton()->isEnabled());
    QCOMPARE(TestImage::read(loaded), TestImage::valid());
}

void TestClearSave::savesInLoadedFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("intelHex");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("Intel HEX, CR LF") << QStringLiteral("board.hex") << true << QByteArray("\r\n");
    QTest::newRow("S-record as srec_cat writes it")
        << QStringLiteral("board.s19") << false << QByteArray("\n");
}

// A programmer's text is reported as the image it holds, and its copy written the same way.
void TestClearSave::savesInLoadedFormat()
{
    QFETCH(QString, name);
    QFETCH(bool, intelHex);
    QFETCH(QByteArray, lineEnd);
    const QString loaded = dir.filePath(name);
    const QByteArray text = programmersText(TestImage::valid(), intelHex, lineEnd);
    QVERIFY(TestImage::write(loaded, text));
    Window w;
    w.drop(loaded);
    QVERIFY2(w.report().startsWith(
                 QStringLiteral("File size : %1 bytes\nProduct code : 0a1b2c3d").arg(text.size())),
             qPrintable(w.report()));
    QVERIFY(w.canSave());

    const QString target =
        QString(loaded).insert(loaded.lastIndexOf(u'.'), QLatin1String("_clear"));
    QCOMPARE(w.saveAsProposed().proposed(), target);
    QCOMPARE(w.status(), QStringLiteral("File saved: ") + target);
    QCOMPARE(TestImage::read(target),
             programmersText(TestImage::cleaned(TestImage::valid()), intelHex, lineEnd));
    QCOMPARE(TestImage::read(loaded), text);
}

TAVRO_TEST_MAIN(TestClearSave)
#include "tst_clearsave.moc"
