// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "mainwindow.h"
#include "tavroversion.h"
#include "ui_mainwindow.h"

#include "fileio.h"

#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

const QLatin1String version(TAVRO_VERSION);
const QLatin1String lastOpenPathKey("dlg/last_open_path");

// Only the first URL of a drag counts; anything that is not a local file gives an empty path.
QString firstLocalPath(const QMimeData *mime)
{
    return mime ? mime->urls().value(0).toLocalFile() : QString();
}

// QSettings reads its files while it is made: a FIFO there would keep the window from ever
// appearing, a file of gigabytes would fill memory. Such a file is left alone (a stat never
// blocks) and the settings live in memory for this run.
QSettings *openSettings(const QString &organisation, const QString &application)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    constexpr qint64 maxSettingsSize = 1 << 20;
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &folder : folders) {
        for (const QString &name : {organisation + u'/' + application + QLatin1String(".conf"),
                                    organisation + QLatin1String(".conf")}) {
            const QFileInfo file(folder + u'/' + name);
            if (!file.exists() || (file.isFile() && file.size() <= maxSettingsSize))
                continue;
            qDebug("settings file %s is not a regular file of at most 1 MiB: it is left alone, "
                   "and the settings are kept in memory for this run",
                   qUtf8Printable(file.filePath()));
            // No file can ever be read or made below /dev/null.
            return new QSettings(QStringLiteral("/dev/null/settings.conf"), QSettings::IniFormat);
        }
    }
#endif
    return new QSettings(organisation, application);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), settings(nullptr)
{
    ui->setupUi(this);
    for (QWidget *widget :
         std::initializer_list<QWidget *>{ui->groupBox, ui->verticalLayoutWidget, ui->groupBox_2,
                                          ui->msgbox, ui->about_grp, ui->about_lbl})
        formGeometry.append({widget, widget->geometry()});
    formSize = size();
    fitToFont();
    updateVersionInfo();
    setAcceptDrops(true);
    // A long path and the reason for a failed save do not fit the narrow window: the whole
    // message is there when the pointer rests on the status bar.
    connect(ui->sb, &QStatusBar::messageChanged, ui->sb, &QWidget::setToolTip);
    settings = openSettings(QStringLiteral("Wendrix"), QStringLiteral("Tavro Tool"));
}

MainWindow::~MainWindow()
{
    delete ui;
    delete settings;
}

void MainWindow::updateVersionInfo()
{
    QString about = ui->about_lbl->text();
    // Each number goes after its marker and the blank that follows it: "v. 1.1", "build 140". A
    // translation that dropped a marker is left unstamped there, not stamped in the wrong place.
    const QLatin1String buildMarker("build"), versionMarker("v.");
    const auto buildAt = about.indexOf(buildMarker);
    if (buildAt >= 0)
        about.insert(buildAt + buildMarker.size() + 1, QString::number(TAVRO_BUILD));
    const auto versionAt = about.indexOf(versionMarker);
    if (versionAt >= 0)
        about.insert(versionAt + versionMarker.size() + 1, version);
    ui->about_lbl->setText(about);
    setWindowTitle(QLatin1String("Tavro Tool v. ") + version);
}

// The form holds the texts of every language in a font of up to 13 pixels, 9 points as X draws
// them without a desktop. A larger font (GNOME's 11 points, a desktop's larger DPI) scales the
// whole form by as much as the font grew, so that no text is cut or wraps and the layout keeps
// its shape; a smaller one leaves it as it is.
void MainWindow::fitToFont()
{
    constexpr qreal formFontPixels = 13;
    // The size the font is drawn at: a size in points becomes whole pixels.
    const qreal scale = std::max<qreal>(1, QFontInfo(font()).pixelSize() / formFontPixels);
    const auto scaled = [scale](int length) { return qRound(length * scale); };
    // Both edges are scaled, so that the gaps between the groups grow alike.
    for (const auto &place : std::as_const(formGeometry)) {
        const QRect &form = place.second;
        place.first->setGeometry(scaled(form.x()), scaled(form.y()),
                                 scaled(form.x() + form.width()) - scaled(form.x()),
                                 scaled(form.y() + form.height()) - scaled(form.y()));
    }
    resize(scaled(formSize.width()), scaled(formSize.height()));
}

void MainWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateVersionInfo();
    } else if (e->type() == QEvent::FontChange) {
        fitToFont();
    }
}

void MainWindow::on_load_btn_clicked()
{
    fileName = QFileDialog::getOpenFileName(
        this, tr("Open file"), settings->value(lastOpenPathKey).toString(),
        tr("All supported formats (*.bin *.eep);;bin (*.bin);;eep (*.eep)"));
    if (fileName.isEmpty())
        return;
    settings->setValue(lastOpenPathKey, fileName);
    openFile(fileName);
}

void MainWindow::on_clear_save_btn_clicked()
{
    // The proposal is built in fileName itself, so every use on the same load adds one more
    // "_clear"; a path without any dot is proposed unchanged.
    const auto dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        fileName.insert(dot, QLatin1String("_clear"));
    const QString target =
        QFileDialog::getSaveFileName(this, tr("Save file..."), fileName, tr("bin (*.bin)"));
    if (target.isEmpty())
        return;
    FileIo::SaveResult outcome;
    dump.clearAndSave(target, &outcome);
    ui->sb->showMessage(saveMessage(target, outcome), 0);
}

QString MainWindow::saveMessage(const QString &target, const FileIo::SaveResult &outcome)
{
    // The reason comes first: the status bar is narrow and the path can be long, and the tool tip
    // holds the whole message. The reason and the path are filled in together, so a "%2" in a
    // file name stays as it is; each language punctuates between them its own way.
    QString message;
    if (outcome.ok())
        message = QObject::tr("File saved: ") + target;
    else if (outcome.status == FileIo::SaveResult::Failed)
        //: %1 is the reason, %2 the file's path
        message = QObject::tr("Cannot save file: %1 (%2)").arg(outcome.error, target);
    else if (outcome.status == FileIo::SaveResult::RestoredNotConfirmed)
        //: %1 is the reason, %2 the file's path
        message = QObject::tr("Cannot save file; its old contents were put back, but the system "
                              "could not confirm them on the disk: %1 (%2)")
                      .arg(outcome.error, target);
    else
        //: %1 is the reason, %2 the file's path
        message = QObject::tr("Cannot save file, and it may now be damaged: %1 (%2)")
                      .arg(outcome.error, target);
    // The file holds the cleaned image; only a power cut in the next moments could lose it.
    if (outcome.status == FileIo::SaveResult::NotConfirmed)
        message += QObject::tr(" (the system could not confirm that the new name is on the disk)");
    return message;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *e)
{
    const QString path = firstLocalPath(e->mimeData());
    if (!path.isEmpty() && QFileInfo(path).isFile())
        e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *e)
{
    fileName = firstLocalPath(e->mimeData());
    if (fileName.isEmpty())
        ui->sb->clearMessage();
    else
        openFile(fileName);
}

void MainWindow::openFile(const QString &path)
{
    fileName = path;
    ui->sb->showMessage(QObject::tr("Loaded file: ") + fileName, 0);
    ui->msgbox->setHtml(dump.load(fileName));
    ui->clear_save_btn->setEnabled(!dump.error);
}
