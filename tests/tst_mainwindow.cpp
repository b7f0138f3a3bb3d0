#include "mainwindow.h"
#include "testsupport.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QTranslator>

#include <memory>

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
    void languageChange();
    void resizeKeepsLayout();

private:
    QString writeDump(const QString &name, const QByteArray &bytes);
    QString storedPath();

    QTemporaryDir dir;
};

namespace {

struct Window
{
    std::unique_ptr<MainWindow> window{new MainWindow};

    template <typename T> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QPushButton *loadButton() const { return find<QPushButton>("load_btn"); }
    QPushButton *saveButton() const { return find<QPushButton>("clear_save_btn"); }
    QTextEdit *report() const { return find<QTextEdit>("msgbox"); }
    QString status() const { return find<QStatusBar>("sb")->currentMessage(); }
    QString about() const { return find<QLabel>("about_lbl")->text(); }
};

struct SeenDialog
{
    QString caption;
    QStringList filters;
    QString directory;
    QStringList selected;
};

// Clicks "Load..." and answers the open dialog with `path`, or cancels it when `path` is empty.
SeenDialog openThroughDialog(const Window &w, const QString &path)
{
    SeenDialog seen;
    whenModal<QFileDialog>([&seen, path](QFileDialog *dialog) {
        seen = {dialog->windowTitle(), dialog->nameFilters(), dialog->directory().absolutePath(),
                dialog->selectedFiles()};
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            typeIntoDialog(dialog, path);
        }
    });
    QTest::mouseClick(w.loadButton(), Qt::LeftButton);
    return seen;
}

std::unique_ptr<QMimeData> urlData(const QList<QUrl> &urls)
{
    std::unique_ptr<QMimeData> mime(new QMimeData);
    if (!urls.isEmpty())
        mime->setUrls(urls);
    else
        mime->setText(QStringLiteral("just some text"));
    return mime;
}

bool enterWith(const Window &w, const QList<QUrl> &urls)
{
    const auto mime = urlData(urls);
    QDragEnterEvent event(QPoint(200, 100), Qt::CopyAction, mime.get(), Qt::LeftButton,
                          Qt::NoModifier);
    event.ignore();
    QCoreApplication::sendEvent(w.window.get(), &event);
    return event.isAccepted();
}

// Qt hands a drop to the widget that accepted the drag, so a drop is always preceded by an
// accepted drag; `entered` is what that drag carried, if it differs from the drop.
void drop(const Window &w, const QList<QUrl> &urls, const QList<QUrl> &entered = {})
{
    QVERIFY(enterWith(w, entered.isEmpty() ? urls : entered));
    const auto mime = urlData(urls);
    QDropEvent event(QPointF(200, 100), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.window.get(), &event);
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
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Tavro Tool v. 1.1"));
    QCOMPARE(w.window->size(), QSize(449, 321));
    QVERIFY(w.window->acceptDrops());
    QVERIFY(!w.window->menuWidget());
    QVERIFY(w.report()->isReadOnly());
    QVERIFY(w.report()->toPlainText().isEmpty());
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
    QVERIFY2(about.contains(QLatin1String(">v. 1.1 build 140<")), qPrintable(about));
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
        const SeenDialog seen = openThroughDialog(w, path);
        QCOMPARE(seen.caption, QStringLiteral("Open file"));
        QCOMPARE(seen.filters,
                 QStringList({QStringLiteral("All supported formats (*.bin *.eep)"),
                              QStringLiteral("bin (*.bin)"), QStringLiteral("eep (*.eep)")}));
        QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
        QVERIFY(w.report()->toPlainText().contains(QLatin1String("Product code : 0a1b2c3d")));
        QVERIFY(w.saveButton()->isEnabled());
        QCOMPARE(storedPath(), path);
    }
    // A new window, as after a restart, opens the dialog on the remembered file.
    Window again;
    const SeenDialog seen = openThroughDialog(again, QString());
    QCOMPARE(seen.directory, dir.path());
    QCOMPARE(seen.selected, QStringList(path));
}

void TestMainWindow::cancelKeepsWhatIsShown()
{
    const QString path = writeDump(QStringLiteral("board.eep"), TestImage::valid());
    Window w;
    openThroughDialog(w, path);
    const QString report = w.report()->toHtml();

    openThroughDialog(w, QString());
    QCOMPARE(w.report()->toHtml(), report);
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + path);
    QVERIFY(w.saveButton()->isEnabled());
    QCOMPARE(storedPath(), path);
}

void TestMainWindow::invalidThenValid()
{
    const QString good = writeDump(QStringLiteral("good.bin"), TestImage::valid());
    const QString small = writeDump(QStringLiteral("small.bin"), QByteArray(100, '\x11'));
    Window w;

    openThroughDialog(w, good);
    QVERIFY(w.saveButton()->isEnabled());

    openThroughDialog(w, small);
    QVERIFY(!w.saveButton()->isEnabled());
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + small);
    QCOMPARE(w.report()->toPlainText(), QStringLiteral("File size : 100 bytes\nWrong file size\n"));
    QCOMPARE(storedPath(), small);

    openThroughDialog(w, good);
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
    QCOMPARE(enterWith(w, urls), accepted);
}

void TestMainWindow::dropLoadsFirstFile()
{
    const QString first = writeDump(QStringLiteral("first.bin"), TestImage::valid());
    const QString second = writeDump(QStringLiteral("second.bin"), QByteArray(3, 'x'));
    Window w;
    drop(w, {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    QCOMPARE(w.status(), QStringLiteral("Loaded file: ") + first);
    QVERIFY(w.report()->toPlainText().startsWith(QLatin1String("File size : 512 bytes")));
    QVERIFY(w.saveButton()->isEnabled());
    QVERIFY(storedPath().isEmpty());

    drop(w, {QUrl::fromLocalFile(second)});
    QVERIFY(!w.saveButton()->isEnabled());
    QVERIFY(w.report()->toPlainText().contains(QLatin1String("Wrong file size")));
}

void TestMainWindow::dropWithoutLocalPath()
{
    const QString path = writeDump(QStringLiteral("kept.bin"), TestImage::valid());
    Window w;
    drop(w, {QUrl::fromLocalFile(path)});
    const QString report = w.report()->toHtml();

    // A drag accepted for a file whose drop then carries no local path.
    drop(w, {QUrl(QStringLiteral("https://wendrix.example/x.bin"))}, {QUrl::fromLocalFile(path)});
    QVERIFY(w.status().isEmpty());
    QCOMPARE(w.report()->toHtml(), report);
    QVERIFY(w.saveButton()->isEnabled());
}

void TestMainWindow::languageChange()
{
    const QString path = writeDump(QStringLiteral("shown.bin"), TestImage::valid());
    Window w;
    drop(w, {QUrl::fromLocalFile(path)});
    const QString report = w.report()->toHtml();

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(TAVRO_QM_FILE)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(w.loadButton()->text(), QStringLiteral("Laden..."));
    QCOMPARE(w.find<QGroupBox>("groupBox")->title(), QStringLiteral("Dateioperationen"));
    QCOMPARE(w.loadButton()->toolTip(), QStringLiteral("Datei laden"));
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Tavro Tool v. 1.1"));
    QString about = w.about();
    QVERIFY(about.contains(QLatin1String("Service-Werkzeuge")));
    QVERIFY(about.contains(QLatin1String(">v. 1.1 build 140<")));
    QCOMPARE(about.count(QLatin1String("1.1")), 1);
    QCOMPARE(about.count(QLatin1String("140")), 1);
    QCOMPARE(w.report()->toHtml(), report);
    QVERIFY(w.saveButton()->isEnabled());

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(w.loadButton()->text(), QStringLiteral("Load..."));
    about = w.about();
    QCOMPARE(about.count(QLatin1String("1.1")), 1);
    QCOMPARE(about.count(QLatin1String("140")), 1);
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
