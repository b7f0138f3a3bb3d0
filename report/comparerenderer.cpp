// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "comparerenderer.h"

#include "dumpfield.h"

bool CompareRenderer::render(QByteArray &out, const QByteArray &nameA, const QByteArray &nameB,
                             const DumpInfo &left, const DumpInfo &right)
{
    const QByteArray both = nameA + " and " + nameB;
    if (left.image == right.image) {
        out += both + " are identical\n";
        return true;
    }

    const QByteArray &a = left.image;
    const QByteArray &b = right.image;
    int differing = 0;
    for (int i = 0; i < ImageLayout::ImageSize; ++i)
        differing += a.at(i) != b.at(i);
    out += both + " differ in " + QByteArray::number(differing) +
           (differing == 1 ? " byte\n" : " bytes\n");
    for (const ImageLayout::Region &region : ImageLayout::regions) {
        int count = 0;
        for (int i = region.first; i <= region.last; ++i)
            count += a.at(i) != b.at(i);
        if (count == 0)
            continue;
        out += QByteArray("\n") + region.name + ": " + QByteArray::number(count) +
               " differ\n  offset   A   B\n";
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
            fields += "\n  " + field.compareName + ": " + x + " -> " + y;
    }
    if (fields.isEmpty())
        fields = " none (only bytes that are not decoded)";
    out += "\nfields that differ:" + fields + '\n';
    return false;
}
