// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "comparerenderer.h"

#include "dumpfield.h"
#include "sentence.h"

bool CompareRenderer::verdict(QByteArray &out, const QByteArray &nameA, const QByteArray &nameB,
                              const DumpInfo &left, const DumpInfo &right)
{
    int differing = 0;
    for (int i = 0; i < ImageLayout::ImageSize; ++i)
        differing += left.image.at(i) != right.image.at(i);
    const QByteArray count = QByteArray::number(differing);
    if (differing == 0)
        out += Sentence::fill(QStringLiteral("%1 and %2 are identical"), {nameA, nameB});
    else if (differing == 1)
        out += Sentence::fill(QStringLiteral("%1 and %2 differ in 1 byte"), {nameA, nameB});
    else
        out +=
            Sentence::fill(QStringLiteral("%1 and %2 differ in %3 bytes"), {nameA, nameB, count});
    out += '\n';
    return differing == 0;
}

bool CompareRenderer::render(QByteArray &out, const QByteArray &nameA, const QByteArray &nameB,
                             const DumpInfo &left, const DumpInfo &right)
{
    if (verdict(out, nameA, nameB, left, right))
        return true;

    const QByteArray &a = left.image;
    const QByteArray &b = right.image;
    for (const ImageLayout::Region &region : ImageLayout::regions) {
        int count = 0;
        for (int i = region.first; i <= region.last; ++i)
            count += a.at(i) != b.at(i);
        if (count == 0)
            continue;
        out += '\n' +
               Sentence::fill(QStringLiteral("%1: %2 differ"),
                              {region.name, QByteArray::number(count)}) +
               "\n  offset   A   B\n";
        for (int i = region.first; i <= region.last; ++i) {
            if (a.at(i) != b.at(i))
                out += "  " + QByteArray::number(i).rightJustified(6) + "  " + a.mid(i, 1).toHex() +
                       "  " + b.mid(i, 1).toHex() + '\n';
        }
    }

    QByteArray fields;
    const auto shown = [](const DumpField::Value &value) {
        return value.kind == DumpField::Value::Absent ? QByteArray("none") : value.text;
    };
    for (const DumpField &field : DumpField::all()) {
        const QByteArray x = shown(field.value(left));
        const QByteArray y = shown(field.value(right));
        if (!field.compareName.isEmpty() && x != y)
            fields +=
                "\n  " + Sentence::fill(QStringLiteral("%1: %2 -> %3"), {field.compareName, x, y});
    }
    if (fields.isEmpty())
        fields = ' ' + Sentence::fill(QStringLiteral("none (only bytes that are not decoded)"));
    out += '\n' + Sentence::fill(QStringLiteral("fields that differ:")) + fields + '\n';
    return false;
}
