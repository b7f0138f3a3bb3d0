#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Runs COMMAND... with an empty exFAT file system (FUSE, on a loop device) mounted at the folder it
# gets as its last argument: a file system without unnamed files, RENAME_NOREPLACE or hard links,
# as on a technician's USB stick. Where this machine cannot mount one (not root, no loop device,
# no FUSE: a container, say), it says why and skips; a failing COMMAND fails.
#
# usage: on_exfat.sh COMMAND...
set -euo pipefail
skip() {
    echo "on_exfat: skipped, $*"
    exit 0
}
[ "$(id -u)" -eq 0 ] || skip "mounting a file system needs root"
[ -c /dev/fuse ] || skip "there is no /dev/fuse"
command -v mount.exfat-fuse >/dev/null && command -v mkfs.exfat >/dev/null ||
    skip "exfat-fuse and exfatprogs are missing"
work=$(mktemp -d)
loop=
cleanup() {
    mountpoint -q "$work/mounted" && umount "$work/mounted"
    [ -n "$loop" ] && losetup -d "$loop"
    rm -rf "$work"
}
trap cleanup EXIT
truncate -s 32M "$work/stick.img"
mkfs.exfat "$work/stick.img" >/dev/null
mkdir "$work/mounted"
loop=$(losetup -f --show "$work/stick.img" 2>/dev/null) || skip "no loop device can be had here"
mount.exfat-fuse "$loop" "$work/mounted" >/dev/null 2>&1 ||
    skip "exFAT through FUSE cannot be mounted here"
echo "on_exfat: exFAT through FUSE on $loop"
"$@" "$work/mounted"
