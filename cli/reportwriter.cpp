#include "reportwriter.h"

#include "dumpinfo.h"
#include "eepromdump.h"
#include "output.h"

#include <QString>

#include <cstring>

namespace {

const char hexDigits[] = "0123456789abcdef";

void appendNumber(QByteArray &out, quint64 value)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value);
    while (n)
        out += digits[--n];
}

// "0x2124": a word as four lowercase hex digits.
void appendWord(QByteArray &out, quint16 word)
{
    out += "0x";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += hexDigits[(word >> shift) & 0xf];
}

// An error code as the window prints it: "%X", so 0xE3 is "E3" and 0x05 is "5".
void appendCode(QByteArray &out, quint8 code)
{
    if (code >> 4)
        out += "0123456789ABCDEF"[code >> 4];
    out += "0123456789ABCDEF"[code & 0xf];
}

} // namespace

const char *ReportWriter::problemText(DumpInfo::Problem problem)
{
    switch (problem) {
    case DumpInfo::CannotOpen:
        return "cannot open";
    case DumpInfo::WrongSize:
        return "wrong size";
    case DumpInfo::IncompleteRead:
        return "incomplete read";
    case DumpInfo::UnknownEngine:
        return "unknown engine";
    case DumpInfo::NoProblem:
        break;
    }
    return "";
}

namespace {

const char *mcuText(const DumpInfo &info)
{
    const char *name = info.mcuName();
    return name ? name : "Unknown";
}

// A JSON string: valid UTF-8 whatever the bytes (a file name need not be), control characters
// escaped.
void appendJsonString(QByteArray &out, const QByteArray &bytes)
{
    // Qt's decoder puts U+FFFD for every byte that is no valid UTF-8.
    const QByteArray text = QString::fromUtf8(bytes).toUtf8();
    out += '"';
    for (const char c : std::as_const(text)) {
        const auto u = static_cast<uchar>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += "\\u00";
            out += hexDigits[u >> 4];
            out += hexDigits[u & 0xf];
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendJsonString(QByteArray &out, const char *text)
{
    appendJsonString(out, QByteArray::fromRawData(text, qsizetype(std::strlen(text))));
}

// An RFC 4180 field: quoted when it holds a comma, a quote or a line break. A field that a
// spreadsheet would take for a formula (a name given as `=cmd|...`.bin) starts with a quote mark.
void appendCsvField(QByteArray &out, const QByteArray &bytes)
{
    QByteArray text = QString::fromUtf8(bytes).toUtf8();
    if (!text.isEmpty() && QByteArray("=+-@\t\r").contains(text.at(0)))
        text.prepend('\'');
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r')) {
        out += '"';
        out += QByteArray(text).replace("\"", "\"\"");
        out += '"';
    } else {
        out += text;
    }
}

} // namespace

ReportWriter::ReportWriter(Format format, Output &output) : format(format), output(output) {}

void ReportWriter::begin()
{
    QByteArray &out = output.buffer();
    if (format == Json) {
        out += '[';
    } else if (format == Csv) {
        out += "path,size,valid,problem,product_code,engine,mcu,checksum_stored,checksum_computed,"
               "checksum_ok,last_error";
        for (int i = 0; i < DumpInfo::ErrorCount; ++i) {
            out += ",E";
            appendCode(out, quint8(i));
        }
        out += "\r\n";
    }
}

void ReportWriter::add(const QByteArray &path, const DumpInfo &info)
{
    switch (format) {
    case Text:
        addText(path, info);
        break;
    case Json:
        addJson(path, info);
        break;
    case Csv:
        addCsv(path, info);
        break;
    }
    first = false;
}

void ReportWriter::end()
{
    if (format == Json)
        output.buffer() += first ? "]\n" : "\n]\n";
}

// The window's report, line for line, under the file's path; a blank line between files.
void ReportWriter::addText(const QByteArray &path, const DumpInfo &info)
{
    QByteArray &out = output.buffer();
    if (!first)
        out += '\n';
    out += output.name(path);
    out += '\n';
    out += EepromDump::report(info, EepromDump::PlainText).toUtf8();
}

void ReportWriter::addJson(const QByteArray &path, const DumpInfo &info)
{
    QByteArray &out = output.buffer();
    out += first ? "\n{\"path\":" : ",\n{\"path\":";
    appendJsonString(out, path);
    out += ",\"size\":";
    if (info.problem == DumpInfo::CannotOpen)
        out += "null";
    else
        appendNumber(out, info.size);
    out += info.valid() ? ",\"valid\":true,\"problem\":null" : ",\"valid\":false,\"problem\":";
    if (!info.valid()) {
        appendJsonString(out, problemText(info.problem));
        out += '}';
        return;
    }
    out += ",\"product_code\":\"";
    out += info.productCodeText();
    out += "\",\"engine\":{\"word\":\"";
    appendWord(out, info.engineType);
    out += "\",\"name\":";
    appendJsonString(out, info.engineName());
    out += "},\"mcu\":{\"word\":\"";
    appendWord(out, info.mcuType);
    out += "\",\"name\":";
    appendJsonString(out, mcuText(info));
    out += "},\"checksum\":{\"stored\":\"";
    appendWord(out, info.storedChecksum);
    out += "\",\"computed\":\"";
    appendWord(out, info.computedChecksum);
    out += info.checksumOk() ? "\",\"ok\":true}" : "\",\"ok\":false}";
    out += ",\"last_error\":";
    if (info.lastError == 0) {
        out += "null";
    } else {
        out += '"';
        appendCode(out, info.lastError);
        out += '"';
    }
    out += ",\"errors\":[";
    for (int i = 0; i < DumpInfo::ErrorCount; ++i) {
        out += i ? ",{\"code\":\"E" : "{\"code\":\"E";
        appendCode(out, quint8(i));
        out += "\",\"name\":";
        appendJsonString(out, DumpInfo::errorName(i));
        out += ",\"count\":";
        appendNumber(out, info.errorStats[i]);
        out += '}';
    }
    out += "]}";
}

void ReportWriter::addCsv(const QByteArray &path, const DumpInfo &info)
{
    QByteArray &out = output.buffer();
    appendCsvField(out, path);
    out += ',';
    if (info.problem != DumpInfo::CannotOpen)
        appendNumber(out, info.size);
    out += info.valid() ? ",true," : ",false,";
    out += problemText(info.problem);
    if (!info.valid()) {
        out += QByteArray(7 + DumpInfo::ErrorCount, ',');
        out += "\r\n";
        return;
    }
    out += ',';
    out += info.productCodeText();
    out += ',';
    appendCsvField(out, info.engineName());
    out += ',';
    appendCsvField(out, mcuText(info));
    out += ',';
    appendWord(out, info.storedChecksum);
    out += ',';
    appendWord(out, info.computedChecksum);
    out += info.checksumOk() ? ",true," : ",false,";
    if (info.lastError != 0)
        appendCode(out, info.lastError);
    for (int i = 0; i < DumpInfo::ErrorCount; ++i) {
        out += ',';
        appendNumber(out, info.errorStats[i]);
    }
    out += "\r\n";
}
