// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "catalogue.h"
#include "console.h"
#include "mainwindow.h"
#include "stopsignals.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

// Start-up: the window is built before the catalogue is loaded; installing the translator
// then sends it a language-change event, on which it retranslates itself.
int main(int argc, char *argv[])
{
    // Past a file-size limit a save must fail as on a full disk, not end the program.
    Console::failWritesInsteadOfSignals();
    QApplication app(argc, argv);
    // Ctrl-C, kill and a logout's hang-up close the window once a save in progress has finished.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &app, &QCoreApplication::quit);
    Catalogue translator;
    Catalogue qtTexts; // Qt's own, in the same language
    MainWindow window;

    if (!translator.loadFor(QCoreApplication::applicationDirPath(),
                            QStringLiteral(TAVRO_TRANSLATIONS_DIR),
                            QLocale::system().uiLanguages()))
        qDebug("err load lang file");
    QCoreApplication::installTranslator(&translator);
    // Qt's own texts (the file dialogs, the question before a file is replaced) in the same
    // language, from Qt's catalogue for it where one is installed, checked like ours.
    const QString language = translator.language().section(QLatin1Char('_'), 0, 0);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString qtFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    if (!language.isEmpty() &&
        qtTexts.loadChecked(qtFolder + QLatin1String("/qtbase_") + language + QLatin1String(".qm")))
        QCoreApplication::installTranslator(&qtTexts);

    window.setWindowFlags((window.windowFlags() | Qt::CustomizeWindowHint) &
                          ~Qt::WindowMaximizeButtonHint);
    window.show();
    // A dump named on the command line (a file manager's "Open With") is loaded once the event
    // loop runs, in the window's language. Qt took its options out; "--" may end ours.
    const QStringList arguments = QCoreApplication::arguments();
    const QString path = arguments.value(arguments.value(1) == QLatin1String("--") ? 2 : 1);
    if (!path.isEmpty())
        QMetaObject::invokeMethod(
            &window,
            [&window, file = QFileInfo(path).absoluteFilePath()] { window.openFile(file); },
            Qt::QueuedConnection);
    return QApplication::exec();
}
