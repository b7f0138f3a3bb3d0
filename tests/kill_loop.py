#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

"""Kills `tavro-cli clear` at random moments and looks at what it leaves.

Every other run replaces an old output (--force), the others make a new one (without --force).
After every kill the output must be the whole old or the whole new image, or none yet. SIGINT,
SIGTERM and SIGHUP are held back while a temporary name exists, so they must leave nothing else
in the folder. SIGKILL cannot be held back: a kill that lands while a temporary name exists
leaves it (on ext4 only while the finished file is being named, some hundred microseconds of a
run of a few milliseconds; on exFAT, FAT and other file systems without unnamed files through the
whole write and sync), and there a new output, written at its name, may be left empty or part
written: litter too. No running save holds its lock any more, so the next save into the folder
removes them: after one more save the folder must hold the input and the whole new output alone.

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


def output():
    return open(target, "rb").read() if os.path.exists(target) else None


def run(sig, delay, force):
    if force:
        with open(target, "wb") as f:
            f.write(old)
    elif os.path.exists(target):
        os.unlink(target)
    command = [cli, "clear", source, "-o", target] + (["--force"] if force else [])
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(delay)
    process.send_signal(sig)
    process.wait()
    made = output()
    unfinished = not force and made is not None and len(made) < len(cleaned) and \
        cleaned.startswith(made)
    whole = made in (old, cleaned) or (not force and (made is None or unfinished))
    litter = left_over() + ["output.bin"] * unfinished
    # What one more save leaves: nothing but the whole new output.
    if litter:
        subprocess.run(command, check=force, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return bool(litter), unfinished, whole, left_over() + ["output.bin"] * (
        bool(litter) and output() != cleaned)


# Kills spread over a whole run, measured first.
start = time.monotonic()
for i in range(10):
    run(signal.SIGCONT, 0, i % 2 == 0)
span = (time.monotonic() - start) / 10 * 1.2

failed = False
for sig, count in ((signal.SIGKILL, kills), (signal.SIGINT, kills // 3),
                   (signal.SIGTERM, kills // 3), (signal.SIGHUP, kills // 3)):
    litter = unfinished = torn = remaining = 0
    for i in range(count):
        left, part, whole, after = run(sig, random.uniform(0, span), i % 2 == 0)
        litter += left
        unfinished += part
        torn += not whole
        remaining += bool(after)
        for name in set(after) - {"output.bin"}:
            os.unlink(os.path.join(work, name))
    print(f"kill_loop: {sig.name}: {count} kills over {span * 1000:.0f} ms runs, half of them "
          f"without --force, litter left {litter} (outputs left unfinished {unfinished}), "
          f"left after one more save {remaining}, torn outputs {torn}")
    failed |= torn > 0 or remaining > 0 or (litter > 0 and sig != signal.SIGKILL)
shutil.rmtree(work)
sys.exit(1 if failed else 0)
