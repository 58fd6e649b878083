# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: a private Xvfb, screenshots, waiting.
# The window is maximized on a 1024 x 768 screen at 96 dpi, so the layout's
# reference point is (512, 384) from the window's top-left corner.
set -euo pipefail

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

start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")"
}

shot() { import -window root "$1"; }

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
    wait_for 30 xdotool search --onlyvisible --name '^pendolo$' || fail "no window"
}
