# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: a private Xvfb, screenshots, waiting,
# and the design's places (tests/design.json). The window is maximized on a
# 1024 x 768 screen at 96 dpi, so the layout's reference point is (512, 384)
# from the window's top-left corner, (ox, oy) on the screen.
set -euo pipefail
e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
eval "$(python3 "$e2e/../design.py")"
ox=0 oy=0

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$work/failure.png" 2>/dev/null && cp "$work/failure.png" "${TMPDIR:-/tmp}/brovaci-e2e-failure.png" || true
        echo "screenshot: ${TMPDIR:-/tmp}/brovaci-e2e-failure.png" >&2
    fi
    exit 1
}

# The server must not reset when its last client leaves: the tests' own
# short-lived clients (xdotool, import) come and go before the program has
# connected, and a program that connects while the server resets is turned
# away ("could not connect to display"), a few times in a hundred starts.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

shot() { import -window root "$1"; }

# A click on the middle of a control, a point given in the window, or a key.
click_on() { # NAME [BUTTON]
    local x=${1}_x y=${1}_y
    xdotool mousemove $((ox + ${!x})) $((oy + ${!y})) click "${2:-1}"
}
# An area of the design ("curve", "pendulum", "panel") on the screen: X Y W H.
area() {
    local a=${1}_area
    local ax ay aw ah
    read -r ax ay aw ah <<<"${!a}"
    echo $((ox + ax)) $((oy + ay)) "$aw" "$ah"
}
# Mismatching pixels between the curve box in a screenshot and what SCENE
# (still or turning) leaves there for TEXT.
curve_mismatch() { # PNG SCENE TEXT
    local cx cy
    read -r cx cy _ _ < <(area curve)
    "$probe" match "$1" "$cx" "$cy" "$2" "$3"
}
# Whether the curve box on screen now shows what SCENE leaves for TEXT.
curve_shows() { # SCENE TEXT
    shot "$work/curve.png" && [ "$(curve_mismatch "$work/curve.png" "$1" "$2")" -eq 0 ]
}
# Pixels of a colour in an area of the design, in a screenshot.
count_in() { # PNG AREA RRGGBB
    "$probe" count "$1" $(area "$2") "$3"
}
# The time now, and the seconds since such a time, to the millisecond.
now_ns() { date +%s%N; }
seconds_since() { awk -v then="$1" -v now="$(date +%s%N)" 'BEGIN { printf "%.3f", (now - then) / 1e9 }'; }
# Waits until the program has ended, at most LIMIT s; prints how long it took.
wait_for_end() { # LIMIT
    local start=$SECONDS
    wait_for "$1" bash -c "! kill -0 $app_pid 2>/dev/null" || return 1
    echo $((SECONDS - start))
}

# Waits until the command succeeds, at most $1 seconds.
wait_for() {
    local limit=$1; shift
    local until=$((SECONDS + limit))
    while ! "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $until ] || return 1
        sleep 0.05
    done
}

# Starts the program on the X server and waits for its window, which has no
# window manager to move it: its client area is at the screen's top-left.
# The wait is generous: a sanitized build on a loaded machine starts slowly,
# and how fast it starts is measured by the benchmark, not here.
start_app_x11() {
    "$1" >"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=($app_pid)
    # Until the window shows, or the program has ended without one.
    wait_for 30 bash -c "xdotool search --onlyvisible --name '^pendolo\$' || ! kill -0 $app_pid" || true
    if ! xdotool search --onlyvisible --name '^pendolo$' >/dev/null 2>&1; then
        app_state
        fail "no window: $state"
    fi
}
# What became of the program, in $state: still running or how it ended, the
# windows on the display, and what it printed.
app_state() {
    local status=0
    if kill -0 "$app_pid" 2>/dev/null; then
        state="the program is still running"
    else
        wait "$app_pid" 2>/dev/null || status=$?
        state="the program ended with status $status"
    fi
    state+="; windows: $({ xdotool search --name . getwindowname %@ 2>/dev/null || true; } | tr '\n' '|')"
    state+="; it printed: $(tail -c 2000 "$work/app.log" 2>/dev/null || true)"
}
