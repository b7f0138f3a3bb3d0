#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""Kills `tavro-cli clear` at random moments and looks at what it leaves.

After every kill the output folder must hold the input and the output and nothing else, and the
output must be the whole old or the whole new image. SIGINT, SIGTERM and SIGHUP are held back
while a temporary name exists, so they must leave nothing at all. SIGKILL cannot be held back:
a kill that lands while the finished file is being named (a link of some hundred microseconds on
ext4, in a run of a few milliseconds) leaves that name behind, since the rename that would take
it away never comes. Under 1% of kills do; at most 3% are tolerated, while a save that names its
file before writing it leaves one after about 9% of them.

usage: kill_loop.py TAVRO_CLI [KILLS]   (KILLS with SIGKILL; a third as many with each other)
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
random.seed(os.environ.get("TAVRO_KILL_SEED", "tavro"))

image = bytearray((i * 7 + 3) & 0xFF for i in range(512))
image[496:498] = (0x2124).to_bytes(2, "little")
image[509:511] = (sum(image[256:509]) & 0xFFFF).to_bytes(2, "little")
cleaned = bytes(255) + bytes(image[255:])
old = bytes([0x5A]) * 512

work = tempfile.mkdtemp(prefix="tavro-kill-")
source = os.path.join(work, "input.bin")
target = os.path.join(work, "output.bin")
with open(source, "wb") as f:
    f.write(image)


def run(sig, delay):
    with open(target, "wb") as f:
        f.write(old)
    process = subprocess.Popen([cli, "clear", source, "-o", target, "--force"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(delay)
    process.send_signal(sig)
    process.wait()
    left = sorted(set(os.listdir(work)) - {"input.bin", "output.bin"})
    with open(target, "rb") as f:
        whole = f.read() in (old, cleaned)
    for name in left:
        os.unlink(os.path.join(work, name))
    return bool(left), whole


# Kills spread over a whole run, measured first.
start = time.monotonic()
for _ in range(5):
    run(signal.SIGCONT, 0)
span = (time.monotonic() - start) / 5 * 1.2

failed = False
for sig, count in ((signal.SIGKILL, kills), (signal.SIGINT, kills // 3),
                   (signal.SIGTERM, kills // 3), (signal.SIGHUP, kills // 3)):
    litter = torn = 0
    for _ in range(count):
        left, whole = run(sig, random.uniform(0, span))
        litter += left
        torn += not whole
    allowed = count * 3 // 100 if sig == signal.SIGKILL else 0
    print(f"kill_loop: {sig.name}: {count} kills over {span * 1000:.0f} ms runs, "
          f"litter left {litter}, torn outputs {torn}")
    failed |= torn > 0 or litter > allowed
shutil.rmtree(work)
sys.exit(1 if failed else 0)
