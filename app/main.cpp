// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "catalogue.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QtGlobal>

#include <csignal>

// Start-up: the window is built before the catalogue is loaded; installing the translator
// then sends it a language-change event, on which it retranslates itself.
int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail and be reported like a full disk, not end the
    // program with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    Catalogue translator;
    MainWindow window;

    if (!translator.loadFor(QCoreApplication::applicationDirPath(),
                            QStringLiteral(TAVRO_TRANSLATIONS_DIR),
                            QLocale::system().uiLanguages()))
        qDebug("err load lang file");
    QCoreApplication::installTranslator(&translator);

    Qt::WindowFlags flags = window.windowFlags();
    flags |= Qt::CustomizeWindowHint;
    flags &= ~Qt::WindowMaximizeButtonHint;
    window.setWindowFlags(flags);
    window.show();
    // A dump given on the command line (a file manager's "Open With") is loaded once the event
    // loop runs, in the window's language. Qt has already taken its own options out.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && !arguments.at(1).isEmpty()) {
        const QString path = QFileInfo(arguments.at(1)).absoluteFilePath();
        QMetaObject::invokeMethod(
            &window, [&window, path] { window.openFile(path); }, Qt::QueuedConnection);
    }
    return app.exec();
}
