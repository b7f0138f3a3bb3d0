// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "comparerenderer.h"

#include "dumpfield.h"
#include "plural.h"
#include "sentence.h"

#include <QCoreApplication>
#include <QObject>

bool CompareRenderer::verdict(QByteArray &out, const QByteArray &nameA, const QByteArray &nameB,
                              const DumpInfo &left, const DumpInfo &right)
{
    int differing = 0;
    for (int i = 0; i < ImageLayout::ImageSize; ++i)
        differing += left.image.at(i) != right.image.at(i);
    const QByteArray count = QByteArray::number(differing);
    if (differing == 0)
        out += Sentence::fill(QCoreApplication::translate("tavro-cli", "%1 and %2 are identical"),
                              {nameA, nameB});
    else
        out += Sentence::fill(QCoreApplication::translate(
                                  "tavro-cli", "%1 and %2 differ in %3 bytes", nullptr, differing),
                              {nameA, nameB, count});
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
               Sentence::fill(
                   QCoreApplication::translate("tavro-cli", "%1: %2 differ", nullptr, count),
                   {QCoreApplication::translate("tavro-cli", region.name).toUtf8(),
                    QByteArray::number(count)}) +
               '\n' + QCoreApplication::translate("tavro-cli", "  offset   A   B").toUtf8() + '\n';
        for (int i = region.first; i <= region.last; ++i) {
            if (a.at(i) != b.at(i))
                out += "  " + QByteArray::number(i).rightJustified(6) + "  " + a.mid(i, 1).toHex() +
                       "  " + b.mid(i, 1).toHex() + '\n';
        }
    }

    QByteArray fields;
    // Numbers and names as they are; the words a report translates, translated.
    const auto shown = [](const DumpField::Value &value) {
        if (value.kind == DumpField::Value::Absent)
            return QCoreApplication::translate("tavro-cli", "none").toUtf8();
        return value.isTranslated() ? QObject::tr(value.text.constData()).toUtf8()
                                    : value.printed();
    };
    for (const DumpField &field : DumpField::all()) {
        const QByteArray x = shown(field.value(left));
        const QByteArray y = shown(field.value(right));
        const bool counter = field.section == DumpField::Counter;
        if ((!counter && !field.compareName) || x == y)
            continue;
        const QByteArray name =
            counter ? Sentence::fill(QCoreApplication::translate("tavro-cli", "count of %1 (%2)"),
                                     {field.key, QObject::tr(field.label).toUtf8()})
                    : QCoreApplication::translate("tavro-cli", field.compareName).toUtf8();
        fields += "\n  " + Sentence::fill(QCoreApplication::translate("tavro-cli", "%1: %2 -> %3"),
                                          {name, x, y});
    }
    if (fields.isEmpty())
        fields = ' ' + Sentence::fill(QCoreApplication::translate(
                           "tavro-cli", "none (only bytes that are not decoded)"));
    out += '\n' + Sentence::fill(QCoreApplication::translate("tavro-cli", "fields that differ:")) +
           fields + '\n';
    return false;
}
