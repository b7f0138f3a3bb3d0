// The floor for start-up: the simplest Qt window of the same size as the program's, nothing in it.

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
