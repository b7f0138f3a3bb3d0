// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// A floor below the form's: the simplest Qt window of the same size as the program's, nothing in
// it, so that Qt's own work for the form shows.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(449, 321);
    window.show();
    return app.exec();
}
