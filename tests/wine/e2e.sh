#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real Brovaci.exe under wine on a real X server, driven with real input:
# the opening curve, the still curve for 200 and for 100, the notice for
# "abc", the single-pendulum film at its nominal duration, and CHIUDI ending
# the process. The pictures are checked against the program's own canvas,
# drawn here by the Linux build's shotprobe.
#   e2e.sh BROVACI.EXE SHOTPROBE QT_PREFIX WINEPREFIX
source "$(dirname "$0")/../e2e/common.sh"
exe=$1 probe=$2 qt=$3 prefix=$4
here=$(cd "$(dirname "$0")" && pwd)
command -v wine >/dev/null || { echo "SKIP: wine is not installed"; exit 77; }
[ -x "$probe" ] || { echo "SKIP: no shotprobe of the Linux build at $probe"; exit 77; }
start_xvfb
export XDG_RUNTIME_DIR=$work

started=$SECONDS
bash "$here/run.sh" "$qt" "$prefix" "$exe" >"$work/app.log" 2>&1 &
app_pid=$!
pids+=($app_pid)
wait_for 60 xdotool search --onlyvisible --name '^pendolo$' || fail "no window"
win=$(xdotool search --onlyvisible --name '^pendolo$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window after $((SECONDS - started)) s, client area at $X,$Y, ${WIDTH}x$HEIGHT"
# Maximized: the client area spans the screen's width; wine draws the title bar.
[ "$WIDTH" -eq 1024 ] || fail "window not maximized: ${WIDTH}x$HEIGHT"
ox=$X oy=$Y

# The opening curve plays, then stands on its last frame.
wait_for 30 bash -c "import -window root '$work/open.png' && [ \$('$probe' count '$work/open.png' $(area curve) 0000ff) -gt 500 ]" \
    || fail "the opening curve is not on screen"
wait_for 30 curve_shows turning 200 ||
    fail "the opening curve did not end on its last frame: $(curve_mismatch "$work/curve.png" turning 200) pixels differ"
echo "the opening curve played and ended on its last frame"

# The period box: clicked, emptied and typed in. Keys go to the window under
# the pointer, in the order they are sent, behind the click.
type_period() {
    click_on txtarmonica
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 40 "$1"
}

click_on Cmdpendolo
wait_for 30 curve_shows still 200 || fail "the still curve for 200 is not shown: $(curve_mismatch "$work/curve.png" still 200) pixels differ"
echo "the still curve for 200"
type_period 100
click_on Cmdpendolo
wait_for 30 curve_shows still 100 || fail "the still curve for 100 is not shown: $(curve_mismatch "$work/curve.png" still 100) pixels differ"
echo "the still curve for 100"
type_period abc
click_on Cmdpendolo
wait_for 30 bash -c "import -window root '$work/notice.png' && [ \$('$probe' count '$work/notice.png' $(area curve) ff0000) -gt 100 ]" \
    || fail "no notice for abc"
[ "$(count_in "$work/notice.png" curve 0000ff)" -eq 0 ] || fail "a figure beside the notice"
echo "the notice for abc"
type_period 200

# The single pendulum, then the still curve asked for during it: the curve
# appears once the film has ended, 18 x 10000 passes of 31.75 us = 5.715 s
# after the click (each of its 18 frames held at least a refresh): run inside
# the film, it would come sooner.
film_start=$(now_ns)
click_on cmdmovimento
wait_for 30 bash -c "import -window root '$work/film.png' && [ \$('$probe' count '$work/film.png' $(area pendulum) ff0000) -gt 100 ]" \
    || fail "the pendulum is not on screen during its film"
click_on Cmdpendolo
wait_for 60 curve_shows still 200 || fail "the still curve did not follow the film"
took=$(seconds_since "$film_start")
echo "the single pendulum and the still curve after it: $took s (the film's nominal time is 5.715 s)"
awk -v t="$took" 'BEGIN { exit !(t >= 5.7) }' || fail "the still curve came $took s after the film's click: inside the film"

# CHIUDI ends the process.
click_on cmdfine
wait_for_end 60 >/dev/null || fail "CHIUDI did not end the program"
wait $app_pid || fail "the program exited with an error"
echo "CHIUDI ended the program"
echo "1 passed, 0 failed"
