// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpfield.h"

#include "paths.h"

#include <QObject>
#include <QtEndian>

using namespace ImageLayout;
using Value = DumpField::Value;

namespace {

const char *const errorNames[ErrorCount] = {
    QT_TRANSLATE_NOOP("QObject", "MCU fail 1"),
    QT_TRANSLATE_NOOP("QObject", "Door lock fail"),
    QT_TRANSLATE_NOOP("QObject", "Inlet valve fail"),
    QT_TRANSLATE_NOOP("QObject", "No drain"),
    QT_TRANSLATE_NOOP("QObject", "Pressure switch fail"),
    QT_TRANSLATE_NOOP("QObject", "NTC fail"),
    QT_TRANSLATE_NOOP("QObject", "MCU fail 2"),
    QT_TRANSLATE_NOOP("QObject", "Motor fail"),
    QT_TRANSLATE_NOOP("QObject", "Tacho fail"),
    QT_TRANSLATE_NOOP("QObject", "Triac error"),
    QT_TRANSLATE_NOOP("QObject", "Selector error"),
    QT_TRANSLATE_NOOP("QObject", "Dryer fail"),
    QT_TRANSLATE_NOOP("QObject", "Connection error 1"),
    QT_TRANSLATE_NOOP("QObject", "Connection error 2"),
};

const char *const errorCodes[ErrorCount] = {"E0", "E1", "E2", "E3", "E4", "E5", "E6",
                                            "E7", "E8", "E9", "EA", "EB", "EC", "ED"};

Value text(const char *text, Value::Kind kind = Value::Text)
{
    return Value(kind, QByteArray(text));
}

Value word(quint16 value)
{
    return Value(Value::Word, quint64(value));
}

std::vector<DumpField> makeFields()
{
    using F = DumpField;
    std::vector<DumpField> fields = {
        // section, label, gap, group, key, column, tallied, compareName, value
        // The product code prints as its bytes in file order: 0a1b2c3d.
        {F::Identification, QT_TRANSLATE_NOOP("QObject", "Product code : "), false, nullptr,
         "product_code", "product_code", true, QT_TRANSLATE_NOOP("tavro-cli", "product code"),
         [](const DumpInfo &info) {
             return Value(Value::Text,
                          QByteArray::number(qbswap(info.productCode), 16).rightJustified(8, '0'));
         }},
        {F::Identification, nullptr, false, "engine", "word", nullptr, false,
         QT_TRANSLATE_NOOP("tavro-cli", "engine type"),
         [](const DumpInfo &info) { return word(info.engineType); }},
        {F::Identification, QT_TRANSLATE_NOOP("QObject", "Engine type : "), false, "engine", "name",
         "engine", true, nullptr,
         [](const DumpInfo &info) { return text(engineName(info.engineType)); }},
        {F::Identification, nullptr, false, "mcu", "word", nullptr, false,
         QT_TRANSLATE_NOOP("tavro-cli", "MCU type"),
         [](const DumpInfo &info) { return word(info.mcuType); }},
        {F::Identification, QT_TRANSLATE_NOOP("QObject", "MCU type : "), true, "mcu", "name", "mcu",
         true, nullptr,
         [](const DumpInfo &info) {
             const char *name = mcuName(info.mcuType);
             return name ? text(name)
                         : text(QT_TRANSLATE_NOOP("QObject", "Unknown"), Value::Translated);
         }},
        {F::Identification, nullptr, false, "checksum", "stored", "checksum_stored", false,
         QT_TRANSLATE_NOOP("tavro-cli", "stored checksum"),
         [](const DumpInfo &info) { return word(info.storedChecksum); }},
        {F::Identification, nullptr, false, "checksum", "computed", "checksum_computed", false,
         QT_TRANSLATE_NOOP("tavro-cli", "computed checksum"),
         [](const DumpInfo &info) { return word(info.computedChecksum); }},
        {F::Identification, QT_TRANSLATE_NOOP("QObject", "EEPROM checksum:"), true, "checksum",
         "ok", "checksum_ok", false, QT_TRANSLATE_NOOP("tavro-cli", "checksum verdict"),
         [](const DumpInfo &info) {
             return info.checksumOk() ? text(QT_TRANSLATE_NOOP("QObject", "OK"), Value::Yes)
                                      : text(QT_TRANSLATE_NOOP("QObject", "Error"), Value::No);
         }},
        {F::Identification, QT_TRANSLATE_NOOP("QObject", "Last error : "), true, nullptr,
         "last_error", "last_error", true, QT_TRANSLATE_NOOP("tavro-cli", "last error"),
         [](const DumpInfo &info) {
             // The code as the window prints it ("%X"): E3, or 5 without a leading zero.
             return info.lastError
                        ? Value(Value::Text, QByteArray::number(info.lastError, 16).toUpper())
                        : text(QT_TRANSLATE_NOOP("QObject", "None"), Value::Absent);
         }},
    };
    for (int i = 0; i < ErrorCount; ++i) {
        fields.push_back({F::Counter, errorNames[i], false, "errors", errorCodes[i], errorCodes[i],
                          false, nullptr, [i](const DumpInfo &info) {
                              return Value(Value::Count, quint64(info.errorStats[i]));
                          }});
    }
    return fields;
}

} // namespace

const std::vector<DumpField> &DumpField::all()
{
    static const std::vector<DumpField> fields = makeFields();
    return fields;
}

QByteArray DumpField::Value::printed() const
{
    switch (kind) {
    case Count:
        return QByteArray::number(number);
    case Word:
        return DumpField::word(quint16(number));
    default:
        return text;
    }
}

QByteArray DumpField::word(quint16 word)
{
    return "0x" + QByteArray::number(word, 16).rightJustified(4, '0');
}

const char *DumpField::problemName(DumpInfo::Problem problem)
{
    // English in CSV and JSON; tavro-cli's messages translate them.
    static const char *const names[] = {"",
                                        QT_TRANSLATE_NOOP("tavro-cli", "cannot open"),
                                        QT_TRANSLATE_NOOP("tavro-cli", "wrong size"),
                                        QT_TRANSLATE_NOOP("tavro-cli", "incomplete read"),
                                        QT_TRANSLATE_NOOP("tavro-cli", "bad records"),
                                        QT_TRANSLATE_NOOP("tavro-cli", "unknown engine")};
    return names[problem];
}

QByteArray DumpField::detail(const DumpInfo &info)
{
    switch (info.problem) {
    case DumpInfo::BadRecords:
        return info.refusal.englishText().toUtf8();
    case DumpInfo::CannotOpen:
        return Paths::englishWhyNotRead(info.systemError);
    case DumpInfo::IncompleteRead:
        if (info.systemError)
            return Paths::englishSystemMessage(info.systemError);
        return "the file ended before its last byte";
    case DumpInfo::NoProblem:
    case DumpInfo::WrongSize:
    case DumpInfo::UnknownEngine:
        break;
    }
    return QByteArray();
}

const char *DumpField::verdictName(DumpInfo::Verdict verdict)
{
    static const char *const names[] = {"valid", "bad-checksum", "wrong-size", "unknown-engine",
                                        "unreadable"};
    return names[int(verdict)];
}
