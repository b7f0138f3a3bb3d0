# SPDX-FileCopyrightText: 2026 Wendrix
#
# SPDX-License-Identifier: MIT

# Shared by the tests that look at the real program in a real X server: sourced, not run.
# Starts Xvfb and metacity (a window manager that honours window hints), and offers check,
# start_program, close_program, size_of, check_title_and_icon, start_accessibility and
# window_texts. Exits 77 (skipped) when a tool is missing. The title checked is "Tavro Tool v. "
# and the version in TAVRO_VERSION, which the caller takes from the build.

for tool in Xvfb metacity xdotool xprop xwininfo wmctrl import compare; do
    command -v "$tool" >/dev/null && continue
    echo "SKIP: $tool is not installed"
    [ "${CI:-}" = true ] && exit 1 # CI installs everything: a missing tool is a fault there
    exit 77
done

tests_dir=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config
# The programs must show on this X server, even where the caller runs Qt offscreen.
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

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
# start_program BINARY FOLDER [ARGUMENT...]: runs BINARY from FOLDER; sets id to its window's id.
start_program() {
    (cd "$2" && exec "$1" "${@:3}" >"$work/out.log" 2>&1) &
    started_pid=$!
    pids+=("$started_pid") # a program that never showed a window is ended with the session
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

# check_title_and_icon: the window's title, and its icon as the window manager gets it.
check_title_and_icon() {
    check "title is 'Tavro Tool v. $TAVRO_VERSION'" \
        test "$(xdotool getwindowname "$id")" = "Tavro Tool v. $TAVRO_VERSION"
    local icons
    icons=$(xprop -id "$id" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u)
    echo "  icons: $icons"
    check "window icon 32x32" test "$icons" = "Icon (32 x 32)"
}

# start_accessibility: gives the programs started after it a session bus of their own with an
# AT-SPI accessibility bus, so that window_texts can read what their widgets say. Needs dbus-daemon,
# at-spi2-core and python3-dbus.
start_accessibility() {
    command -v dbus-daemon >/dev/null && command -v dbus-send >/dev/null &&
        /usr/bin/python3 -c 'import dbus' 2>/dev/null || return 1
    # The accessibility bus puts its socket in the runtime folder.
    mkdir -p -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR=$work/runtime
    dbus-daemon --session --nofork --print-address=3 3>"$work/session-bus" >"$work/dbus.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/session-bus" ] && break; sleep 0.1; done
    [ -s "$work/session-bus" ] || return 1
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/session-bus")
    export DBUS_SESSION_BUS_ADDRESS
    # Asking for its address starts the accessibility bus, so that Qt finds it at start-up.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >>"$work/dbus.log" 2>&1 || return 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# window_texts: what the started program's widgets say, one "ROLE: NAME" a line.
window_texts() { /usr/bin/python3 "$tests_dir/window_texts.py" "$started_pid"; }

# finish: says what the window manager reported if anything failed; exits with the verdict.
finish() {
    [ "$failed" = 0 ] || { echo "window manager said:"; tail -n 20 "$work/wm.log"; }
    echo "$passed passed, $failed failed"
    [ "$failed" = 0 ]
}
