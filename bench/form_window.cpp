// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// The floor for start-up: the program's own form (window/mainwindow.ui), shown by Qt alone,
// without anything the program does around it. What tavro-tool costs beyond this window is the
// program's; what this window costs beyond the bare one is Qt's work for the form.

#include "ui_mainwindow.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    Ui::MainWindow ui;
    ui.setupUi(&window);
    window.show();
    return app.exec();
}
