// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "jsonrenderer.h"

#include "dumpfield.h"

#include <utility>

void JsonRenderer::add(const QByteArray &path, const DumpInfo &info)
{
    using Value = DumpField::Value;
    out += std::exchange(first, false) ? "\n" : ",\n";
    json.beginObject().key("path").string(path).key("size");
    if (info.problem == DumpInfo::CannotOpen)
        json.null();
    else
        json.number(info.size);
    json.key("valid").boolean(info.valid()).key("problem");
    if (!info.valid()) {
        json.string(DumpField::problemName(info.problem)).end();
        return;
    }
    json.null();
    const char *group = nullptr; // the object or array open inside the file's object
    for (const DumpField &field : DumpField::all()) {
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
            json.key("count").number(value.text.toULongLong()).end();
            continue;
        }
        json.key(field.key);
        if (value.kind == Value::Absent)
            json.null();
        else if (value.isVerdict())
            json.boolean(value.kind == Value::Yes);
        else
            json.string(value.text);
    }
    if (group)
        json.end();
    json.end();
}
