// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

// libFuzzer target for the programmer's text formats: ImageFile::decode, as tavro-cli runs it on
// a file's contents. Beyond "no crash": a text is taken only as a whole image, and an image
// taken is written back as a text that reads as the same image and writes the same text again.

#include "imagefile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "violated: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray contents(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ImageFile::Decoded decoded = ImageFile::decode(contents);
    if (decoded.format.kind == ImageFormat::Binary) {
        require(decoded.refusal.isEmpty() && decoded.bytes == contents, "binary is taken as is");
        return 0;
    }
    require(decoded.refusal.isEmpty() == (decoded.bytes.size() == 512),
            "a text gives the whole image or is refused with a reason");
    if (!decoded.refusal.isEmpty())
        return 0;
    const QByteArray written = ImageFile::encode(decoded.bytes, decoded.format);
    const ImageFile::Decoded again = ImageFile::decode(written);
    require(again.refusal.isEmpty() && again.bytes == decoded.bytes &&
                again.format.kind == decoded.format.kind,
            "written back, the text reads as the same image");
    require(ImageFile::encode(again.bytes, again.format) == written,
            "and is written the same way again");
    return 0;
}
