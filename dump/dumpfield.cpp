// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpfield.h"

#include "dumpinfo.h"

#include <QObject>
#include <QtEndian>

#include <algorithm>
#include <charconv>

using Value = DumpField::Value;

Value Value::text(const char *text, Kind kind)
{
    Value value{kind, int(qstrlen(text))};
    Q_ASSERT(value.size < int(sizeof value.chars));
    std::copy_n(text, value.size, value.chars);
    return value;
}

Value Value::number(quint64 value, int base, int width, const char *prefix)
{
    Value printed = text(prefix);
    char digits[20];
    const int count = int(std::to_chars(digits, digits + sizeof digits, value, base).ptr - digits);
    for (int i = count; i < width; ++i)
        printed.chars[printed.size++] = '0';
    std::copy_n(digits, count, printed.chars + printed.size);
    printed.size += count;
    return printed;
}

Value Value::code(quint8 code)
{
    Value printed = number(code, 16);
    std::transform(printed.chars, printed.chars + printed.size, printed.chars,
                   [](char c) { return c >= 'a' ? char(c - 'a' + 'A') : c; });
    return printed;
}

const std::vector<DumpField> &DumpField::all()
{
    static const auto word = [](quint16 value) { return Value::number(value, 16, 4, "0x"); };
    static const std::vector<DumpField> fields = {
        // label, gap, group, key, column, name, value
        // The product code prints as its bytes in file order: 0a1b2c3d.
        {QT_TRANSLATE_NOOP("QObject", "Product code : "), false, nullptr, "product_code",
         "product_code", "product code",
         [](const DumpInfo &info) { return Value::number(qbswap(info.productCode), 16, 8); }},
        {nullptr, false, "engine", "word", nullptr, "engine type",
         [](const DumpInfo &info) { return word(info.engineType); }},
        {QT_TRANSLATE_NOOP("QObject", "Engine type : "), false, "engine", "name", "engine", nullptr,
         [](const DumpInfo &info) { return Value::text(info.engineName()); }},
        {nullptr, false, "mcu", "word", nullptr, "MCU type",
         [](const DumpInfo &info) { return word(info.mcuType); }},
        {QT_TRANSLATE_NOOP("QObject", "MCU type : "), true, "mcu", "name", "mcu", nullptr,
         [](const DumpInfo &info) {
             if (info.mcuType == 0x0000)
                 return Value::text("Tavro 01 A0052-25");
             if (info.mcuType == 0xBC42)
                 return Value::text("Tavro 02 C0 141 C48");
             return Value::text(QT_TRANSLATE_NOOP("QObject", "Unknown"), Value::Translated);
         }},
        {nullptr, false, "checksum", "stored", "checksum_stored", "stored checksum",
         [](const DumpInfo &info) { return word(info.storedChecksum); }},
        {nullptr, false, "checksum", "computed", "checksum_computed", "computed checksum",
         [](const DumpInfo &info) { return word(info.computedChecksum); }},
        {QT_TRANSLATE_NOOP("QObject", "EEPROM checksum:"), true, "checksum", "ok", "checksum_ok",
         "checksum verdict",
         [](const DumpInfo &info) {
             return info.checksumOk()
                        ? Value::text(QT_TRANSLATE_NOOP("QObject", "OK"), Value::Yes)
                        : Value::text(QT_TRANSLATE_NOOP("QObject", "Error"), Value::No);
         }},
        {QT_TRANSLATE_NOOP("QObject", "Last error : "), true, nullptr, "last_error", "last_error",
         "last error",
         [](const DumpInfo &info) {
             return info.lastError
                        ? Value::code(info.lastError)
                        : Value::text(QT_TRANSLATE_NOOP("QObject", "None"), Value::Absent);
         }},
    };
    return fields;
}
