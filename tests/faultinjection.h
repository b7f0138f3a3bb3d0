// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef FAULTINJECTION_H
#define FAULTINJECTION_H

// What the suites that tavro_preload_fiu runs under libfiu's POSIX preload share: the check that
// faults are injected at all, the callbacks that change the file system at the moment of a call,
// and a look at what a fault left behind.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fiu-control.h>
#include <fiu.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FaultInjection {

inline void *errnoInfo(int error)
{
    return reinterpret_cast<void *>(static_cast<intptr_t>(error));
}

// Without the preload nothing would be injected and every fault test would pass: each suite
// calls this from initTestCase().
inline void requireInjection()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QCOMPARE(fiu_init(0), 0);
    QCOMPARE(fiu_enable("posix/io/oc/open", 1, errnoInfo(EIO), 0), 0);
    QFile probe(dir.filePath(QStringLiteral("probe")));
    const bool opened = probe.open(QIODevice::WriteOnly);
    fiu_disable("posix/io/oc/open");
    QVERIFY2(!opened, "faults are not injected: run with LD_PRELOAD=.../fiu_posix_preload.so");
}

// Everything in a folder, hidden names too: what a fault may have left behind.
inline QStringList entries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

inline QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

inline struct stat statOf(const QString &path)
{
    struct stat info = {};
    ::stat(native(path).constData(), &info);
    return info;
}

// What an external fault callback does to the file system at the moment of the call.
inline QByteArray truncateTarget;
inline QByteArray swapFrom;
inline QByteArray swapTo;

inline int truncateWhileRead(const char *, int *, void **, unsigned int *)
{
    (void)!::truncate(truncateTarget.constData(), 100);
    return 0; // the read itself goes ahead, on the shorter file
}

inline QByteArray appearing;

inline int fileAppearsAtSync(const char *, int *, void **, unsigned int *)
{
    QFile file(QFile::decodeName(appearing));
    if (file.open(QIODevice::WriteOnly))
        file.write("a colleague's work");
    return 0;
}

inline int swapInAtOpen(const char *, int *, void **, unsigned int *)
{
    if (!swapFrom.isEmpty())
        ::rename(swapFrom.constData(), swapTo.constData());
    swapFrom.clear();
    return 0;
}

// Fails the `failingCall`-th call of a point from now on (every call when 0) with `failingError`.
inline int failingCall = 0;
inline int failingError = EIO;
inline int callCount = 0;

inline int failNthCall(const char *, int *, void **failinfo, unsigned int *)
{
    ++callCount;
    if (failingCall != 0 && callCount != failingCall)
        return 0;
    *failinfo = errnoInfo(failingError);
    return 1;
}

inline void failCalls(const char *point, int at, int error)
{
    failingCall = at;
    failingError = error;
    callCount = 0;
    QCOMPARE(fiu_enable_external(point, 1, nullptr, 0, failNthCall), 0);
}

} // namespace FaultInjection

#endif // FAULTINJECTION_H
