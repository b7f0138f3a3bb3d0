// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "dumpinfo.h"

#include "dumpfield.h"
#include "fileio.h"

#include <QObject>
#include <QStringBuilder>
#include <QtEndian>

#include <algorithm>
#include <numeric>

const char *const DumpInfo::errorNames[ErrorCount] = {
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

using Value = DumpField::Value;

// Each problem as tavro-cli names it, and the report's line for it.
static const struct
{
    const char *name;
    const char *line;
} problems[] = {
    {"", nullptr},
    {"cannot open", QT_TRANSLATE_NOOP("QObject", "Err open file")},
    {"wrong size", QT_TRANSLATE_NOOP("QObject", "Wrong file size")},
    {"incomplete read",
     QT_TRANSLATE_NOOP("QObject", "Read error: the file could not be read completely")},
    {"unknown engine", QT_TRANSLATE_NOOP("QObject", "Damaged file of not a Tavro firmware")},
};

const char *DumpInfo::engineName() const
{
    return engineType == 0x2124 ? "C.E.Set. Srl" : engineType == 0x292C ? "SOLE" : nullptr;
}

const char *DumpInfo::problemName() const
{
    return problems[problem].name;
}

QString DumpInfo::report(Markup markup) const
{
    const QString br = markup == RichText ? QStringLiteral("<br>") : QStringLiteral("\n");
    if (problem == CannotOpen)
        return QObject::tr(problems[problem].line) + br;
    QString text;
    text.reserve(1024);
    text += QObject::tr("File size : ") % Value::number(size).view() % QLatin1Char(' ') %
            QObject::tr("bytes") % br;
    if (problem != NoProblem)
        return text + QObject::tr(problems[problem].line) + br;

    for (const DumpField &field : DumpField::all()) {
        if (!field.label)
            continue;
        const Value value = field.value(*this);
        text += QObject::tr(field.label);
        if (value.isVerdict()) // its label ends without a blank: "EEPROM checksum:"
            text += u' ';
        if (value.kind == Value::Text)
            text += value.view();
        else if (value.kind == Value::No && markup == RichText)
            text += QLatin1String("<font color=\"red\">") % QObject::tr(value.chars) %
                    QLatin1String("</font>");
        else
            text += QObject::tr(value.chars);
        text += br;
        if (field.gap)
            text += br;
    }

    text += QObject::tr("Error statistics : ") % br % br;
    for (int i = 0; i < ErrorCount; ++i)
        text += Value::code(quint8(0xE0 + i)).view() % QLatin1String(" - ") %
                QObject::tr(errorNames[i]) % QLatin1String(": ") %
                Value::number(errorStats[i]).view() % br;
    return text;
}

DumpInfo DumpInfo::read(const QByteArray &nativePath)
{
    // A file of the wrong length is not read: a huge one must neither stall nor fill memory.
    const FileIo::ReadResult file = FileIo::readRegularFile(nativePath, ImageSize);
    if (file.status == FileIo::ReadResult::CannotOpen)
        return DumpInfo();
    DumpInfo info = decode(file.bytes);
    info.size = file.size;
    if (file.size == ImageSize && file.status != FileIo::ReadResult::Read)
        info.problem = IncompleteRead;
    return info;
}

DumpInfo DumpInfo::decode(const QByteArray &bytes)
{
    DumpInfo info;
    info.size = quint64(bytes.size());
    info.problem = WrongSize;
    if (info.size != ImageSize)
        return info;
    info.image = bytes;
    const auto *image = reinterpret_cast<const uchar *>(bytes.constData());
    info.productCode = qFromLittleEndian<quint32>(image + 256);
    info.engineType = qFromLittleEndian<quint16>(image + 496);
    info.mcuType = qFromLittleEndian<quint16>(image + 507);
    info.storedChecksum = qFromLittleEndian<quint16>(image + 509);
    info.computedChecksum = quint16(std::accumulate(image + 256, image + 509, 0u));
    info.lastError = image[254];
    std::copy_n(image + 160, ErrorCount, info.errorStats);
    info.problem = info.engineName() ? NoProblem : UnknownEngine;
    return info;
}
