#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on Wayland: weston with its x11 backend nested in Xvfb,
# the program on Qt's wayland platform. Screenshots of the Xvfb root show
# what weston composited. Real keys and clicks reach the program through
# weston. Weston runs its kiosk shell: no panel whose launcher a stray click
# could open, and the window fills the output. The window is found by the
# help panel's light green, which only the program paints, and every step
# waits on what the screen shows or on the process.
#   wayland.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
command -v weston >/dev/null || { echo "SKIP: weston is not installed" >&2; exit 77; }
start_xvfb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# Weston composites in software, with pixman: its GL renderer runs on the
# machine's Mesa, and on a cold start there it sometimes never took the
# pointer from X (6 starts in 16 after the page cache was dropped; none in 10
# with pixman). Weston 10 (Debian 12) names the renderer --use-pixman, later
# ones --renderer=pixman.
pixman=--use-pixman
weston --help 2>&1 | grep -q -- '--renderer=' && pixman=--renderer=pixman
weston --backend=x11-backend.so --shell=kiosk-shell.so --socket=brovaci-e2e --width=1024 --height=768 \
    --idle-time=0 "$pixman" >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 15 test -S "$XDG_RUNTIME_DIR/brovaci-e2e" || fail "weston did not start: $(tail -5 "$work/weston.log")"
# Keys go to the X window under the pointer: weston's.
xdotool mousemove 512 384

# The help panel's face is the design's light green: where it lies places
# the window on the screen.
read -r panel_x panel_y _ _ <<<"$panel_area"
start_app() {
    WAYLAND_DISPLAY=brovaci-e2e QT_QPA_PLATFORM=wayland "$app" >"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=($app_pid)
    wait_for 30 bash -c "import -window root '$work/start.png' && '$probe' bbox '$work/start.png' c0ffc0" \
        || fail "the window never showed: $(cat "$work/app.log")"
    local px py
    read -r px py _ _ < <("$probe" bbox "$work/start.png" c0ffc0)
    ox=$((px - panel_x)) oy=$((py - panel_y))
    echo "client area at $ox,$oy"
    # The opening curve has played once its last frame stands in the box.
    wait_for 30 curve_shows turning 200 || fail "the opening curve did not end on its last frame"
}

# Takes screenshots until an area has shown so many different pictures, at
# most LIMIT seconds; prints how many it saw.
distinct_frames() { # WANTED LIMIT AREA COLOUR
    local until=$((SECONDS + $2)) i=0
    : >"$work/patterns"
    while [ "$(sort -u "$work/patterns" | wc -l)" -lt "$1" ] && [ $SECONDS -lt $until ]; do
        i=$((i + 1))
        shot "$work/frame.png"
        "$probe" pattern "$work/frame.png" $(area "$3") "$4" >>"$work/patterns"
    done
    echo "$(sort -u "$work/patterns" | wc -l) in $i screenshots"
}

start_app
# Tab from "Movimento Pendolo Singolo " to the scroll bar, End to 3000, back to
# "Curva Tridimensionale" and press it: each frame now lasts 0.76 s.
for _ in 1 2 3 4 5 6 7; do xdotool key Tab; done
xdotool key End
for _ in 1 2 3 4; do xdotool key shift+Tab; done
xdotool key space
frames=$(distinct_frames 5 30 curve 0000ff)
echo "three-dimensional curve at 3000: $frames different frames"
[ "${frames%% *}" -ge 5 ] || fail "the film froze on Wayland: $frames different frames"
kill $app_pid; wait $app_pid 2>/dev/null || true

start_app
# Focus is on "Movimento Pendolo Singolo ": Space plays the single pendulum,
# whose frames are a third of a second apart.
xdotool key space
frames=$(distinct_frames 5 30 pendulum ff0000)
echo "single pendulum: $frames different frames"
[ "${frames%% *}" -ge 5 ] || fail "the single pendulum froze on Wayland: $frames different frames"

# CHIUDI ends the program normally once the film is over: status 0, which in
# the sanitizer build also means no leak of the program's own.
click_on cmdfine
wait_for_end 40 >/dev/null || { app_state; fail "CHIUDI did not end the program on Wayland: $state"; }
status=0
wait $app_pid || status=$?
[ $status -eq 0 ] || fail "the program ended with status $status on Wayland: $(tail -n 30 "$work/app.log")"
echo "CHIUDI ended the program with status 0"
echo "3 passed, 0 failed"
