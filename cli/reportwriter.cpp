// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "reportwriter.h"

#include "dumpfield.h"
#include "output.h"

#include <QString>

namespace {

using Value = DumpField::Value;

// An RFC 4180 field: quoted when it holds a comma, a quote or a line break. A field that a
// spreadsheet would take for a formula (a name given as `=cmd|...`.bin) starts with a quote mark.
void appendCsvField(QByteArray &out, const QByteArray &bytes)
{
    QByteArray text = QString::fromUtf8(bytes).toUtf8();
    if (!text.isEmpty() && QByteArrayLiteral("=+-@\t\r").contains(text.at(0)))
        text.prepend('\'');
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r'))
        out += '"' + text.replace("\"", "\"\"") + '"';
    else
        out += text;
}

void addJson(JsonWriter &json, const QByteArray &path, const DumpInfo &info)
{
    json.beginObject().key("path").string(path).key("size");
    if (info.problem == DumpInfo::CannotOpen)
        json.null();
    else
        json.number(info.size);
    json.key("valid").boolean(info.valid()).key("problem");
    if (!info.valid()) {
        json.string(info.problemName()).end();
        return;
    }
    json.null();
    const char *group = nullptr;
    for (const DumpField &field : DumpField::all()) {
        if (group && qstrcmp(field.group, group) != 0)
            json.end();
        if (field.group && qstrcmp(field.group, group) != 0)
            json.key(field.group).beginObject();
        group = field.group;
        const Value value = field.value(info);
        json.key(field.key);
        if (value.kind == Value::Absent)
            json.null();
        else if (value.isVerdict())
            json.boolean(value.kind == Value::Yes);
        else
            json.string(value.chars, value.size);
    }
    if (group)
        json.end();
    json.key("errors").beginArray();
    for (int i = 0; i < DumpInfo::ErrorCount; ++i) {
        const Value code = Value::code(quint8(0xE0 + i));
        json.beginObject().key("code").string(code.chars, code.size);
        json.key("name").string(DumpInfo::errorNames[i]).key("count").number(info.errorStats[i]);
        json.end();
    }
    json.end().end();
}

void addCsv(QByteArray &out, const QByteArray &path, const DumpInfo &info)
{
    appendCsvField(out, path);
    out += ',';
    if (info.problem != DumpInfo::CannotOpen)
        out += Value::number(info.size).bytes();
    out += info.valid() ? ",true," : ",false,";
    out += info.problemName();
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
            appendCsvField(out, value.bytes());
    }
    for (int i = 0; i < DumpInfo::ErrorCount; ++i) {
        out += ',';
        if (info.valid())
            out += Value::number(info.errorStats[i]).bytes();
    }
    out += "\r\n";
}

} // namespace

ReportWriter::ReportWriter(Format format, Output &output)
    : format(format), output(output), out(output.buffer()), json(out)
{
    if (format == Json) {
        out += '[';
    } else if (format == Csv) {
        out += "path,size,valid,problem";
        for (const DumpField &field : DumpField::all()) {
            if (field.column)
                out += ',' + QByteArray(field.column);
        }
        for (int i = 0; i < DumpInfo::ErrorCount; ++i)
            out += ',' + Value::code(quint8(0xE0 + i)).bytes();
        out += "\r\n";
    }
}

void ReportWriter::add(const QByteArray &path, const DumpInfo &info)
{
    switch (format) {
    case Text:
        // The window's report, line for line, under the file's path; a blank line between files.
        if (!first)
            out += '\n';
        out += output.name(path) + '\n' + info.report(DumpInfo::PlainText).toUtf8();
        break;
    case Json:
        out += first ? "\n" : ",\n"; // one file per line
        addJson(json, path, info);
        break;
    case Csv:
        addCsv(out, path, info);
        break;
    }
    first = false;
}

void ReportWriter::end()
{
    if (format == Json)
        out += first ? "]\n" : "\n]\n";
}
