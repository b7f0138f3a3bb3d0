// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef PATHS_H
#define PATHS_H

#include <QByteArray>

// What tavro-cli asks of a path before it reads or writes there. Paths are bytes, as the system
// spells them.
namespace Paths {

// Other: a device, a FIFO, a socket; or a link, when links are not followed.
enum Type { Nothing, File, Folder, Other };

struct Info
{
    Type type = Nothing;
    int error = 0; // for Nothing: the system's error number
    // Nothing is there at all, not even a dangling link (rather than: it cannot be reached).
    bool missing() const;
};

Info inspect(const QByteArray &path, bool followLinks = true);
// Whether both name the same file (after links).
bool sameFile(const QByteArray &a, const QByteArray &b);
// Why a file could not be opened for reading, from the error number its read gave (0: it is no
// regular file), in the user's language; and in English, for JSON and CSV.
QByteArray whyNotRead(int error);
QByteArray englishWhyNotRead(int error);
// The system's reason for an error number, in the user's language: from our catalogue for the
// reasons a program that reads and saves files meets, whether or not the system's locale for
// that language is installed; in the system's own words for the others.
QByteArray systemMessage(int error);
// The same in English, whatever the user's language, and the same from release to release: for
// JSON and CSV.
QByteArray englishSystemMessage(int error);
// The descriptor a path names as a stream of this process (/dev/stdout, /dev/fd/3,
// /proc/self/fd/3), which is written to as it is rather than replaced; -1 for other paths.
int descriptorOf(const QByteArray &path);
// The path with links, "." and ".." resolved as far as it exists.
QByteArray canonical(const QByteArray &path);
// Makes the folder and those above it that are missing: 0, or the error number.
int makeFolders(const QByteArray &path);

} // namespace Paths

#endif // PATHS_H
