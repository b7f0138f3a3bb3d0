// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef IMAGELAYOUT_H
#define IMAGELAYOUT_H

#include <QtGlobal>

// Where each field of a board image lies: 512 bytes, multi-byte values little-endian. The only
// place that spells an offset.
namespace ImageLayout {

constexpr int ImageSize = 512;
// Bytes 0..254: the error history and counters, what a cleaned copy zeroes. Byte 255 is neither.
constexpr int VariableBlockSize = 255;
constexpr int ErrorCounters = 160; // one byte per error code, E0 first
constexpr int ErrorCount = 14;
constexpr int LastError = 254;
constexpr int IdentificationBlock = 256; // up to 510
constexpr int ProductCode = 256;         // 4 bytes
constexpr int EngineType = 496;          // word
constexpr int McuType = 507;             // word, at an odd offset
constexpr int Checksum = 509;            // word: the sum of the bytes from 256 up to here

// The engines and MCUs known by their words; nullptr for any other word. An image whose engine is
// not known is no Tavro image.
constexpr const char *engineName(quint16 word)
{
    return word == 0x2124 ? "C.E.Set. Srl" : word == 0x292C ? "SOLE" : nullptr;
}
constexpr const char *mcuName(quint16 word)
{
    return word == 0x0000 ? "Tavro 01 A0052-25" : word == 0xBC42 ? "Tavro 02 C0 141 C48" : nullptr;
}

// The parts of the image as compare names them, in order.
struct Region
{
    int first, last;
    const char *name;
};
constexpr Region regions[] = {
    {0, VariableBlockSize - 1, QT_TRANSLATE_NOOP("tavro-cli", "variable data block (bytes 0-254)")},
    {VariableBlockSize, VariableBlockSize, QT_TRANSLATE_NOOP("tavro-cli", "byte 255")},
    {IdentificationBlock, Checksum + 1,
     QT_TRANSLATE_NOOP("tavro-cli", "identification block (bytes 256-510)")},
    {ImageSize - 1, ImageSize - 1, QT_TRANSLATE_NOOP("tavro-cli", "byte 511")},
};

} // namespace ImageLayout

#endif // IMAGELAYOUT_H
