// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef DUMPFIELD_H
#define DUMPFIELD_H

#include "dumpinfo.h"

#include <QByteArray>

#include <functional>
#include <vector>

// Every decoded field of a valid image, described once: the window's report and tavro-cli's text,
// JSON, CSV and compare all walk the rows of all() in order. The identification fields come
// first, then one row per error counter, E0 to ED.
struct DumpField
{
    // A field's value: numbers stay numbers until they are printed.
    struct Value
    {
        // Text prints as it stands everywhere. A Count prints in decimal (JSON writes it as a
        // number), a Word as 0x2124. The other kinds hold the English word that the report
        // translates: Absent is JSON's null, Yes and No are true and false.
        enum Kind { Text, Count, Word, Translated, Absent, Yes, No };
        Value(Kind kind, const QByteArray &text) : kind(kind), text(text) {}
        Value(Kind kind, quint64 number) : kind(kind), number(number) {}

        Kind kind;
        QByteArray text;    // Text, and the English word of the kinds a report translates
        quint64 number = 0; // Count and Word
        bool isVerdict() const { return kind == Yes || kind == No; }
        // Whether its text is an English word that output for people translates.
        bool isTranslated() const { return kind >= Translated; }
        // As every output prints it before translation: E3, 14, 0x2124, OK.
        QByteArray printed() const;
    };
    enum Section { Identification, Counter };

    Section section;
    const char *label;       // the report's label, or a counter's error name (translated, context
                             // QObject); nullptr when the report leaves the field out
    bool gap;                // the report leaves an empty line after it
    const char *group;       // the JSON object (or, for counters, array) that holds it, or nullptr
    const char *key;         // the JSON key; a counter's code, E3
    const char *column;      // the CSV column, or nullptr
    bool tallied;            // a summary counts the files for each of its values
    const char *compareName; // what compare calls an identification field (context tavro-cli),
                             // or nullptr; compare names every counter by its code and name
    std::function<Value(const DumpInfo &)> value;

    static const std::vector<DumpField> &all();
    // A 16-bit word as the fields print it: 0x2124.
    static QByteArray word(quint16 word);
    // How JSON and CSV name a problem: "wrong size"; empty for none.
    static const char *problemName(DumpInfo::Problem problem);
    // Why a file gives no image, in English for JSON and CSV: a refused text's line and reason,
    // or the system's reason a file could not be opened or read; empty when its size or engine
    // says it all.
    static QByteArray detail(const DumpInfo &info);
    // How tavro-cli names a verdict: "bad-checksum".
    static const char *verdictName(DumpInfo::Verdict verdict);
    static constexpr int VerdictCount = 5;
};

#endif // DUMPFIELD_H
