// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// A third floor for start-up: the bare window with one line of plain text in it, the least a
// window that says anything costs (fonts, text layout, glyphs).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Tavro Tool")));
    window.resize(449, 321);
    window.show();
    return app.exec();
}
