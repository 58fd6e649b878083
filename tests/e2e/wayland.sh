#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on Wayland: weston with its x11 backend nested in Xvfb,
# the program on Qt's wayland platform. Screenshots of the Xvfb root show
# what weston composited. Real keys reach the program through weston.
#   wayland.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
command -v weston >/dev/null || { echo "SKIP: weston is not installed" >&2; exit 77; }
start_xvfb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

weston --backend=x11-backend.so --socket=brovaci-e2e --width=1024 --height=768 --idle-time=0 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 15 test -S "$XDG_RUNTIME_DIR/brovaci-e2e" || fail "weston did not start: $(tail -5 "$work/weston.log")"
# Keys go to the X window under the pointer: weston's.
xdotool mousemove 512 384

start_app() {
    WAYLAND_DISPLAY=brovaci-e2e QT_QPA_PLATFORM=wayland "$app" >"$work/app.log" 2>&1 &
    app_pid=$!
    pids+=($app_pid)
    # The dark red of CHIUDI places the window: its face starts 2 pixels inside (X - 213, Y + 203).
    wait_for 15 bash -c "import -window root '$work/start.png' && '$probe' bbox '$work/start.png' c00000" \
        || fail "the window never showed: $(cat "$work/app.log")"
    read -r cx cy cw ch < <("$probe" bbox "$work/start.png" c00000)
    chiudi_x=$((cx + cw / 2)) chiudi_y=$((cy + ch / 2))
    ox=$((cx - 299)) oy=$((cy - 587))
    p3x=$((ox + 524)) p3y=$((oy + 326))
    p1x=$((ox + 522)) p1y=$((oy + 94))
    echo "client area at $ox,$oy"
}

# Counts the different pictures seen in an area over a series of screenshots.
distinct_frames() { # shots interval x y w h colour
    local n=$1 interval=$2; shift 2
    for i in $(seq "$n"); do
        shot "$work/frame-$i.png"
        "$probe" pattern "$work/frame-$i.png" "$@"
        sleep "$interval"
    done | sort -u | wc -l
}

start_app
sleep 3 # the opening curve
# Tab from "Movimento Pendolo Singolo " to the scroll bar, End to 3000, back to
# "Curva Tridimensionale" and press it.
for _ in 1 2 3 4 5 6 7; do xdotool key Tab; done
xdotool key End
for _ in 1 2 3 4; do xdotool key shift+Tab; done
xdotool key space
sleep 1
frames=$(distinct_frames 10 0.55 $p3x $p3y 276 196 0000ff)
echo "three-dimensional curve at 3000: $frames different frames in 10 screenshots"
[ "$frames" -ge 5 ] || fail "the film froze on Wayland: only $frames different frames"
kill $app_pid; wait $app_pid 2>/dev/null || true

start_app
sleep 3
# Focus is on "Movimento Pendolo Singolo ": Space plays the single pendulum,
# whose frames are a third of a second apart.
xdotool key space
sleep 0.3
frames=$(distinct_frames 10 0.3 $p1x $p1y 250 140 ff0000)
echo "single pendulum: $frames different frames in 10 screenshots"
[ "$frames" -ge 5 ] || fail "the single pendulum froze on Wayland: only $frames different frames"

# CHIUDI ends the program normally once the film is over: status 0, which in
# the sanitizer build also means no leak of the program's own.
xdotool mousemove $chiudi_x $chiudi_y click 1
wait_for 15 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "CHIUDI did not end the program on Wayland"
status=0
wait $app_pid || status=$?
[ $status -eq 0 ] || fail "the program ended with status $status on Wayland: $(tail -n 30 "$work/app.log")"
echo "CHIUDI ended the program with status 0"
echo "3 passed, 0 failed"
