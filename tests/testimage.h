// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef TESTIMAGE_H
#define TESTIMAGE_H

// Synthetic board images and small file helpers for the test suites, QtCore only.

#include <QByteArray>
#include <QFile>
#include <QString>

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

#endif // TESTIMAGE_H
