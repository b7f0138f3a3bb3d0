// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#include "catalogue.h"

#include "fileio.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Section tags of a compiled catalogue, and the tags inside one message.
enum Section : quint8 {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96
};
enum MessageTag : quint8 {
    End = 1,
    Translation = 3,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8
};

constexpr uchar magic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                             0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Our own catalogue is a few kilobytes; anything this large is not one.
constexpr quint64 maxCatalogueSize = 16 << 20;

struct Block
{
    const uchar *data = nullptr;
    quint32 size = 0;

    bool has(quint64 offset, quint64 length) const { return offset + length <= size; }
    quint32 read32(quint32 offset) const { return qFromBigEndian<quint32>(data + offset); }
    quint16 read16(quint32 offset) const { return qFromBigEndian<quint16>(data + offset); }
};

// Walks every message in turn; each must end with its end tag inside the block. Collects where
// messages start, in rising order, since those are the only offsets the hash table may name.
bool messagesWellFormed(Block messages, std::vector<quint32> &starts)
{
    quint32 at = 0;
    while (at < messages.size) {
        starts.push_back(at);
        for (;;) {
            if (!messages.has(at, 1))
                return false;
            const quint8 tag = messages.data[at++];
            if (tag == End)
                break;
            if (tag != Translation && tag != Obsolete1 && tag != SourceText && tag != Context &&
                tag != Comment)
                return false;
            if (!messages.has(at, 4))
                return false;
            // Obsolete1 has a bare 4-byte value; the others a length and that many bytes.
            const quint32 length = tag == Obsolete1 ? 0 : messages.read32(at);
            at += 4;
            // lrelease marks a translation left empty with a length of ~0, and Qt stops at it (an
            // odd length) without reading on: Qt's own catalogues have them.
            if (tag == Translation && length == ~0u)
                continue;
            // A translation is UTF-16; the others are bytes. Qt reads the first byte of a comment
            // even when it is empty, so something must follow it.
            if ((tag == Translation && length % 2 != 0) || !messages.has(at, length) ||
                (tag == Comment && !messages.has(at, quint64(length) + 1)))
                return false;
            at += length;
        }
    }
    return true;
}

// Pairs of (hash, offset of a message), sorted by hash for Qt's binary search.
bool hashesWellFormed(Block hashes, const std::vector<quint32> &starts)
{
    if (hashes.size % 8 != 0)
        return false;
    quint32 previous = 0;
    for (quint32 at = 0; at < hashes.size; at += 8) {
        const quint32 hash = hashes.read32(at);
        if (hash < previous ||
            !std::binary_search(starts.begin(), starts.end(), hashes.read32(at + 4)))
            return false;
        previous = hash;
    }
    return true;
}

// A hash table of context names: a table size, then per bucket the offset (in 16-bit units
// after the table) of a run of length-prefixed names that ends with a zero length.
bool contextsWellFormed(Block contexts)
{
    if (contexts.size == 0)
        return true;
    if (!contexts.has(0, 2))
        return false;
    const quint32 buckets = contexts.read16(0);
    const quint32 tableEnd = 2 + 2 * buckets;
    if (buckets == 0 || !contexts.has(0, tableEnd))
        return false;
    for (quint32 bucket = 0; bucket < buckets; ++bucket) {
        const quint32 offset = contexts.read16(2 + 2 * bucket);
        if (offset == 0)
            continue;
        quint64 at = tableEnd + 2 * quint64(offset);
        while (contexts.has(at, 1) && contexts.data[at] != 0)
            at += 1 + contexts.data[at];
        if (!contexts.has(at, 1))
            return false;
    }
    return true;
}

// The plural rules as Qt checks them itself: comparisons joined by and, or and new-rule codes.
bool numerusRulesWellFormed(Block rules)
{
    enum { Equal = 1, Less = 2, LessOrEqual = 3, Between = 4, OperatorMask = 0x07 };
    enum { And = 0xfd, Or = 0xfe, NewRule = 0xff };
    quint32 at = 0;
    while (at < rules.size) {
        const quint8 code = rules.data[at++];
        const quint8 op = code & OperatorMask;
        if ((code & 0x80) || op < Equal || op > Between)
            return false;
        const quint32 operands = op == Between ? 2 : 1;
        if (!rules.has(at, operands))
            return false;
        at += operands;
        if (at == rules.size)
            return true;
        const quint8 joint = rules.data[at++];
        if ((joint != And && joint != Or && joint != NewRule) || at == rules.size)
            return false;
    }
    return true;
}

} // namespace

Catalogue::~Catalogue()
{
    // Qt keeps pointing into the bytes until the translator is gone from the application.
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(this);
}

bool Catalogue::loadChecked(const QString &path)
{
    const FileIo::ReadResult file = FileIo::readRegularFile(path, maxCatalogueSize);
    if (file.status != FileIo::ReadResult::Read || !isWellFormed(file.bytes) ||
        !load(reinterpret_cast<const uchar *>(file.bytes.constData()), int(file.bytes.size())))
        return false;
    // Qt does not copy the catalogue: the bytes it reads must outlive the translation.
    bytes = file.bytes;
    return true;
}

bool Catalogue::loadFor(const QString &programFolder, const QString &translationsFolder,
                        const QStringList &languages)
{
    const QString own = programFolder + QLatin1String("/lang.qm");
    if (QFileInfo::exists(own))
        return loadChecked(own);
    for (const QString &name : languages) {
        // "pl-PL" -> "pl". Only a plain language code becomes part of a file name.
        const QString language = name.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return false;
        const bool plain = language.size() >= 2 && language.size() <= 3 &&
                           std::all_of(language.begin(), language.end(), [](QChar c) {
                               return c >= QLatin1Char('a') && c <= QLatin1Char('z');
                           });
        if (plain && loadChecked(translationsFolder + QLatin1String("/tavro_") + language +
                                 QLatin1String(".qm")))
            return true;
    }
    return false;
}

bool Catalogue::loadEnglishPlurals()
{
    Q_INIT_RESOURCE(plurals);
    return load(QStringLiteral(":/tavro/tavro_en.qm"));
}

bool Catalogue::isWellFormed(const QByteArray &catalogue)
{
    const auto *data = reinterpret_cast<const uchar *>(catalogue.constData());
    const quint64 size = static_cast<quint64>(catalogue.size());
    if (size < sizeof magic || size > maxCatalogueSize ||
        std::memcmp(data, magic, sizeof magic) != 0)
        return false;

    // Sections as Qt reads them: a tag, a 32-bit length, the bytes; a zero tag or length ends the
    // list, a later section replaces one of its kind. Qt reads no offsets from other kinds.
    Block sections[256];
    quint64 at = sizeof magic;
    while (at + 5 < size) {
        const quint8 tag = data[at];
        const quint32 length = qFromBigEndian<quint32>(data + at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        // Ours never names other catalogues; a damaged one must not send Qt loading files.
        if (length > size - at || tag == Dependencies)
            return false;
        sections[tag] = Block{data + at, length};
        at += length;
    }

    std::vector<quint32> starts;
    return messagesWellFormed(sections[Messages], starts) &&
           hashesWellFormed(sections[Hashes], starts) && contextsWellFormed(sections[Contexts]) &&
           numerusRulesWellFormed(sections[NumerusRules]);
}
