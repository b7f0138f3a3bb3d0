// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef JSONWRITER_H
#define JSONWRITER_H

#include <QByteArray>
#include <QVarLengthArray>

// JSON written as it goes, straight into a buffer: commas come by themselves, strings are quoted
// and made valid UTF-8.
class JsonWriter
{
public:
    explicit JsonWriter(QByteArray &out) : out(out) {}

    JsonWriter &beginObject() { return raw("{", '}'); }
    JsonWriter &beginArray() { return raw("[", ']'); }
    JsonWriter &end();
    JsonWriter &key(const char *name); // one of ours: plain ASCII
    JsonWriter &string(const char *text, qsizetype size);
    JsonWriter &string(const QByteArray &text) { return string(text.constData(), text.size()); }
    JsonWriter &number(quint64 value);
    JsonWriter &boolean(bool value) { return raw(value ? "true" : "false"); }
    JsonWriter &null() { return raw("null"); }

private:
    // Writes a value's first token; `close` opens an object or array that it ends.
    JsonWriter &raw(const char *text, char close = 0);

    QByteArray &out;
    QVarLengthArray<char, 4> closers; // the brackets still open, innermost last
    bool empty = true;                // nothing written yet inside the innermost
    bool afterKey = false;
};

#endif // JSONWRITER_H
