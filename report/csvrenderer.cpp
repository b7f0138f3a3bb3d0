// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "csvrenderer.h"

#include "dumpfield.h"

namespace {

// A field quoted when it holds a comma, a quote or a line break. A field that a spreadsheet would
// take for a formula (a name given as `=cmd|...`.bin) starts with a quote mark.
void appendField(QByteArray &out, const QByteArray &bytes)
{
    QByteArray text = QString::fromUtf8(bytes).toUtf8();
    if (!text.isEmpty() && QByteArrayLiteral("=+-@\t\r").contains(text.at(0)))
        text.prepend('\'');
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r'))
        out += '"' + text.replace("\"", "\"\"") + '"';
    else
        out += text;
}

} // namespace

CsvRenderer::CsvRenderer(QByteArray &out) : ReportRenderer(out)
{
    out += "path,size,valid,problem";
    for (const DumpField &field : DumpField::all()) {
        if (field.column)
            out += ',' + QByteArray(field.column);
    }
    out += "\r\n";
}

void CsvRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    using Value = DumpField::Value;
    appendField(out, path);
    out += ',';
    if (info.problem != DumpInfo::CannotOpen)
        out += QByteArray::number(info.size);
    out += info.valid() ? ",true," : ",false,";
    out += DumpField::problemName(info.problem);
    for (const DumpField &field : DumpField::all()) {
        if (!field.column)
            continue;
        out += ',';
        if (!info.valid())
            continue;
        const Value value = field.value(info);
        if (value.isVerdict())
            out += value.kind == Value::Yes ? "true" : "false";
        else if (value.kind != Value::Absent)
            appendField(out, value.text);
    }
    out += "\r\n";
}
