// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// libFuzzer target for the catalogue check of start-up: whatever the check lets through must be
// safe for Qt to load and to look every text up in. The catalogue ends at an inaccessible page,
// so a read past its end faults even inside Qt, which AddressSanitizer does not watch.

#include "catalogue.h"
#include "guardedbytes.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The texts the program asks for, as context and source pairs, read from the catalogue source.
QList<QByteArray> lookups;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QFile source(QStringLiteral(TAVRO_TS_FILE));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", TAVRO_TS_FILE);
        std::abort();
    }
    QXmlStreamReader xml(&source);
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText().toUtf8();
        else if (xml.name() == QLatin1String("source"))
            lookups << context << xml.readElementText().toUtf8();
    }
    lookups << QByteArray("QFileDialog") << QByteArray("Open"); // a context it does not hold
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (!Catalogue::isWellFormed(bytes))
        return 0;
    const GuardedBytes guarded(bytes);
    QTranslator translator;
    if (!translator.load(guarded.data(), guarded.size()))
        return 0;
    for (int i = 0; i + 1 < lookups.size(); i += 2) {
        translator.translate(lookups.at(i).constData(), lookups.at(i + 1).constData());
        translator.translate(lookups.at(i).constData(), lookups.at(i + 1).constData(), nullptr, 2);
    }
    return 0;
}
