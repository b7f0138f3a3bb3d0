#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Starts the real program in Xvfb under metacity (a window manager that honours window hints) and
# checks what a person would see: title, buttons offered, size (also at a larger desktop font),
# icon, the catalogue, the exit code; that neither a damaged catalogue nor a file-size limit brings
# it down; and, laid out as the package installs it, that the catalogue is looked for beside the
# real program and not beside a link to it.
# Usage: TAVRO_VERSION=VERSION startup_test.sh PROGRAM LANG_QM
set -u
: "${TAVRO_VERSION:?the version the title must show}"
program=$1
catalogue=$2

. "$(dirname "$0")/xsession.sh"

# 1. Plain start-up: no catalogue beside the program.
mkdir -p "$work/plain" "$work/elsewhere"
cp "$program" "$work/plain/tavro-tool"
start_program "$work/plain/tavro-tool" "$work/elsewhere"
check "window appears" test -n "$id"
[ -n "$id" ] || { cat "$work/out.log"; exit 1; }
sleep 0.5
check_title_and_icon
actions=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)
echo "  $actions"
check "minimise offered" grep -q _NET_WM_ACTION_MINIMIZE <<<"$actions"
check "close offered" grep -q _NET_WM_ACTION_CLOSE <<<"$actions"
check "maximise not offered" bash -c 'grep -q _NET_WM_ACTION_ <<<"$1" && ! grep -q _NET_WM_ACTION_MAXIMIZE <<<"$1"' _ "$actions"
check "size 449x321" test "$(size_of "$id")" = 449x321
wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
sleep 0.5
check "still 449x321 after asking to maximise" test "$(size_of "$id")" = 449x321
import -window "$id" "$work/english.png" 2>/dev/null
close_program
check "closing exits with 0 (got $code)" test "$code" = 0
[ "$code" = 0 ] || tail -n 60 "$work/out.log"
check "'err load lang file' without a catalogue" grep -qx 'err load lang file' "$work/out.log"

# 1b. The desktop's font at 14 points (KDE's setting, which Qt reads itself; 19 pixels): the form
# grows with it, by 19/13, as it holds its texts in fonts up to 13 pixels.
mkdir -p "$work/kde"
printf '[General]\nfont=DejaVu Sans,14,-1,5,50,0,0,0,0,0\n' >"$work/kde/kdeglobals"
XDG_CONFIG_HOME=$work/kde XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KDE_FULL_SESSION=true \
    start_program "$work/plain/tavro-tool" "$work/elsewhere"
check "window appears with a 14-point desktop font" test -n "$id"
if [ -n "$id" ]; then
    check "size 656x469 with a 14-point desktop font (got $(size_of "$id"))" \
        test "$(size_of "$id")" = 656x469
    close_program
fi

# 2. A catalogue beside the program, started from another folder: it is used.
mkdir -p "$work/translated"
cp "$program" "$work/translated/tavro-tool"
cp "$catalogue" "$work/translated/lang.qm"
start_program "$work/translated/tavro-tool" "$work/elsewhere"
check "translated window appears" test -n "$id"
if [ -n "$id" ]; then
    sleep 0.5
    import -window "$id" "$work/german.png" 2>/dev/null
    check "no debug message with a catalogue" bash -c '! grep -q "err load lang file" "$1"' _ "$work/out.log"
    differing=$(compare -metric AE "$work/english.png" "$work/german.png" /dev/null 2>&1)
    echo "  pixels that differ from the English window: $differing"
    check "window texts change with the catalogue" test "${differing%% *}" -gt 100
    check "title stays 'Tavro Tool v. $TAVRO_VERSION'" \
        test "$(xdotool getwindowname "$id")" = "Tavro Tool v. $TAVRO_VERSION"
    close_program
fi

# 3. A catalogue in the working folder only: it is not used.
cp "$catalogue" "$work/elsewhere/lang.qm"
start_program "$work/plain/tavro-tool" "$work/elsewhere"
check "window appears beside a foreign catalogue" test -n "$id"
if [ -n "$id" ]; then
    sleep 0.5
    check "catalogue in the working folder is ignored" grep -qx 'err load lang file' "$work/out.log"
    # A logout's SIGTERM ends it as closing the window does.
    kill -TERM "$started_pid"
    for _ in $(seq 100); do kill -0 "$started_pid" 2>/dev/null || break; sleep 0.1; done
    wait "$started_pid"
    code=$?
    check "SIGTERM closes it with exit code 0 (got $code)" test "$code" = 0
fi

# 4. A damaged catalogue: garbage after it that reads as a context table of no buckets. Qt loads
# such a file and then divides by zero at the first translated text; the program must stay
# English instead.
mkdir -p "$work/damaged"
cp "$program" "$work/damaged/tavro-tool"
cp "$catalogue" "$work/damaged/lang.qm"
printf '\x2f\x00\x00\x00\x04\x00\x00\x00\x00' >>"$work/damaged/lang.qm"
start_program "$work/damaged/tavro-tool" "$work/elsewhere"
check "window appears beside a damaged catalogue" test -n "$id"
if [ -n "$id" ]; then
    sleep 0.5
    import -window "$id" "$work/damaged.png" 2>/dev/null
    differing=$(compare -metric AE "$work/english.png" "$work/damaged.png" /dev/null 2>&1)
    check "damaged catalogue: the window is English (${differing%% *} pixels differ)" \
        test "${differing%% *}" -lt 100
    check "damaged catalogue reported as not loaded" grep -qx 'err load lang file' "$work/out.log"
    close_program
    check "damaged catalogue: closes with exit code 0 (got $code)" test "$code" = 0
fi

# 5. Clear and save under a file-size limit smaller than an image (a full disk or a quota): the
# save fails, the program stays, and nothing is left at the target.
mkdir -p "$work/limited"
cp "$(dirname "$0")/../docs/sample-dump.bin" "$work/limited/board.bin"
printf '#!/bin/sh\nexec prlimit --fsize=511 "%s"\n' "$work/plain/tavro-tool" >"$work/limited.sh"
chmod +x "$work/limited.sh"
start_program "$work/limited.sh" "$work/limited"
check "window appears under a file-size limit" test -n "$id"
if [ -n "$id" ]; then
    xdotool mousemove --window "$id" 80 45 click 1 # Load...
    sleep 1
    xdotool type --delay 10 "$work/limited/board.bin"
    xdotool key Return
    sleep 0.5
    xdotool mousemove --window "$id" 80 95 click 1 # Clear and save...
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 10 "$work/limited/board_clear.bin"
    xdotool key Return
    sleep 1
    check "still running after a save past the limit" kill -0 "$started_pid"
    check "nothing written at the target" test ! -e "$work/limited/board_clear.bin"
    check "no temporary file left" test "$(ls -A "$work/limited")" = board.bin
    check "loaded file unchanged" cmp -s "$work/limited/board.bin" "$(dirname "$0")/../docs/sample-dump.bin"
    close_program
    check "closes with exit code 0 after the failed save (got $code)" test "$code" = 0
fi

# 6. Installed as the package does it: the program in a folder of its own, started from elsewhere
# through a relative link in a folder on the PATH. It looks for the catalogue in its real folder,
# never beside the link.
mkdir -p "$work/libexec/tavro-tool" "$work/bin" "$work/home"
cp "$program" "$work/libexec/tavro-tool/tavro-tool"
ln -s ../libexec/tavro-tool/tavro-tool "$work/bin/tavro-tool"
cp "$catalogue" "$work/bin/lang.qm"
PATH=$work/bin:$PATH start_program tavro-tool "$work/home"
check "window appears when started through the link" test -n "$id"
if [ -n "$id" ]; then
    sleep 0.5
    check "catalogue beside the link is ignored" grep -qx 'err load lang file' "$work/out.log"
    close_program
fi
rm "$work/bin/lang.qm"
cp "$catalogue" "$work/libexec/tavro-tool/lang.qm"
PATH=$work/bin:$PATH start_program tavro-tool "$work/home"
check "window appears with the catalogue behind the link" test -n "$id"
if [ -n "$id" ]; then
    sleep 0.5
    import -window "$id" "$work/linked.png" 2>/dev/null
    check "catalogue beside the real program is used" \
        bash -c '! grep -q "err load lang file" "$1"' _ "$work/out.log"
    differing=$(compare -metric AE "$work/german.png" "$work/linked.png" /dev/null 2>&1)
    echo "  pixels that differ from the window translated beside a plain program: $differing"
    check "and translates the window just as there" test "${differing%% *}" = 0
    close_program
fi

# 7. --help and --version are answered without a window, even without a display.
check "--version prints the version and exits" bash -c \
    'env -u DISPLAY "$1" --version | grep -qx "tavro-tool $2 (build [0-9]*)"' _ "$program" "$TAVRO_VERSION"
check "--help prints the usage and exits" bash -c \
    'env -u DISPLAY "$1" -name x --help | head -n 1 | grep -qx "Usage: tavro-tool .*"' _ "$program"

finish
