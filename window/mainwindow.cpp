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
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

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

void MainWindow::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        updateVersionInfo();
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
    // The path and the reason are filled in together, so a "%2" in a file name stays as it is;
    // each language punctuates between them its own way.
    QString message;
    if (outcome.ok())
        message = QObject::tr("File saved: ") + target;
    else if (outcome.status == FileIo::SaveResult::Failed)
        message = QObject::tr("Cannot save file: %1: %2").arg(target, outcome.error);
    else if (outcome.status == FileIo::SaveResult::RestoredNotConfirmed)
        message = QObject::tr("Cannot save file; its old contents were put back, but the system "
                              "could not confirm them on the disk: %1: %2")
                      .arg(target, outcome.error);
    else
        message = QObject::tr("Cannot save file, and it may now be damaged: %1: %2")
                      .arg(target, outcome.error);
    // The file holds the cleaned image; only a power cut in the next moments could lose it.
    if (outcome.status == FileIo::SaveResult::NotConfirmed)
        message += QObject::tr(" (the system could not confirm that the new name is on the disk)");
    ui->sb->showMessage(message, 0);
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
