// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// Writes synthetic board images for the batch figures: make_dumps DIR COUNT [bin|ihex|srec]. Most
// are valid with varied counters and product codes; every tenth has a wrong checksum and every
// twenty-fifth an unknown engine, so that a batch report takes each of its paths. As Intel HEX
// or S-record they are written by the program's own writer, as a programmer lays them out.

#include "imagefile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void setWord(unsigned char *image, int offset, unsigned value)
{
    image[offset] = static_cast<unsigned char>(value & 0xff);
    image[offset + 1] = static_cast<unsigned char>((value >> 8) & 0xff);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_dumps DIR COUNT [bin|ihex|srec]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const long count = std::strtol(argv[2], nullptr, 10);
    const std::string kind = argc == 4 ? argv[3] : "bin";
    ImageFormat format;
    format.kind = kind == "ihex"   ? ImageFormat::IntelHex
                  : kind == "srec" ? ImageFormat::SRecord
                                   : ImageFormat::Binary;
    const char *suffix = kind == "ihex" ? "hex" : kind == "srec" ? "s19" : "bin";
    unsigned seed = 12345;
    for (long n = 0; n < count; ++n) {
        unsigned char image[512];
        for (unsigned char &byte : image) {
            seed = seed * 1103515245u + 12345u;
            byte = static_cast<unsigned char>(seed >> 16);
        }
        for (int i = 0; i < 14; ++i)
            image[160 + i] = static_cast<unsigned char>((n + i) % 7);
        image[254] = static_cast<unsigned char>(n % 3 == 0 ? 0 : 0xE0 + n % 14);
        setWord(image, 496, n % 25 == 24 ? 0x1234u : (n % 2 ? 0x2124u : 0x292Cu));
        setWord(image, 507, n % 2 ? 0x0000u : 0xBC42u);
        unsigned sum = 0;
        for (int i = 256; i < 509; ++i)
            sum += image[i];
        setWord(image, 509, n % 10 == 9 ? sum + 1 : sum);

        const QByteArray bytes =
            ImageFile::encode(QByteArray(reinterpret_cast<const char *>(image), 512), format);
        char name[32];
        std::snprintf(name, sizeof name, "/dump-%05ld.%s", n, suffix);
        std::FILE *file = std::fopen((dir + name).c_str(), "wb");
        if (!file ||
            std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) != size_t(bytes.size()) ||
            std::fclose(file) != 0) {
            std::fprintf(stderr, "make_dumps: cannot write %s%s\n", dir.c_str(), name);
            return 1;
        }
    }
    return 0;
}
