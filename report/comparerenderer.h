// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef COMPARERENDERER_H
#define COMPARERENDERER_H

#include <QByteArray>

struct DumpInfo;

// What compare prints of two reads of a board: whether they are identical, and if not, the bytes
// that differ region by region and the decoded fields that differ, named as the field table names
// them.
namespace CompareRenderer {

// Both must hold whole images; the names are shown as they are given. Returns whether identical.
bool render(QByteArray &out, const QByteArray &nameA, const QByteArray &nameB, const DumpInfo &left,
            const DumpInfo &right);
// The first line of that alone: identical, or in how many bytes they differ.
bool verdict(QByteArray &out, const QByteArray &nameA, const QByteArray &nameB,
             const DumpInfo &left, const DumpInfo &right);

} // namespace CompareRenderer

#endif // COMPARERENDERER_H
