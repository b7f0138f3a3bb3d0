// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "eepromdump.h"

#include <QMainWindow>
#include <QPair>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QSettings;

namespace Ui {
class MainWindow;
}

// The program's one window: load a dump by dialog or drop, show its report, and write a cleaned
// copy. Everything it has to say goes to the report view and the status bar, never to a dialog.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Loads `path` as a drop does (a file named on the command line): not remembered as last path.
    void openFile(const QString &path);
    // What the status bar says after a save to `target`.
    static QString saveMessage(const QString &target, const FileIo::SaveResult &outcome);

protected:
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void changeEvent(QEvent *e) override;

private slots:
    void on_load_btn_clicked();
    void on_clear_save_btn_clicked();

private:
    void updateVersionInfo();
    void fitToFont();

    Ui::MainWindow *ui;
    QString fileName;
    EepromDump dump;
    QSettings *settings;
    // The form's own geometry, for the font it was laid out for; fitToFont() scales it.
    QVector<QPair<QWidget *, QRect>> formGeometry;
    QSize formSize;
};

#endif // MAINWINDOW_H
