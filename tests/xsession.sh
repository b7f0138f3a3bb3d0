# Shared by the tests that look at the real program in a real X server: sourced, not run.
# Starts Xvfb and metacity (a window manager that honours window hints), and offers check,
# start_program, close_program, size_of and check_title_and_icon. Exits 77 (skipped) when a tool is missing.

for tool in Xvfb metacity xdotool xprop xwininfo wmctrl import compare; do
    command -v "$tool" >/dev/null && continue
    echo "SKIP: $tool is not installed"
    [ "${CI:-}" = true ] && exit 1 # CI installs everything: a missing tool is a fault there
    exit 77
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

# check_title_and_icon: the window's title, and its icon as the window manager gets it.
check_title_and_icon() {
    check "title is 'Tavro Tool v. 1.1'" test "$(xdotool getwindowname "$id")" = "Tavro Tool v. 1.1"
    local icons
    icons=$(xprop -id "$id" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u)
    echo "  icons: $icons"
    check "window icon 32x32" test "$icons" = "Icon (32 x 32)"
}

# finish: says what the window manager reported if anything failed; exits with the verdict.
finish() {
    [ "$failed" = 0 ] || { echo "window manager said:"; tail -n 20 "$work/wm.log"; }
    echo "$passed passed, $failed failed"
    [ "$failed" = 0 ]
}
