#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>
#include <QtGlobal>

// Start-up: the window is built before the catalogue is loaded; installing the translator
// then sends it a language-change event, on which it retranslates itself.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator translator;
    MainWindow window;

    if (!translator.load(QCoreApplication::applicationDirPath() + QLatin1String("/lang.qm")))
        qDebug("err load lang file");
    QCoreApplication::installTranslator(&translator);

    Qt::WindowFlags flags = window.windowFlags();
    flags |= Qt::CustomizeWindowHint;
    flags &= ~Qt::WindowMaximizeButtonHint;
    window.setWindowFlags(flags);
    window.show();
    return app.exec();
}
