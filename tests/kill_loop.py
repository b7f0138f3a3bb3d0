#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""Kills `tavro-cli clear` at random moments and looks at what it leaves.

After every kill the output must be the whole old or the whole new image. SIGINT, SIGTERM and
SIGHUP are held back while a temporary name exists, so they must leave nothing else in the
folder. SIGKILL cannot be held back: a kill that lands while a temporary name exists leaves it
(on ext4 only while the finished file is being named, some hundred microseconds of a run of a few
milliseconds; on exFAT, FAT and other file systems without unnamed files through the whole write
and sync). No running save holds its lock any more, so the next save into the folder removes it:
after one more save the folder must hold the input and the output alone.

usage: kill_loop.py TAVRO_CLI [KILLS] [FOLDER]
    KILLS with SIGKILL, a third as many with each other signal; the runs happen in a new folder
    inside FOLDER (default: the system's temporary folder)
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

cli = sys.argv[1]
kills = int(sys.argv[2]) if len(sys.argv) > 2 else 300
parent = sys.argv[3] if len(sys.argv) > 3 else None
random.seed(os.environ.get("TAVRO_KILL_SEED", "tavro"))

image = bytearray((i * 7 + 3) & 0xFF for i in range(512))
image[496:498] = (0x2124).to_bytes(2, "little")
image[509:511] = (sum(image[256:509]) & 0xFFFF).to_bytes(2, "little")
cleaned = bytes(255) + bytes(image[255:])
old = bytes([0x5A]) * 512

work = tempfile.mkdtemp(prefix="tavro-kill-", dir=parent)
source = os.path.join(work, "input.bin")
target = os.path.join(work, "output.bin")
with open(source, "wb") as f:
    f.write(image)


def left_over():
    return sorted(set(os.listdir(work)) - {"input.bin", "output.bin"})


def run(sig, delay):
    with open(target, "wb") as f:
        f.write(old)
    process = subprocess.Popen([cli, "clear", source, "-o", target, "--force"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(delay)
    process.send_signal(sig)
    process.wait()
    with open(target, "rb") as f:
        whole = f.read() in (old, cleaned)
    litter = left_over()
    # What one more save leaves: nothing but the output.
    if litter:
        subprocess.run([cli, "clear", source, "-o", target, "--force"], check=True,
                       stdout=subprocess.DEVNULL)
    return bool(litter), whole, left_over()


# Kills spread over a whole run, measured first.
start = time.monotonic()
for _ in range(5):
    run(signal.SIGCONT, 0)
span = (time.monotonic() - start) / 5 * 1.2

failed = False
for sig, count in ((signal.SIGKILL, kills), (signal.SIGINT, kills // 3),
                   (signal.SIGTERM, kills // 3), (signal.SIGHUP, kills // 3)):
    litter = torn = remaining = 0
    for _ in range(count):
        left, whole, after = run(sig, random.uniform(0, span))
        litter += left
        torn += not whole
        remaining += bool(after)
        for name in after:
            os.unlink(os.path.join(work, name))
    print(f"kill_loop: {sig.name}: {count} kills over {span * 1000:.0f} ms runs, "
          f"litter left {litter}, left after one more save {remaining}, torn outputs {torn}")
    failed |= torn > 0 or remaining > 0 or (litter > 0 and sig != signal.SIGKILL)
shutil.rmtree(work)
sys.exit(1 if failed else 0)
