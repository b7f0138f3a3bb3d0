// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "jsonrenderer.h"

#include "dumpfield.h"

#include <utility>

void JsonRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    using Value = DumpField::Value;
    if (!lines)
        out += std::exchange(first, false) ? "\n" : ",\n";
    json.beginObject().key("path").string(path).key("size");
    const bool opened = info.problem != DumpInfo::CannotOpen;
    if (opened)
        json.number(info.size);
    else
        json.null();
    json.key("valid").boolean(info.valid()).key("problem");
    if (info.valid())
        json.null();
    else
        json.string(DumpField::problemName(info.problem));
    static const std::vector<DumpField> none;
    const char *group = nullptr; // the object or array open inside the file's object
    for (const DumpField &field : info.valid() ? DumpField::all() : none) {
        const bool counter = field.section == DumpField::Counter;
        if (qstrcmp(field.group, group) != 0) {
            if (group)
                json.end();
            if (field.group)
                counter ? json.key(field.group).beginArray() : json.key(field.group).beginObject();
            group = field.group;
        }
        const Value value = field.value(info);
        if (counter) {
            json.beginObject().key("code").string(field.key).key("name").string(field.label);
            json.key("count").number(value.number).end();
            continue;
        }
        json.key(field.key);
        if (value.kind == Value::Absent)
            json.null();
        else if (value.isVerdict())
            json.boolean(value.kind == Value::Yes);
        else
            json.string(value.printed());
    }
    if (group)
        json.end();
    json.key("format");
    if (opened)
        json.string(ImageFormat::name(info.format.kind));
    else
        json.null();
    const QByteArray detail = DumpField::detail(info);
    json.key("detail");
    detail.isEmpty() ? json.null() : json.string(detail);
    json.end();
    if (lines)
        out += '\n';
}

void JsonRenderer::end()
{
    if (!lines)
        out += first ? "]\n" : "\n]\n";
}
