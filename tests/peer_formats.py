#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""Tavro's Intel HEX and S-record files judged by tools no one here wrote.

Usage: peer_formats.py TAVRO-CLI

objcopy and avr-objcopy (binutils), srec_cat (srecord) and python3-intelhex write a board image
in the layouts service companies get from them (record lengths, LF and CR LF, CR alone, start
addresses, S0 headers, S2 and S3 records, srec_cat's count record without an end). For each file:
  - tavro-cli reads it as the very image (compare with the binary);
  - its `clear` copy is byte for byte what the same tool writes for the cleaned image (CR alone
    is written as CR LF), and every tool of that format reads it back as the cleaned image;
  - its `convert` to binary is the image, and its `convert` to the other text format is read back
    as the image by every tool of that format.
Files no board image fits in (a 1 KiB EEPROM, an AVR build's section at 0x810000) are refused
with the reason. Takes a few seconds (1.3 s of processor time); exits 1 at the first
disagreement.
"""

import subprocess
import sys
import tempfile
import time
from pathlib import Path

import intelhex


def image():
    """A valid board image: engine 0x2124, MCU 0xBC42, counters 1 to 14, a right checksum."""
    data = bytearray((i * 7 + 3) & 0xFF for i in range(512))
    data[160:174] = bytes(range(1, 15))
    data[254] = 0xE3
    data[256:260] = bytes([0x0A, 0x1B, 0x2C, 0x3D])
    data[496:498] = bytes([0x24, 0x21])
    data[507:509] = bytes([0x42, 0xBC])
    total = sum(data[256:509])
    data[509:511] = bytes([total & 0xFF, total >> 8])
    return bytes(data)


def run(*args, cwd=None):
    done = subprocess.run(args, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                          text=True)
    if done.returncode != 0:
        sys.exit(f"peer formats: {' '.join(args)}: exit status {done.returncode}\n{done.stderr}")


def python_intelhex(byte_count=16, start=None):
    def write(binary, out):
        hex_file = intelhex.IntelHex()
        hex_file.frombytes(binary.read_bytes())
        hex_file.start_addr = start
        hex_file.write_hex_file(str(out), byte_count=byte_count)
    return write


def tool(*args):
    """A writer from the command line: BIN and OUT stand for the image and the file written,
    named as it is in its folder (objcopy puts that name in an S-record header)."""
    def write(binary, out):
        run(*[str(binary) if a == "BIN" else out.name if a == "OUT" else a for a in args],
            cwd=out.parent)
    return write


def avr_eeprom(lma):
    """As an AVR build makes its .eep: the ELF's .eeprom section, its address changed to `lma`."""
    def write(binary, out):
        elf = out.with_suffix(".elf")
        run("avr-objcopy", "-I", "binary", "-O", "elf32-avr", "--rename-section",
            ".data=.eeprom,alloc,load,contents", str(binary), str(elf))
        run("avr-objcopy", "-j", ".eeprom", "--set-section-flags=.eeprom=alloc,load",
            "--change-section-lma", f".eeprom={lma}", "-O", "ihex", str(elf), out.name,
            cwd=out.parent)
        elf.unlink()
    return write


SREC_CAT = ("srec_cat", "BIN", "-binary", "-o", "OUT")
# name: how the tool writes it, and how it writes the cleaned copy when that differs
LAYOUTS = {
    "objcopy.hex": [tool("objcopy", "-I", "binary", "-O", "ihex", "BIN", "OUT")],
    "objcopy-start.hex": [tool("objcopy", "-I", "binary", "-O", "ihex", "--set-start=0x1234",
                               "BIN", "OUT")],
    "objcopy.srec": [tool("objcopy", "-I", "binary", "-O", "srec", "BIN", "OUT")],
    "objcopy-s3.srec": [tool("objcopy", "-I", "binary", "-O", "srec", "--srec-forceS3",
                             "--srec-len=64", "BIN", "OUT")],
    "avr.eep": [avr_eeprom(0)],
    "srec_cat.srec": [tool(*SREC_CAT)],
    "srec_cat.s37": [tool(*SREC_CAT, "-address-length=4")],
    "srec_cat.s28": [tool(*SREC_CAT, "-address-length=3", "-crlf",
                          "-execution-start-address=0x1234")],
    "srec_cat-cr.mot": [tool(*SREC_CAT, "-line-termination=cr"), tool(*SREC_CAT, "-crlf")],
    "srec_cat.hex": [tool(*SREC_CAT, "-intel")],
    "srec_cat-16.hex": [tool(*SREC_CAT, "-intel", "-output-block-size=16", "-crlf")],
    "srec_cat-start.hex": [tool(*SREC_CAT, "-intel", "-execution-start-address=0x1234")],
    "intelhex.hex": [python_intelhex()],
    "intelhex-32.hex": [python_intelhex(32)],
    "intelhex-eip.hex": [python_intelhex(16, {"EIP": 0x1234})],
    "intelhex-cs-ip.hex": [python_intelhex(16, {"CS": 0x12, "IP": 0x34})],
}
REFUSED = {  # name: how it is written, of how many images, and what tavro-cli says
    "eeprom-1k.srec": (tool(*SREC_CAT), 2, "the image holds 1024 bytes, a board's EEPROM holds 512"),
    "avr-810000.eep": (avr_eeprom(0x810000), 1,
                       "line 2: the data starts at address 0x810000 instead of 0x0000"),
}


def reader(*args):
    def read(text, out):
        run(*[str(text) if a == "IN" else str(out) if a == "OUT" else a for a in args])
    return read


def read_intelhex(text, out):
    out.write_bytes(intelhex.IntelHex(str(text)).tobinstr())


READERS = {
    "ihex": {
        "objcopy": reader("objcopy", "-I", "ihex", "-O", "binary", "IN", "OUT"),
        "avr-objcopy": reader("avr-objcopy", "-I", "ihex", "-O", "binary", "IN", "OUT"),
        "srec_cat": reader("srec_cat", "IN", "-intel", "-o", "OUT", "-binary"),
        "python3-intelhex": read_intelhex,
    },
    "srec": {
        "objcopy": reader("objcopy", "-I", "srec", "-O", "binary", "IN", "OUT"),
        "avr-objcopy": reader("avr-objcopy", "-I", "srec", "-O", "binary", "IN", "OUT"),
        "srec_cat": reader("srec_cat", "IN", "-motorola", "-o", "OUT", "-binary"),
    },
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.split("\n\n")[1])
    cli = str(Path(sys.argv[1]).resolve())
    began = time.monotonic()
    with tempfile.TemporaryDirectory() as folder:
        work = Path(folder)
        for sub in ("in", "clean", "out"):
            (work / sub).mkdir()
        original, cleaned = work / "image.bin", work / "cleaned.bin"
        original.write_bytes(image())
        cleaned.write_bytes(bytes(255) + image()[255:])

        def same(reference, path, what):
            if subprocess.run(["cmp", "-s", str(reference), str(path)]).returncode != 0:
                sys.exit(f"peer formats: {what}: not the same bytes as {reference.name}")

        def read_back(text, kind, reference, what):
            for name, read in READERS[kind].items():
                binary = work / "out" / "read.bin"
                read(text, binary)
                same(reference, binary, f"{what}, read by {name}")
                binary.unlink()

        reads = 0
        for name, writers in LAYOUTS.items():
            given, expected, copy = work / "in" / name, work / "clean" / name, work / "out" / name
            kind = "ihex" if given.suffix in (".hex", ".eep") else "srec"
            other = "srec" if kind == "ihex" else "ihex"
            writers[0](original, given)
            writers[-1](cleaned, expected)
            run(cli, "compare", "-q", str(original), str(given))
            run(cli, "clear", str(given), "-o", str(copy))
            same(expected, copy, f"{name}: the clear copy")
            read_back(copy, kind, cleaned, f"{name}: the clear copy")
            run(cli, "convert", str(given), "--to", "bin", "-o", str(copy) + ".bin")
            same(original, Path(str(copy) + ".bin"), f"{name}: converted to bin")
            converted = Path(f"{copy}.{other}")
            run(cli, "convert", str(given), "--to", other, "-o", str(converted))
            read_back(converted, other, original, f"{name}: converted to {other}")
            reads += len(READERS[kind]) + len(READERS[other])
        for name, (write, images, reason) in REFUSED.items():
            given, binary = work / "in" / name, work / "in" / f"{name}.bin"
            binary.write_bytes(image() * images)
            write(binary, given)
            result = subprocess.run([cli, "report", str(given)], capture_output=True, text=True)
            if result.returncode != 1 or reason not in result.stdout:
                sys.exit(f"peer formats: {name}: not refused with \"{reason}\":\n{result.stdout}")
    print(f"peer formats: {len(LAYOUTS)} layouts from objcopy, avr-objcopy, srec_cat and "
          f"python3-intelhex read as the image, their clear and convert copies read back by the "
          f"tools ({reads} reads), {len(REFUSED)} larger images refused, in "
          f"{time.monotonic() - began:.1f} s")


if __name__ == "__main__":
    main()
