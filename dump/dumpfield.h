// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef DUMPFIELD_H
#define DUMPFIELD_H

#include <QString>

#include <vector>

struct DumpInfo;

// One decoded field of a valid image, described once for the window's report and tavro-cli's
// JSON, CSV and compare, which all walk the rows of all() in order.
struct DumpField
{
    // A value as it prints, held in place: a report allocates nothing for its numbers.
    struct Value
    {
        // Text prints as it stands everywhere. The other kinds hold the English word the report
        // translates ("Unknown"); Absent is JSON's null, Yes and No are true and false.
        enum Kind { Text, Translated, Absent, Yes, No };

        static Value text(const char *text, Kind kind = Text);
        static Value number(quint64 value, int base = 10, int width = 0, const char *prefix = "");
        // An error code as the window prints it ("%X"): E3, or 5 without a leading zero.
        static Value code(quint8 code);
        QLatin1String view() const { return QLatin1String(chars, size); }
        QByteArray bytes() const { return QByteArray(chars, size); }
        bool isVerdict() const { return kind == Yes || kind == No; }

        Kind kind = Text;
        int size = 0;
        char chars[24] = {};
    };

    const char *label;  // the report's label (translated, context QObject), or nullptr
    bool gap;           // the report leaves an empty line after it
    const char *group;  // the JSON object that holds the key, or nullptr
    const char *key;    // the JSON key
    const char *column; // the CSV column, or nullptr
    const char *name;   // what compare calls it, or nullptr
    Value (*value)(const DumpInfo &info);

    static const std::vector<DumpField> &all();
};

#endif // DUMPFIELD_H
