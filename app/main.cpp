#include "catalogue.h"
#include "mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QtGlobal>

#include <csignal>
#ifdef TAVRO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

// Start-up: the window is built before the catalogue is loaded; installing the translator
// then sends it a language-change event, on which it retranslates itself.
int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail and be reported like a full disk, not end the
    // program with the user's work.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef __GLIBC__
    // glibc gives each thread that allocates a heap of its own. The program's few threads (the
    // one below, Qt's event reader and D-Bus threads) allocate little: one heap for all of them
    // keeps a tenth of a megabyte less resident.
    mallopt(M_ARENA_MAX, 1);
#endif
#ifdef TAVRO_HAVE_FONTCONFIG
    // The first text the window lays out needs the system's font configuration, which takes
    // milliseconds to parse: it is read on a second core while the application connects to the
    // display. Joined before the window is built, since a font lookup that came first would
    // parse it a second time. Without a thread to spare, Qt reads it at the first text as usual.
    std::thread fontConfig;
    try {
        fontConfig = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
    }
    QApplication app(argc, argv);
    if (fontConfig.joinable())
        fontConfig.join();
#else
    QApplication app(argc, argv);
#endif
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
