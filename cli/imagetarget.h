// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef IMAGETARGET_H
#define IMAGETARGET_H

#include <QByteArray>

struct ImageFormat;

// Where clear and convert write an image: a file, saved the safe way (EepromDump::save), or a
// stream of this process ("-" standard output, /dev/stdout, /dev/fd/N), written as it is so that
// `>> log` appends rather than being replaced. Every refusal and failure is told on standard
// error.
namespace ImageTarget {

// Whether the image may go to `target`: not a folder or another kind of file, not an existing
// file without `force` (the input itself said as much; one that a killed run left unfinished is
// removed first, unless in a dry run), not a binary image onto a terminal. Why not is told.
bool mayWrite(const QByteArray &input, const QByteArray &target, const ImageFormat &format,
              bool force, bool dryRun = false);
// Whether the image was written (also when its name could not be confirmed on the disk); why
// not, or what could not be confirmed, is told.
bool write(const QByteArray &target, const QByteArray &image, const ImageFormat &format,
           bool force);

} // namespace ImageTarget

#endif // IMAGETARGET_H
