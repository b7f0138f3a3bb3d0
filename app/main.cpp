// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "catalogue.h"
#include "console.h"
#include "mainwindow.h"
#include "stopsignals.h"
#include "tavroversion.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>
#include <cstring>

namespace {

const char usage[] =
    "Usage: tavro-tool [QT-OPTION...] [--] [FILE]\n"
    "Opens the Tavro Tool window, which checks and cleans 512-byte EEPROM dumps of Tavro\n"
    "washing-machine control boards; a FILE given is loaded once the window is shown.\n"
    "\n"
    "  --help       this help\n"
    "  --version    the version and build number\n"
    "\n"
    "Qt's own options (-platform, -style, -name and the others) go to Qt. For whole batches of\n"
    "dumps from the command line, see tavro-cli(1). See tavro-tool(1).\n";

// --help and --version, asked for before "--": answered without a window, as desktop programs
// answer them, so that they work without a display too. Anything else is left as it was.
int answered(int argc, char *argv[])
{
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return std::fputs(usage, stdout) < 0 || std::fflush(stdout) != 0;
        if (std::strcmp(argv[i], "--version") == 0)
            return std::printf("tavro-tool %s (build %d)\n", TAVRO_VERSION, TAVRO_BUILD) < 0 ||
                   std::fflush(stdout) != 0;
    }
    return -1;
}

} // namespace

// Start-up: the window is built before the catalogue is loaded; installing the translator
// then sends it a language-change event, on which it retranslates itself.
int main(int argc, char *argv[])
{
    if (const int status = answered(argc, argv); status >= 0)
        return status;
    // Past a file-size limit a save must fail as on a full disk, not end the program.
    Console::failWritesInsteadOfSignals();
    QApplication app(argc, argv);
    // Ctrl-C, kill and a logout's hang-up close the window once a save in progress has finished.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &app, &QCoreApplication::quit);
    Catalogue plurals;
    Catalogue translator;
    Catalogue qtTexts; // Qt's own, in the same language
    MainWindow window;

    if (plurals.loadEnglishPlurals())
        QCoreApplication::installTranslator(&plurals);

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
