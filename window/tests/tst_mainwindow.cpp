// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpinfo.h"
#include "dumpreport.h"
#include "imagefile.h"
#include "paths.h"
#include "tavroversion.h"
#include "windowdriver.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QScopeGuard>
#include <QSettings>
#include <QSizeGrip>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTranslator>

#include <cerrno>
#include <cstring>

// The window driven as a user would: buttons, the open dialog, drags and drops.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void initialState();
    void loadThroughDialog();
    void cancelKeepsWhatIsShown();
    void invalidThenValid();
    void dragEnter_data();
    void dragEnter();
    void dropLoadsFirstFile();
    void dropWithoutLocalPath();
    void openFile_data();
    void openFile();
    void languageChange();
    void translatedMessages_data();
    void translatedMessages();
    void translatedTextsFit_data();
    void translatedTextsFit();
    void resizeKeepsLayout();
    void followsDesktopFont();

private:
    QString writeDump(const QString &name, const QByteArray &bytes);
    QString storedPath();

    QTemporaryDir dir;
};

using Window = WindowDriver;

namespace {

// A board that has seen every fault often: each counter at 255, its widest.
QByteArray wornImage()
{
    QByteArray image = TestImage::valid();
    image.replace(160, 14, QByteArray(14, '\xff'));
    return image;
}

// The version stamp as the About text must carry it.
QString stamp()
{
    return QLatin1String(">v. " TAVRO_VERSION " build ") + QString::number(TAVRO_BUILD) +
           QLatin1Char('<');
}

} // namespace

void TestMainWindow::initTestCase()
{
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    // The settings must live in the test's own folder, never in the user's.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!config.isEmpty());
    QVERIFY2(QSettings(QStringLiteral("Wendrix"), QStringLiteral("Tavro Tool"))
                 .fileName()
                 .startsWith(config),
             "settings outside the test's folder");
}

void TestMainWindow::init()
{
    QSettings(QStringLiteral("Wendrix"), QStringLiteral("Tavro Tool")).clear();
}

QString TestMainWindow::writeDump(const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    return TestImage::write(path, bytes) ? path : QString();
}

QString TestMainWindow::storedPath()
{
    return QSettings(QStringLiteral("Wendrix"), QStringLiteral("Tavro Tool"))
        .value(QStringLiteral("dlg/last_open_path"))
        .toString();
}

void TestMainWindow::initialState()
{
    Window w;
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Tavro Tool v. " TAVRO_VERSION));
    QCOMPARE(w.window->size(), QSize(449, 321));
    QVERIFY(w.window->acceptDrops());
    QVERIFY(!w.window->menuWidget());
    QVERIFY(w.find<QTextEdit>("msgbox")->isReadOnly());
    QVERIFY(w.report().isEmpty());
    QVERIFY(w.status().isEmpty());
    QVERIFY(w.loadButton()->isEnabled());
    QVERIFY(!w.saveButton()->isEnabled());
    QCOMPARE(w.loadButton()->text(), QStringLiteral("Load..."));
    QCOMPARE(w.saveButton()->text(), QStringLiteral("Clear and save..."));
    QCOMPARE(w.find<QGroupBox>("groupBox")->title(), QStringLiteral("File operations"));
    QCOMPARE(w.find<QGroupBox>("groupBox_2")->title(), QStringLiteral("Result"));
    QCOMPARE(w.find<QGroupBox>("about_grp")->title(), QStringLiteral("About..."));
    QVERIFY(w.window->windowIcon().availableSizes().contains(QSize(32, 32)));

    const QString about = w.about();
    QVERIFY2(about.contains(stamp()), qPrintable(about));
    QCOMPARE(about.count(QLatin1String("v.")), 1);
    QCOMPARE(about.count(QLatin1String("build")), 1);
    QVERIFY(about.contains(QLatin1String(":/icons/code_generator_section.png")));
    QVERIFY(w.find<QLabel>("about_lbl")->openExternalLinks());
    QVERIFY(!QPixmap(QStringLiteral(":/icons/code_generator_section.png")).isNull());
}

void TestMainWindow::loadThroughDialog()
{
    const QString path = writeDump(QStringLiteral("board one.bin"), TestImage::valid());
    {
        Window w;
        const Window::Dialog seen = w.load(path);
        QCOMPARE(seen.caption, QStringLiteral("Open file"));
        QCOMPARE(seen.filters,
                 QStringList({QStringLiteral("All supported formats (*.bin *.eep)"),
                              QStringLiteral("bin (*.bin)"), QStringLiteral("eep (*.eep)")}));
        QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
        QVERIFY(w.report().contains(QLatin1String("Product code : 0a1b2c3d")));
        QVERIFY(w.saveButton()->isEnabled());
        QCOMPARE(storedPath(), path);
    }
    // A new window, as after a restart, opens the dialog on the remembered file.
    Window again;
    const Window::Dialog seen = again.load(QString());
    QCOMPARE(seen.folder, dir.path());
    QCOMPARE(seen.name, QStringLiteral("board one.bin"));
}

void TestMainWindow::cancelKeepsWhatIsShown()
{
    const QString path = writeDump(QStringLiteral("board.eep"), TestImage::valid());
    Window w;
    w.load(path);
    const QString report = w.reportHtml();

    w.load(QString());
    QCOMPARE(w.reportHtml(), report);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
    QVERIFY(w.saveButton()->isEnabled());
    QCOMPARE(storedPath(), path);
}

void TestMainWindow::invalidThenValid()
{
    const QString good = writeDump(QStringLiteral("good.bin"), TestImage::valid());
    const QString small = writeDump(QStringLiteral("small.bin"), QByteArray(100, '\x11'));
    Window w;

    w.load(good);
    QVERIFY(w.saveButton()->isEnabled());

    w.load(small);
    QVERIFY(!w.saveButton()->isEnabled());
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + small);
    QCOMPARE(w.report(), QStringLiteral("File size : 100 bytes\nWrong file size\n"));
    QCOMPARE(storedPath(), small);

    w.load(good);
    QVERIFY(w.saveButton()->isEnabled());
}

void TestMainWindow::dragEnter_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("accepted");

    const QString notes = writeDump(QStringLiteral("notes.txt"), TestImage::valid());
    const QString bin = writeDump(QStringLiteral("a.bin"), TestImage::valid());
    QTest::newRow("text without URL") << QList<QUrl>() << false;
    QTest::newRow("web address") << QList<QUrl>{QUrl(
                                        QStringLiteral("https://wendrix.example/a.bin"))}
                                 << false;
    QTest::newRow("folder") << QList<QUrl>{QUrl::fromLocalFile(dir.path())} << false;
    QTest::newRow("missing file") << QList<QUrl>{QUrl::fromLocalFile(
                                         dir.filePath(QStringLiteral("no.bin")))}
                                  << false;
    QTest::newRow("any extension") << QList<QUrl>{QUrl::fromLocalFile(notes)} << true;
    QTest::newRow("file then folder")
        << QList<QUrl>{QUrl::fromLocalFile(bin), QUrl::fromLocalFile(dir.path())} << true;
    QTest::newRow("folder then file")
        << QList<QUrl>{QUrl::fromLocalFile(dir.path()), QUrl::fromLocalFile(bin)} << false;
}

void TestMainWindow::dragEnter()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, accepted);

    Window w;
    QCOMPARE(w.enter(urls), accepted);
}

void TestMainWindow::dropLoadsFirstFile()
{
    const QString first = writeDump(QStringLiteral("first.bin"), TestImage::valid());
    const QString second = writeDump(QStringLiteral("second.bin"), QByteArray(3, 'x'));
    Window w;
    w.drop({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + first);
    QVERIFY(w.report().startsWith(QLatin1String("File size : 512 bytes")));
    QVERIFY(w.saveButton()->isEnabled());
    QVERIFY(storedPath().isEmpty());

    w.drop({QUrl::fromLocalFile(second)});
    QVERIFY(!w.saveButton()->isEnabled());
    QVERIFY(w.report().contains(QLatin1String("Wrong file size")));
}

void TestMainWindow::dropWithoutLocalPath()
{
    const QString path = writeDump(QStringLiteral("kept.bin"), TestImage::valid());
    Window w;
    w.drop({QUrl::fromLocalFile(path)});
    const QString report = w.reportHtml();

    // A drag accepted for a file whose drop then carries no local path.
    QVERIFY(w.enter(path));
    w.drop({QUrl(QStringLiteral("https://wendrix.example/x.bin"))}, true);
    QVERIFY(w.status().isEmpty());
    QCOMPARE(w.reportHtml(), report);
    QVERIFY(w.saveButton()->isEnabled());
}

// A file given on the command line: loaded as a drop is, whatever it turns out to be, and never
// remembered for the open dialog.
void TestMainWindow::openFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("canSave");
    QTest::newRow("valid dump") << writeDump(QStringLiteral("given.eep"), TestImage::valid())
                                << QStringLiteral("Product code : 0a1b2c3d") << true;
    QTest::newRow("wrong size") << writeDump(QStringLiteral("given.bin"), QByteArray(100, 'x'))
                                << QStringLiteral("Wrong file size") << false;
    QTest::newRow("missing") << dir.filePath(QStringLiteral("missing.bin"))
                             << QStringLiteral("Err open file") << false;
    QTest::newRow("folder") << dir.path() << QStringLiteral("Err open file") << false;
    ImageFormat srec;
    srec.kind = ImageFormat::SRecord;
    QTest::newRow("S-record") << writeDump(QStringLiteral("given.s19"),
                                           ImageFile::encode(TestImage::valid(), srec))
                              << QStringLiteral("File size : 1420 bytes\nProduct code : 0a1b2c3d")
                              << true;
    QTest::newRow("S-record refused")
        << writeDump(QStringLiteral("given.srec"), ImageFile::encode(QByteArray(1024, '\0'), srec))
        << QStringLiteral("File size : 2828 bytes\nline 33: the image "
                          "holds 1024 bytes, a board's EEPROM holds "
                          "512\n")
        << false;
}

void TestMainWindow::openFile()
{
    QFETCH(QString, path);
    QFETCH(QString, report);
    QFETCH(bool, canSave);

    Window w;
    w.window->openFile(path);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
    QVERIFY2(w.report().contains(report), qPrintable(w.report()));
    QCOMPARE(w.canSave(), canSave);
    QVERIFY(storedPath().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::languageChange()
{
    const QString path = writeDump(QStringLiteral("shown.bin"), TestImage::valid());
    Window w;
    w.drop({QUrl::fromLocalFile(path)});
    const QString report = w.reportHtml();

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TAVRO_QM_FILE)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(w.loadButton()->text(), QStringLiteral("Laden..."));
    QCOMPARE(w.find<QGroupBox>("groupBox")->title(), QStringLiteral("Dateioperationen"));
    QCOMPARE(w.loadButton()->toolTip(), QStringLiteral("Datei laden"));
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Tavro Tool v. " TAVRO_VERSION));
    QString about = w.about();
    QVERIFY(about.contains(QLatin1String("Service-Werkzeuge")));
    QVERIFY(about.contains(stamp()));
    QCOMPARE(about.count(QLatin1String(TAVRO_VERSION)), 1);
    QCOMPARE(about.count(QString::number(TAVRO_BUILD)), 1);
    QCOMPARE(w.reportHtml(), report);
    QVERIFY(w.saveButton()->isEnabled());
    // The next load speaks the new language, and the old one again once it is removed.
    w.drop({QUrl::fromLocalFile(path)});
    QVERIFY(w.report().startsWith(QStringLiteral("Dateigröße: 512 Bytes")));
    QVERIFY(w.report().contains(QStringLiteral("E3 - Fehler Abpumpen: 4")));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(w.loadButton()->text(), QStringLiteral("Load..."));
    about = w.about();
    QCOMPARE(about.count(QLatin1String(TAVRO_VERSION)), 1);
    QCOMPARE(about.count(QString::number(TAVRO_BUILD)), 1);
    w.drop({QUrl::fromLocalFile(path)});
    QCOMPARE(w.reportHtml(), report);
}

// Each language punctuates the counter lines and a failed save's message its own way, the reason
// before the path; English stays as it always was.
void TestMainWindow::translatedMessages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("saveFailure"); // %1 the system's reason
    QTest::newRow("en") << QString() << QStringLiteral("<br>E3 - No drain: 4<br>")
                        << QStringLiteral("Cannot save file: %1 (/boards/x.bin)");
    QTest::newRow("fr") << QStringLiteral("fr")
                        << QStringLiteral("<br>E3 - Pas de vidange\u00a0: 4<br>")
                        << QStringLiteral("Impossible d’enregistrer\u00a0: %1 (/boards/x.bin)");
    QTest::newRow("pl") << QStringLiteral("pl")
                        << QStringLiteral("<br>E3 - Brak odpompowania: 4<br>")
                        << QStringLiteral("Nie można zapisać pliku: %1 (/boards/x.bin)");
}

void TestMainWindow::translatedMessages()
{
    QFETCH(QString, language);
    QFETCH(QString, counter);
    QFETCH(QString, saveFailure);
    QTranslator translator;
    if (!language.isEmpty())
        QVERIFY(translator.load(QStringLiteral(TAVRO_QM_DIR "/tavro_%1.qm").arg(language)) &&
                QCoreApplication::installTranslator(&translator));
    const auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });
    const QString report = DumpReport::render(DumpInfo::decode(TestImage::valid()));
    QVERIFY2(report.contains(counter), qPrintable(report));
    const QString reason = QString::fromLocal8Bit(std::strerror(ENOSPC));
    QCOMPARE(MainWindow::saveMessage(QStringLiteral("/boards/x.bin"),
                                     {FileIo::SaveResult::Failed, reason}),
             saveFailure.arg(reason));
}

namespace {

// Everything the report view can show: a full report at its widest, the other verdicts, and each
// problem, the size line of the largest file a window may be given.
QVector<QPair<const char *, DumpInfo>> shownReports()
{
    QByteArray other = wornImage();
    other[254] = 0;
    TestImage::setWord(other, 507, 0x1234); // and the checksum no longer matches
    DumpInfo cannotOpen, incomplete, large;
    incomplete.problem = DumpInfo::IncompleteRead;
    incomplete.size = 512;
    large.problem = DumpInfo::WrongSize;
    large.size = Q_UINT64_C(4294967296);
    return {{"full report", DumpInfo::decode(wornImage())},
            {"bad checksum, unknown MCU, no last error", DumpInfo::decode(other)},
            {"not opened", cannotOpen},
            {"wrong size", large},
            {"read error", incomplete},
            {"unknown engine", DumpInfo::decode(QByteArray(512, '\0'))}};
}

// The lines of the view that it wraps, each with its width.
QStringList wrappedLines(const QTextEdit *view)
{
    QStringList wrapped;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        view->document()->documentLayout()->blockBoundingRect(block); // laid out
        const QTextLayout *layout = block.layout();
        int start = 0;
        for (const QString &line : block.text().split(QChar::LineSeparator)) {
            if (!line.isEmpty() &&
                layout->lineForTextPosition(start).lineNumber() !=
                    layout->lineForTextPosition(start + int(line.size()) - 1).lineNumber())
                wrapped << QStringLiteral("\"%1\" (%2 pixels)")
                               .arg(line)
                               .arg(view->fontMetrics().horizontalAdvance(line));
            start += int(line.size()) + 1;
        }
    }
    return wrapped;
}

// The texts of the form that do not fit their place: buttons, group titles, the About text.
QStringList cutTexts(const WindowDriver &w)
{
    QStringList cut;
    for (QPushButton *button : {w.loadButton(), w.saveButton()}) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int needed = button->fontMetrics().horizontalAdvance(button->text());
        if (needed > room.width())
            cut << QStringLiteral("%1 (%2 pixels, room for %3)")
                       .arg(button->text())
                       .arg(needed)
                       .arg(room.width());
    }
    for (const char *name : {"groupBox", "groupBox_2", "about_grp"}) {
        auto *box = w.find<QGroupBox>(name);
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        if (!box->rect().contains(title))
            cut << box->title();
    }
    // What the groups hold stays clear of the status bar (their frames' bottom edge may not).
    const QWidget *central = w.window->centralWidget();
    for (const char *name : {"verticalLayoutWidget", "msgbox", "about_lbl"}) {
        const auto *inside = w.find<QWidget>(name);
        if (!central->rect().contains(QRect(inside->mapTo(central, QPoint(0, 0)), inside->size())))
            cut << QStringLiteral("%1 under the status bar").arg(QLatin1String(name));
    }
    auto *about = w.find<QLabel>("about_lbl");
    QTextDocument text;
    text.setDefaultFont(about->font());
    text.setDocumentMargin(0);
    text.setHtml(about->text());
    if (text.idealWidth() > about->width())
        cut << QStringLiteral("the About text");
    return cut;
}

} // namespace

// The desktop's font at the sizes desktops use, in every language: no button or group title cut
// off, no line of the report wrapped (its count alone on the next line), and the reason of a
// failed save on the status bar, not pushed out of sight. DejaVu Sans is the font the window
// gets under X without a desktop, and one of the widest.
void TestMainWindow::translatedTextsFit_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("report"); // in shownReports(); -1 the form, -2 a failed save
    const auto reports = shownReports();
    const QStringList languages =
        QStringLiteral("en " TAVRO_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &language : languages) {
        const QString catalogue =
            language == QLatin1String("en")
                ? QString()
                : QStringLiteral(TAVRO_QM_DIR "/tavro_") + language + QLatin1String(".qm");
        for (const int points : {9, 10, 11, 12, 14}) {
            const QByteArray row = language.toLatin1() + ' ' + QByteArray::number(points) + " pt";
            QTest::newRow(row + ", form") << catalogue << points << -1;
            QTest::newRow(row + ", failed save") << catalogue << points << -2;
            for (int i = 0; i < reports.size(); ++i)
                QTest::newRow(row + ", " + reports.at(i).first) << catalogue << points << i;
        }
    }
}

void TestMainWindow::translatedTextsFit()
{
    QFETCH(QString, catalogue);
    QFETCH(int, points);
    QFETCH(int, report);
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(catalogue));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points));
    const auto restore = qScopeGuard([&] {
        QApplication::setFont(desktopFont);
        QCoreApplication::removeTranslator(&translator);
    });
    Window w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    const QString load = translator.translate("MainWindow", "Load...");
    QTRY_COMPARE(w.loadButton()->text(), load.isEmpty() ? QStringLiteral("Load...") : load);

    if (report >= 0) {
        auto *view = w.find<QTextEdit>("msgbox");
        view->setHtml(DumpReport::render(shownReports().at(report).second));
        QCoreApplication::processEvents();
        const QStringList wrapped = wrappedLines(view);
        QVERIFY2(wrapped.isEmpty(), qPrintable(wrapped.join(QLatin1String(", "))));
    } else if (report == -2) {
        // The longest reason of the system for the usual failures, before a path of any length.
        auto *bar = w.find<QStatusBar>("sb");
        const QString path = QStringLiteral("/media/usb/customer-42_clear.bin");
        const QString message = MainWindow::saveMessage(
            path, {FileIo::SaveResult::Failed, QString::fromUtf8(Paths::systemMessage(ENOSPC))});
        bar->showMessage(message);
        QVERIFY(message.indexOf(path) > 0);
        const QString reason = message.left(message.indexOf(path));
        const auto *grip = bar->findChild<QSizeGrip *>();
        const int right = grip && grip->isVisible() ? grip->x() : bar->width() - 12;
        const int room = right - 6; // as the status bar leaves it for the message
        QVERIFY2(bar->fontMetrics().horizontalAdvance(reason) <= room,
                 qPrintable(QStringLiteral("\"%1\": %2 pixels, room for %3")
                                .arg(reason)
                                .arg(bar->fontMetrics().horizontalAdvance(reason))
                                .arg(room)));
        QCOMPARE(bar->toolTip(), message);
    } else {
        const QStringList cut = cutTexts(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
    }
}

void TestMainWindow::resizeKeepsLayout()
{
    Window w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    const char *const groups[] = {"groupBox", "groupBox_2", "about_grp"};
    const QRect expected[] = {{10, 9, 142, 130}, {155, 9, 281, 291}, {10, 140, 142, 160}};
    for (const QSize &size : {QSize(800, 600), QSize(300, 200), QSize(449, 321)}) {
        w.window->resize(size);
        QTRY_COMPARE(w.window->size(), size);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.find<QGroupBox>(groups[i])->geometry(), expected[i]);
    }
}

// The form keeps its shape at any font: as laid out up to the 13 pixels it was made for, in
// proportion beyond, and it follows a change of font while it is open. (The window's own font
// here: Qt hands a new application font on to the widgets only once its event loop runs.)
void TestMainWindow::followsDesktopFont()
{
    Window w;
    const char *const names[] = {
        "groupBox", "verticalLayoutWidget", "groupBox_2", "msgbox", "about_grp", "about_lbl"};
    QVector<QRect> form;
    for (const char *name : names)
        form << w.find<QWidget>(name)->geometry();
    QFont font = w.window->font();
    for (const int pixels : {26, 12, 13}) {
        font.setPixelSize(pixels);
        w.window->setFont(font);
        const int scale = pixels == 26 ? 2 : 1;
        QCOMPARE(w.window->size(), QSize(449, 321) * scale);
        for (int i = 0; i < form.size(); ++i)
            QCOMPARE(w.find<QWidget>(names[i])->geometry(),
                     QRect(form[i].topLeft() * scale, form[i].size() * scale));
    }
}

TAVRO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
