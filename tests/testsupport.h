// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

// Helpers shared by the test suites: synthetic board images and a test main that keeps the
// user's real settings out of reach.

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace TestImage {

inline void setWord(QByteArray &image, int offset, quint16 value)
{
    image[offset] = static_cast<char>(value & 0xff);
    image[offset + 1] = static_cast<char>(value >> 8);
}

inline quint16 checksumOf(const QByteArray &image)
{
    quint16 sum = 0;
    for (int i = 256; i <= 508; ++i)
        sum = static_cast<quint16>(sum + static_cast<quint8>(image.at(i)));
    return sum;
}

inline void fixChecksum(QByteArray &image)
{
    setWord(image, 509, checksumOf(image));
}

// A valid image: product code 0a1b2c3d, engine 0x2124, MCU 0xBC42, last error E3, counters
// 1, 2, ... 14, every other byte filled with a pattern so that nothing is accidentally zero.
inline QByteArray valid()
{
    QByteArray image(512, '\0');
    for (int i = 0; i < 512; ++i)
        image[i] = static_cast<char>((i * 7 + 3) & 0xff);
    for (int i = 0; i < 14; ++i)
        image[160 + i] = static_cast<char>(i + 1);
    image[254] = static_cast<char>(0xE3);
    image[256] = 0x0A;
    image[257] = 0x1B;
    image[258] = 0x2C;
    image[259] = 0x3D;
    setWord(image, 496, 0x2124);
    setWord(image, 507, 0xBC42);
    fixChecksum(image);
    return image;
}

// The image as clear-and-save writes it: the variable data block, bytes 0 to 254, zeroed.
inline QByteArray cleaned(QByteArray image)
{
    image.replace(0, 255, QByteArray(255, '\0'));
    return image;
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestImage

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

// Like QTEST_MAIN, but the settings store is a temporary folder and the platform is offscreen
// unless the caller chose one.
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
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

#endif // TESTSUPPORT_H
