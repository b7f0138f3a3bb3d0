// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "csvrenderer.h"

#include "dumpfield.h"

void CsvRenderer::appendField(QByteArray &out, const QByteArray &bytes, char delimiter)
{
    QByteArray text = QString::fromUtf8(bytes).toUtf8();
    if (!text.isEmpty() && QByteArrayLiteral("=+-@\t\r").contains(text.at(0)))
        text.prepend('\'');
    if (text.contains(delimiter) || text.contains('"') || text.contains('\n') ||
        text.contains('\r'))
        out += '"' + text.replace("\"", "\"\"") + '"';
    else
        out += text;
}

void CsvRenderer::begin(QByteArray &out, Style style, const QByteArray &header)
{
    if (style.bom)
        out += "\xef\xbb\xbf";
    if (style.header)
        out += QByteArray(header).replace(',', style.delimiter) + "\r\n";
}

CsvRenderer::CsvRenderer(QByteArray &out, Style style)
    : ReportRenderer(out), delimiter(style.delimiter)
{
    QByteArray header = "path,size,valid,problem";
    for (const DumpField &field : DumpField::all()) {
        if (field.column)
            header += ',' + QByteArray(field.column);
    }
    begin(out, style, header + ",format");
}

void CsvRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    using Value = DumpField::Value;
    appendField(out, path, delimiter);
    out += delimiter;
    if (info.problem != DumpInfo::CannotOpen)
        out += QByteArray::number(info.size);
    out += delimiter;
    out += info.valid() ? "true" : "false";
    out += delimiter;
    appendField(out, DumpField::problemName(info.problem), delimiter);
    for (const DumpField &field : DumpField::all()) {
        if (!field.column)
            continue;
        out += delimiter;
        if (!info.valid())
            continue;
        const Value value = field.value(info);
        if (value.isVerdict())
            out += value.kind == Value::Yes ? "true" : "false";
        else if (value.kind != Value::Absent)
            appendField(out, value.text, delimiter);
    }
    out += delimiter;
    if (info.problem != DumpInfo::CannotOpen)
        out += ImageFormat::name(info.format.kind);
    out += "\r\n";
}
