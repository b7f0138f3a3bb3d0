// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef FILEIO_H
#define FILEIO_H

#include <QByteArray>
#include <QFile>
#include <QString>

// Reading and writing a user's files without losing them, on a flaky USB stick or a network share
// too: every read is checked to the last byte and every save is on the disk before it counts.
// fileio_posix.cpp and the files beside it talk to the system directly; fileio_qt.cpp does the same
// with Qt alone.
namespace FileIo {

struct ReadResult
{
    enum Status {
        Read,       // the whole file is in `bytes`
        NotRead,    // a regular file, opened, but longer than asked for: only `size` is known
        CannotOpen, // missing, unreadable, or no regular file (folder, FIFO, device, socket)
        ReadFailed, // opened, but the read failed or ended before `size` bytes
    };
    Status status = CannotOpen;
    quint64 size = 0;
    QByteArray bytes;
    int error = 0; // CannotOpen, ReadFailed: the system's error number; 0 for a file that is no
                   // regular file, or one that ended early
};

// Reads the whole file at `nativePath` (as the system spells it, in any encoding or none) when it
// is at most `maxSize` bytes long, never blocking: a FIFO or device swapped in is refused.
ReadResult readRegularFile(const QByteArray &nativePath, quint64 maxSize);
inline ReadResult readRegularFile(const QString &path, quint64 maxSize)
{
    return readRegularFile(QFile::encodeName(path), maxSize);
}

struct SaveResult
{
    enum Status {
        Saved,        // the bytes and the file's name are on the disk
        NotConfirmed, // saved, but the system could not confirm that the new name is on the disk
        Failed,       // not saved; the file is as it was
        Damaged,      // not saved, and the old contents could not be put back
        RestoredNotConfirmed, // not saved; the old contents were put back, but the system could
                              // not confirm them on the disk
    };
    Status status = Failed;
    QString error;          // the reason for anything but Saved: the system's words, or ours
    bool otherSize = false; // Failed: the file must be written in place, and its size is not
                            // that of the new contents (the caller tells what that means)
    bool ok() const { return status == Saved || status == NotConfirmed; }
};

enum SaveMode {
    Replace,    // an existing file is replaced (the user has confirmed it)
    CreateOnly, // fails with EEXIST rather than replace a file, even one appearing meanwhile
};

// Replaces or creates the file at `path` with `bytes`, done once they are on the disk; a failure
// leaves it as it was unless Damaged. A link stays a link; the file it names keeps permissions,
// owner, group, hard links, ACLs and extended attributes. Nothing else is left in the folder: what
// a kill leaves there is removed by the next save into it (made on another system, by the first
// one an hour later), and a file left unfinished at the name does not stop a CreateOnly save.
SaveResult save(const QByteArray &nativePath, const QByteArray &bytes, SaveMode mode = Replace);
inline SaveResult save(const QString &path, const QByteArray &bytes, SaveMode mode = Replace)
{
    return save(QFile::encodeName(path), bytes, mode);
}

// Removes from the folder of `nativePath` what killed saves left there, as a save into it does
// (once a run): whether anything went. For a check that refuses existing files before a save.
bool removeLeftovers(const QByteArray &nativePath);

} // namespace FileIo

#endif // FILEIO_H
