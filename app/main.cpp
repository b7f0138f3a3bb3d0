#include "catalogue.h"
#include "mainwindow.h"

#include <QApplication>
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

    if (!translator.loadChecked(QCoreApplication::applicationDirPath() + QLatin1String("/lang.qm")))
        qDebug("err load lang file");
    QCoreApplication::installTranslator(&translator);

    Qt::WindowFlags flags = window.windowFlags();
    flags |= Qt::CustomizeWindowHint;
    flags &= ~Qt::WindowMaximizeButtonHint;
    window.setWindowFlags(flags);
    window.show();
    return app.exec();
}
