// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef DUMPINFO_H
#define DUMPINFO_H

#include "fileio.h"
#include "imageformat.h"
#include "imagelayout.h"
#include "refusal.h"

#include <QByteArray>
#include <QString>

// What one board image holds, decoded once into plain numbers: the field table reads it, the
// window's report and tavro-cli's renderers print it.
struct DumpInfo
{
    // The first check that failed, in the order they are made.
    enum Problem {
        NoProblem,
        CannotOpen,     // missing, unreadable, or no regular file
        WrongSize,      // not 512 bytes long
        IncompleteRead, // the read failed or ended early
        BadRecords,     // a programmer's text that does not give the 512 bytes exactly once
        UnknownEngine,  // the engine word is not one of the two known ones
    };
    // What a batch tells of a file, in one word: tavro-cli filters and counts by it.
    enum class Verdict { Valid, BadChecksum, WrongSize, UnknownEngine, Unreadable };

    Problem problem = CannotOpen;
    quint64 size = 0;        // the file's length; 0 when it could not be opened
    QByteArray image;        // the 512 bytes, when they were read whole
    ImageFormat format;      // how the file held them
    Refusal refusal;         // BadRecords: the line and what is wrong there
    int systemError = 0;     // CannotOpen, IncompleteRead: the system's error number, or 0 for a
                             // file that is no regular file or that ended early
    quint32 productCode = 0; // from here on: decoded from every whole 512-byte image
    quint16 engineType = 0;
    quint16 mcuType = 0;
    quint16 storedChecksum = 0;
    quint16 computedChecksum = 0;
    quint8 lastError = 0;
    quint8 errorStats[ImageLayout::ErrorCount] = {};

    bool valid() const { return problem == NoProblem; }
    bool checksumOk() const { return storedChecksum == computedChecksum; }
    Verdict verdict() const;

    // Reads and decodes the file at `nativePath`, a path as the system spells it: the 512 bytes
    // themselves, or a programmer's text (Intel HEX, S-record) as the image it gives.
    static DumpInfo readAnyFormat(const QByteArray &nativePath);
    // Decodes a file already read, in any of the formats.
    static DumpInfo decodeAnyFormat(const FileIo::ReadResult &file);
    // Decodes bytes already in memory, as if they were the file's whole contents.
    static DumpInfo decode(const QByteArray &bytes);
};

#endif // DUMPINFO_H
