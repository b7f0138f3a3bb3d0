// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "summaryrenderer.h"

#include "csvwriter.h"
#include "jsonwriter.h"
#include "plural.h"
#include "sentence.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <algorithm>

using Value = DumpField::Value;

namespace {

constexpr int BarWidth = 30; // the longest bar, in characters

// A field's report label as a heading: "Engine type".
QString heading(const DumpField &field)
{
    QString label = QObject::tr(field.label).trimmed();
    if (label.endsWith(u':'))
        label.chop(1);
    return label.trimmed();
}

// A bar `value` long where `most` fills BarWidth: in eighths of a block on a terminal, else in
// whole #. A value above zero always shows.
QString bar(quint64 value, quint64 most, bool terminal)
{
    if (value == 0)
        return QString();
    const quint64 eighths = qMax<quint64>(1, (value * 8 * BarWidth + most / 2) / most);
    if (!terminal)
        return QString(int(qMax<quint64>(1, (eighths + 4) / 8)), u'#');
    QString blocks(int(eighths / 8), QChar(0x2588)); // full block
    if (eighths % 8)
        blocks += QChar(char16_t(0x2590 - eighths % 8)); // left one eighth (U+258F) and up
    return blocks;
}

} // namespace

SummaryRenderer::SummaryRenderer(QByteArray &out, Format format, Style style)
    : ReportRenderer(out), format(format), style(style)
{
    for (const DumpField &field : DumpField::all()) {
        if (field.tallied)
            tallies.push_back({&field, {}});
        if (field.section == DumpField::Counter)
            counters.push_back({&field, 0, 0, 0});
    }
}

void SummaryRenderer::add(const QByteArray &, const DumpInfo &info)
{
    ++files;
    ++verdicts[int(info.verdict())];
    if (!info.valid())
        return;
    for (Tally &tally : tallies) {
        const Value value = tally.field->value(info);
        Count &count = tally.values[value.printed()];
        count.kind = value.kind;
        ++count.files;
    }
    for (Counter &counter : counters) {
        const quint64 count = counter.field->value(info).number;
        counter.boards += count > 0;
        counter.total += count;
        counter.largest = qMax(counter.largest, count);
    }
}

std::vector<std::pair<QByteArray, SummaryRenderer::Count>> SummaryRenderer::Tally::sorted() const
{
    std::vector<std::pair<QByteArray, Count>> list;
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        list.emplace_back(value.key(), value.value());
    std::sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
        return a.second.files != b.second.files ? a.second.files > b.second.files
                                                : a.first < b.first;
    });
    return list;
}

void SummaryRenderer::end()
{
    if (format == Text)
        writeText();
    else if (format == Json)
        writeJson();
    else
        writeCsv();
}

// Counts right-aligned before their labels, so that labels of any length and language line up.
void SummaryRenderer::writeText()
{
    const qsizetype width = QByteArray::number(files).size();
    const auto line = [&](quint64 count, const QString &label) {
        out +=
            "  " + QByteArray::number(count).rightJustified(width) + "  " + label.toUtf8() + '\n';
    };
    const int n = Plural::of(files);
    out += Sentence::fill(QCoreApplication::translate("tavro-cli", "%1 files", nullptr, n),
                          {QByteArray::number(files)}) +
           '\n';
    // Each label agrees with the count before it ("1 valide", "2 valides").
    static const struct
    {
        const char *source;
        const char *comment;
    } verdictLabels[] = {QT_TRANSLATE_N_NOOP3("tavro-cli", "valid", "files of a verdict"),
                         QT_TRANSLATE_N_NOOP3("tavro-cli", "bad checksum", "files of a verdict"),
                         QT_TRANSLATE_N_NOOP3("tavro-cli", "wrong size", "files of a verdict"),
                         QT_TRANSLATE_N_NOOP3("tavro-cli", "unknown engine", "files of a verdict"),
                         QT_TRANSLATE_N_NOOP3("tavro-cli", "unreadable", "files of a verdict")};
    for (int verdict = 0; verdict < DumpField::VerdictCount; ++verdict) {
        const auto &label = verdictLabels[verdict];
        line(verdicts[verdict],
             QCoreApplication::translate("tavro-cli", label.source, label.comment,
                                         Plural::of(verdicts[verdict])));
    }
    for (const Tally &tally : tallies) {
        const auto values = tally.sorted();
        if (!values.empty())
            out += '\n' + heading(*tally.field).toUtf8() + '\n';
        for (const auto &[text, count] : values) {
            const bool translated =
                count.kind >= Value::Translated; // a word, as the report says it
            line(count.files, translated ? QObject::tr(text.constData()) : QString::fromUtf8(text));
        }
    }

    // The error counters as a table, with a bar for how often each error occurred in all.
    QStringList header = {QCoreApplication::translate("tavro-cli", "Error"),
                          QCoreApplication::translate("tavro-cli", "boards"),
                          QCoreApplication::translate("tavro-cli", "total"),
                          QCoreApplication::translate("tavro-cli", "largest")};
    int widths[4] = {};
    quint64 most = 0;
    for (const Counter &counter : counters) {
        const QString name =
            QLatin1String(counter.field->key) + u' ' + QObject::tr(counter.field->label);
        widths[0] = qMax(widths[0], int(name.size()));
        const quint64 numbers[3] = {counter.boards, counter.total, counter.largest};
        for (int i = 0; i < 3; ++i)
            widths[i + 1] = qMax(widths[i + 1], int(QString::number(numbers[i]).size()));
        most = qMax(most, counter.total);
    }
    for (int i = 0; i < 4; ++i)
        widths[i] = qMax(widths[i], int(header.at(i).size()));
    out += '\n' + header.at(0).leftJustified(widths[0]).toUtf8();
    for (int i = 1; i < 4; ++i)
        out += "  " + header.at(i).rightJustified(widths[i]).toUtf8();
    out += '\n';
    for (const Counter &counter : counters) {
        QString row = (QLatin1String(counter.field->key) + u' ' + QObject::tr(counter.field->label))
                          .leftJustified(widths[0]);
        const quint64 numbers[3] = {counter.boards, counter.total, counter.largest};
        for (int i = 0; i < 3; ++i)
            row += QStringLiteral("  ") + QString::number(numbers[i]).rightJustified(widths[i + 1]);
        const QString drawn = bar(counter.total, most, style.terminal);
        out += (drawn.isEmpty() ? row : row + QStringLiteral("  ") + drawn).toUtf8() + '\n';
    }
}

void SummaryRenderer::writeJson()
{
    JsonWriter json(out);
    json.beginObject().key("files").number(files).key("verdicts").beginObject();
    for (int verdict = 0; verdict < DumpField::VerdictCount; ++verdict)
        json.key(DumpField::verdictName(DumpInfo::Verdict(verdict))).number(verdicts[verdict]);
    json.end();
    for (const Tally &tally : tallies) {
        json.key(tally.field->column).beginArray();
        for (const auto &[text, count] : tally.sorted()) {
            json.beginObject().key("value");
            count.kind == Value::Absent ? json.null() : json.string(text);
            json.key("files").number(count.files).end();
        }
        json.end();
    }
    json.key("errors").beginArray();
    for (const Counter &counter : counters) {
        json.beginObject().key("code").string(counter.field->key).key("name");
        json.string(counter.field->label).key("boards").number(counter.boards);
        json.key("total").number(counter.total).key("largest").number(counter.largest).end();
    }
    json.end().end();
    out += '\n';
}

void SummaryRenderer::writeCsv()
{
    CsvWriter csv(out, style.delimiter);
    if (style.bom)
        csv.byteOrderMark();
    if (style.header)
        csv.field("group").field("value").field("files").field("total").field("largest").endRow();
    csv.field("files").empty().number(files).empty().empty().endRow();
    for (int verdict = 0; verdict < DumpField::VerdictCount; ++verdict) {
        csv.field("verdict").field(DumpField::verdictName(DumpInfo::Verdict(verdict)));
        csv.number(verdicts[verdict]).empty().empty().endRow();
    }
    for (const Tally &tally : tallies) {
        for (const auto &[text, count] : tally.sorted()) {
            csv.field(tally.field->column);
            count.kind == Value::Absent ? csv.empty() : csv.field(text);
            csv.number(count.files).empty().empty().endRow();
        }
    }
    for (const Counter &counter : counters) {
        csv.field("error").field(counter.field->key).number(counter.boards);
        csv.number(counter.total).number(counter.largest).endRow();
    }
}
