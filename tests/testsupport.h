// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// Helpers shared by the window's test suites: modal dialogs answered from inside their loop, and a
// test main that keeps the user's real settings out of reach.

#include "testimage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Calls `handle` with the next modal widget of type T once it is shown, from inside its modal
// loop. Gives up after a few seconds so that a dialog that never comes cannot catch a later one.
template <typename T, typename Handler> void whenModal(Handler handle)
{
    auto *timer = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, handle]() {
        T *widget = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!widget && clock.elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (widget)
            handle(widget);
    });
    timer->start();
}

// Types a full path into Qt's own file dialog and presses Enter, as a user would. (selectFile()
// leaves the name field alone while it has the focus, so the field is filled directly.)
inline void typeIntoDialog(QFileDialog *dialog, const QString &path)
{
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (name)
        name->setText(path);
    QTest::keyClick(name ? static_cast<QWidget *>(name) : dialog, Qt::Key_Return);
}

// Like QTEST_MAIN, but the settings store is a temporary folder, the platform is offscreen unless
// the caller chose one, and the font is the one a window gets under X without a desktop.
#define TAVRO_TEST_MAIN(TestObject)                                                                \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir config;                                                                      \
        if (!config.isValid())                                                                     \
            return 1;                                                                              \
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        /* The font X gives without a desktop's settings; Qt 5's offscreen platform says 12. */    \
        QFont font = QApplication::font();                                                         \
        font.setPointSize(9);                                                                      \
        QApplication::setFont(font);                                                               \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#endif // TESTSUPPORT_H
