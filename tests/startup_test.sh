#!/usr/bin/env bash
# Starts the real program in Xvfb under metacity (a window manager that honours window hints) and
# checks what a person would see: title, buttons offered, size, icon, the catalogue, the exit code.
# Usage: startup_test.sh PROGRAM LANG_QM
set -u
program=$1
catalogue=$2

for tool in Xvfb metacity xdotool xprop xwininfo wmctrl import compare; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config
unset WAYLAND_DISPLAY

passed=0
failed=0
check() { # check NAME COMMAND...
    local name=$1
    shift
    if "$@"; then
        echo "PASS: $name"
        passed=$((passed + 1))
    else
        echo "FAIL: $name"
        failed=$((failed + 1))
    fi
}

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
metacity --replace >"$work/wm.log" 2>&1 &
pids+=($!)
wm_ready=
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && { wm_ready=1; break; }
    sleep 0.1
done
[ -n "$wm_ready" ] || { echo "FAIL: metacity did not start"; cat "$work/wm.log"; exit 1; }

started_pid=
id=
# start_program BINARY FOLDER: runs BINARY from FOLDER; sets id to its window's id.
start_program() {
    (cd "$2" && exec "$1" >"$work/out.log" 2>&1) &
    started_pid=$!
    id=
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$started_pid" --name '^Tavro Tool' 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    # The window manager announces what it allows once it has taken the window over.
    for _ in $(seq 100); do
        [ -n "$id" ] || break
        xprop -id "$id" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q _NET_WM_ACTION_ && break
        sleep 0.1
    done
}

# close_program: asks the window manager to close the window; sets code to the exit code.
close_program() {
    wmctrl -i -c "$id"
    for _ in $(seq 100); do kill -0 "$started_pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$started_pid" 2>/dev/null; then
        kill "$started_pid"
        code="still running"
    else
        wait "$started_pid"
        code=$?
    fi
}

size_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

# 1. Plain start-up: no catalogue beside the program.
mkdir -p "$work/plain" "$work/elsewhere"
cp "$program" "$work/plain/tavro-tool"
start_program "$work/plain/tavro-tool" "$work/elsewhere"
check "window appears" test -n "$id"
[ -n "$id" ] || { cat "$work/out.log"; exit 1; }
sleep 0.5
check "title is 'Tavro Tool v. 1.1'" test "$(xdotool getwindowname "$id")" = "Tavro Tool v. 1.1"
actions=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)
echo "  $actions"
check "minimise offered" grep -q _NET_WM_ACTION_MINIMIZE <<<"$actions"
check "close offered" grep -q _NET_WM_ACTION_CLOSE <<<"$actions"
check "maximise not offered" bash -c 'grep -q _NET_WM_ACTION_ <<<"$1" && ! grep -q _NET_WM_ACTION_MAXIMIZE <<<"$1"' _ "$actions"
check "size 449x321" test "$(size_of "$id")" = 449x321
wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
sleep 0.5
check "still 449x321 after asking to maximise" test "$(size_of "$id")" = 449x321
icon=$(xprop -id "$id" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u)
echo "  icons: $icon"
check "window icon 32x32" test "$icon" = "Icon (32 x 32)"
import -window "$id" "$work/english.png" 2>/dev/null
close_program
check "closing exits with 0 (got $code)" test "$code" = 0
[ "$code" = 0 ] || tail -n 60 "$work/out.log"
check "'err load lang file' without a catalogue" grep -qx 'err load lang file' "$work/out.log"

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
    check "title stays 'Tavro Tool v. 1.1'" test "$(xdotool getwindowname "$id")" = "Tavro Tool v. 1.1"
    close_program
fi

# 3. A catalogue in the working folder only: it is not used.
cp "$catalogue" "$work/elsewhere/lang.qm"
start_program "$work/plain/tavro-tool" "$work/elsewhere"
check "window appears beside a foreign catalogue" test -n "$id"
if [ -n "$id" ]; then
    sleep 0.5
    check "catalogue in the working folder is ignored" grep -qx 'err load lang file' "$work/out.log"
    close_program
fi

[ "$failed" = 0 ] || { echo "window manager said:"; tail -n 20 "$work/wm.log"; }
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
