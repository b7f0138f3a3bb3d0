// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "csvrenderer.h"

#include "dumpfield.h"

CsvRenderer::CsvRenderer(QByteArray &out, Style style)
    : ReportRenderer(out), csv(out, style.delimiter)
{
    if (style.bom)
        csv.byteOrderMark();
    if (!style.header)
        return;
    csv.field("path").field("size").field("valid").field("problem");
    for (const DumpField &field : DumpField::all()) {
        if (field.column)
            csv.field(field.column);
    }
    csv.field("format").field("detail").endRow();
}

void CsvRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    using Value = DumpField::Value;
    const bool opened = info.problem != DumpInfo::CannotOpen;
    csv.field(path);
    opened ? csv.number(info.size) : csv.empty();
    csv.boolean(info.valid()).field(DumpField::problemName(info.problem));
    for (const DumpField &field : DumpField::all()) {
        if (!field.column)
            continue;
        const Value value = info.valid() ? field.value(info) : Value(Value::Absent, QByteArray());
        if (value.isVerdict())
            csv.boolean(value.kind == Value::Yes);
        else if (value.kind == Value::Absent)
            csv.empty();
        else
            csv.field(value.printed());
    }
    opened ? csv.field(ImageFormat::name(info.format.kind)) : csv.empty();
    csv.field(DumpField::detail(info)).endRow();
}
