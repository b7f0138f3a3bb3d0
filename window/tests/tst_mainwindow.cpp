// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpinfo.h"
#include "dumpreport.h"
#include "imagefile.h"
#include "tavroversion.h"
#include "windowdriver.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QSettings>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTranslator>

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
    void translatedTextsFit_data();
    void translatedTextsFit();
    void resizeKeepsLayout();

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
    QVERIFY(w.report().contains(QStringLiteral("E3 - Kein Abpumpen: 4")));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(w.loadButton()->text(), QStringLiteral("Load..."));
    about = w.about();
    QCOMPARE(about.count(QLatin1String(TAVRO_VERSION)), 1);
    QCOMPARE(about.count(QString::number(TAVRO_BUILD)), 1);
    w.drop({QUrl::fromLocalFile(path)});
    QCOMPARE(w.reportHtml(), report);
}

// The buttons and group boxes have fixed sizes and the About text does not wrap: a translation
// longer than its place is cut off. A report line that wraps leaves its count alone on the next
// line: a row for each line of a report whose counters are all at 255, named after it in English.
void TestMainWindow::translatedTextsFit_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<int>("line"); // of the report; -1 for the buttons, titles and About text
    const QStringList lines =
        DumpReport::render(DumpInfo::decode(wornImage()), DumpReport::PlainText)
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList languages =
        QStringLiteral("en " TAVRO_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &language : languages) {
        const QString catalogue =
            language == QLatin1String("en")
                ? QString()
                : QStringLiteral(TAVRO_QM_DIR "/tavro_") + language + QLatin1String(".qm");
        QTest::newRow(qPrintable(language)) << catalogue << -1;
        for (int i = 0; i < lines.size(); ++i)
            QTest::newRow(qPrintable(language + QLatin1Char(' ') + lines.at(i))) << catalogue << i;
    }
}

void TestMainWindow::translatedTextsFit()
{
    QFETCH(QString, catalogue);
    QFETCH(int, line);
    QTranslator translator;
    if (!catalogue.isEmpty()) {
        QVERIFY(translator.load(catalogue));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    Window w;
    // Measured in the font the window gets under X without a desktop, DejaVu Sans at 9 points,
    // as Qt 5 draws it there: 13 pixels, one more than Qt 6. (Qt 5's offscreen platform would
    // use 12 points.)
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    w.window->setFont(font);
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QTRY_COMPARE(w.loadButton()->text(), translator.translate("MainWindow", "Load...").isEmpty()
                                             ? QStringLiteral("Load...")
                                             : translator.translate("MainWindow", "Load..."));

    if (line >= 0) {
        w.window->openFile(writeDump(QStringLiteral("worn.bin"), wornImage()));
        QCoreApplication::processEvents();
        // The report is one paragraph whose lines end in <br>; the view wraps within them.
        auto *view = w.find<QTextEdit>("msgbox");
        const QTextBlock report = view->document()->begin();
        view->document()->documentLayout()->blockBoundingRect(report);
        const QStringList shown = report.text().split(QChar::LineSeparator);
        int at = 0, start = 0;
        for (int seen = -1; at < shown.size(); start += int(shown.at(at++).size()) + 1) {
            if (!shown.at(at).isEmpty() && ++seen == line)
                break;
        }
        QVERIFY(at < shown.size());
        const QString &words = shown.at(at);
        const QTextLayout *layout = report.layout();
        QVERIFY2(layout->lineForTextPosition(start).lineNumber() ==
                     layout->lineForTextPosition(start + int(words.size()) - 1).lineNumber(),
                 qPrintable(QStringLiteral("\"%1\" wraps: %2 pixels")
                                .arg(words)
                                .arg(view->fontMetrics().horizontalAdvance(words))));
        return;
    }

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
    auto *about = w.find<QLabel>("about_lbl");
    QTextDocument text;
    text.setDefaultFont(about->font());
    text.setDocumentMargin(0);
    text.setHtml(about->text());
    if (text.idealWidth() > about->width())
        cut << QStringLiteral("a line of the About text");
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
    QCoreApplication::removeTranslator(&translator);
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

TAVRO_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
