#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""Draws the Tavro Tool icon (a washing-machine front with a green status light) at any size.

Standard library only. Writes PNG files, and a Windows .ico holding the 32x32 picture as a
32-bit BMP, pixel for pixel the same as the 32x32 PNG.

    draw_icon.py png SIZE OUT.png
    draw_icon.py ico OUT.ico
    draw_icon.py all     (every icon the project ships, from the resources/ folder)
"""
import math
import os
import struct
import sys
import zlib

SAMPLES = 4  # supersampling per axis, for smooth edges
APP_ID = "example.wendrix.TavroTool"
HICOLOR_SIZES = (16, 32, 48, 64, 128, 256)


def rounded_rect(x, y, x0, y0, x1, y1, r):
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return math.hypot(x - cx, y - cy) <= r


def shade(x, y):
    """Colour (r, g, b, a) of the design at a point of the unit square, or None outside."""
    if not rounded_rect(x, y, 0.06, 0.03, 0.94, 0.97, 0.12):
        return None
    if not rounded_rect(x, y, 0.11, 0.08, 0.89, 0.92, 0.08):
        return (40, 52, 70, 255)  # outline
    d = math.hypot(x - 0.5, y - 0.6)
    if d <= 0.27:
        if d >= 0.21:
            return (70, 84, 104, 255)  # door rim
        # water: darker at the bottom, with a light wave line across
        wave = 0.62 + 0.035 * math.sin((x - 0.5) * 18.0)
        if y > wave:
            return (30, 110, 200, 255)
        return (170, 210, 245, 255)
    if y < 0.27:
        if rounded_rect(x, y, 0.18, 0.14, 0.50, 0.21, 0.03):
            return (40, 52, 70, 255)  # display
        if math.hypot(x - 0.74, y - 0.175) <= 0.055:
            return (40, 190, 90, 255)  # status light
        return (205, 214, 224, 255)  # control panel
    if 0.27 <= y < 0.295:
        return (150, 160, 175, 255)
    return (238, 242, 246, 255)


def draw(size):
    pixels = []
    n = SAMPLES * SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shade((px + (sx + 0.5) / SAMPLES) / size, (py + (sy + 0.5) / SAMPLES) / size)
                    if c:
                        for i in range(3):
                            acc[i] += c[i] * c[3]
                        acc[3] += c[3]
            a = acc[3] / n
            if acc[3]:
                row.append(tuple(round(acc[i] / acc[3]) for i in range(3)) + (round(a),))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def png(pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in pixels)

    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(pixels):
    size = len(pixels)
    xor = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(pixels) for p in row)
    and_mask = b"\0" * (((size + 31) // 32) * 4 * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    image = header + xor + and_mask
    return (struct.pack("<HHH", 0, 1, 1)
            + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22) + image)


def main(argv):
    if len(argv) == 4 and argv[1] == "png":
        data = png(draw(int(argv[2])))
        out = argv[3]
    elif len(argv) == 3 and argv[1] == "ico":
        data = ico(draw(32))
        out = argv[2]
    elif len(argv) == 2 and argv[1] == "all":
        here = os.path.dirname(os.path.abspath(__file__))
        main([argv[0], "png", "32", os.path.join(here, "icons", "code_generator_section.png")])
        main([argv[0], "ico", os.path.join(here, "tavro.ico")])
        for size in HICOLOR_SIZES:
            folder = os.path.join(here, "icons", "hicolor", "%dx%d" % (size, size))
            os.makedirs(folder, exist_ok=True)
            main([argv[0], "png", str(size), os.path.join(folder, APP_ID + ".png")])
        return
    else:
        sys.exit(__doc__)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv)
