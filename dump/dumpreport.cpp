// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpreport.h"

#include "dumpfield.h"
#include "plural.h"

#include <QObject>
#include <QStringBuilder>

#include <utility>

// The report's line for each problem, as DumpInfo::Problem orders them.
static const char *const problemLines[] = {
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "Err open file"),
    QT_TRANSLATE_NOOP("QObject", "Wrong file size"),
    QT_TRANSLATE_NOOP("QObject", "Read error: file not fully read"),
    nullptr, // a programmer's text, refused: the refusal says where and why
    QT_TRANSLATE_NOOP("QObject", "Damaged file of not a Tavro firmware"),
};

QString DumpReport::render(const DumpInfo &info, Markup markup)
{
    using Value = DumpField::Value;
    const QString br = markup == RichText ? QStringLiteral("<br>") : QStringLiteral("\n");
    if (info.problem == DumpInfo::CannotOpen)
        return QObject::tr(problemLines[info.problem]) + br;
    QString text;
    text.reserve(1024);
    text += QObject::tr("File size : %1 bytes", nullptr, Plural::of(info.size)).arg(info.size) % br;
    // A refusal quotes the character it could not read, which may be "<" or "&".
    if (info.problem == DumpInfo::BadRecords)
        return text +
               (markup == RichText ? info.refusal.text().toHtmlEscaped() : info.refusal.text()) +
               br;
    if (!info.valid())
        return text + QObject::tr(problemLines[info.problem]) + br;

    bool counting = false;
    for (const DumpField &field : DumpField::all()) {
        if (!field.label)
            continue;
        const Value value = field.value(info);
        if (field.section == DumpField::Counter) {
            if (!std::exchange(counting, true))
                text += QObject::tr("Error statistics : ") % br % br;
            // One pattern for the whole line, so that each language punctuates it its own way.
            //: A counter line of the report, as "E3 - No drain: 2": %1 is the error's code, %2
            //: its name, %3 how often it occurred.
            text += QObject::tr("%1 - %2: %3")
                        .arg(QLatin1String(field.key), QObject::tr(field.label),
                             QString::number(value.number)) %
                    br;
            continue;
        }
        text += QObject::tr(field.label);
        if (value.isVerdict()) // its label ends without a blank: "EEPROM checksum:"
            text += u' ';
        if (!value.isTranslated())
            text += QLatin1String(value.printed());
        else if (value.kind == Value::No && markup == RichText)
            text += QLatin1String("<font color=\"red\">") % QObject::tr(value.text.constData()) %
                    QLatin1String("</font>");
        else
            text += QObject::tr(value.text.constData());
        text += br;
        if (field.gap)
            text += br;
    }
    return text;
}
