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
p3x=$((ox + 524)) p3y=$((oy + 326)) # inside Picture3's border

# The opening curve plays, then stands on its last frame.
wait_for 10 bash -c "import -window root '$work/open.png' && [ \"\$('$probe' count '$work/open.png' $p3x $p3y 276 196 0000ff)\" -gt 500 ]" \
    || fail "the opening curve is not on screen"
wait_for 15 bash -c "import -window root '$work/open-end.png' && [ \"\$('$probe' match '$work/open-end.png' $p3x $p3y turning 200)\" -eq 0 ]" \
    || fail "the opening curve did not end on its last frame: $("$probe" match "$work/open-end.png" $p3x $p3y turning 200) pixels differ"
echo "the opening curve played and ended on its last frame"

still() { # TEXT: the still curve for it is on screen, pixel for pixel
    wait_for 10 bash -c "import -window root '$work/still.png' && [ \"\$('$probe' match '$work/still.png' $p3x $p3y still '$1')\" -eq 0 ]"
}
click_still() { xdotool mousemove $((ox + 567)) $((oy + 540)) click 1; }
# The period box lies at X + 191, Y + 141.
type_period() {
    xdotool mousemove $((ox + 512 + 236)) $((oy + 384 + 156)) click --repeat 3 --delay 80 1
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a BackSpace
    xdotool type --delay 40 "$1"
    sleep 0.3
}

click_still
still 200 || fail "the still curve for 200 is not shown: $("$probe" match "$work/still.png" $p3x $p3y still 200) pixels differ"
echo "the still curve for 200"
type_period 100
click_still
still 100 || fail "the still curve for 100 is not shown: $("$probe" match "$work/still.png" $p3x $p3y still 100) pixels differ"
echo "the still curve for 100"
type_period abc
click_still
wait_for 10 bash -c "import -window root '$work/notice.png' && [ \"\$('$probe' count '$work/notice.png' $p3x $p3y 276 196 ff0000)\" -gt 100 ]" \
    || fail "no notice for abc"
[ "$("$probe" count "$work/notice.png" $p3x $p3y 276 196 0000ff)" -eq 0 ] || fail "a figure beside the notice"
echo "the notice for abc"
type_period 200

# The single pendulum, then the still curve asked for during it: the curve
# appears once the film has ended, 18 x 10000 passes of 31.75 us = 5.715 s
# after the click (each of its 18 frames held at least a refresh).
film_start=$(date +%s.%N)
xdotool mousemove $((ox + 215)) $((oy + 605)) click 1 # Movimento Pendolo Singolo
sleep 0.5
click_still
shot "$work/film.png"
[ "$("$probe" count "$work/film.png" $((ox + 522)) $((oy + 94)) 250 140 ff0000)" -gt 100 ] \
    || fail "the pendulum is not on screen during its film"
[ "$("$probe" count "$work/film.png" $p3x $p3y 276 196 0000ff)" -eq 0 ] || fail "the still curve ran inside the film"
still 200 || fail "the still curve did not follow the film"
film_end=$(date +%s.%N)
took=$(echo "$film_end - $film_start" | bc)
echo "the single pendulum and the still curve after it: $took s (the film's nominal time is 5.715 s)"
awk -v t="$took" 'BEGIN { exit !(t >= 5.7 && t <= 6.6) }' || fail "the film took $took s"

# CHIUDI ends the process.
xdotool mousemove $((ox + 322)) $((oy + 610)) click 1
wait_for 10 bash -c "! kill -0 $app_pid" || fail "CHIUDI did not end the program"
wait $app_pid || fail "the program exited with an error"
echo "CHIUDI ended the program"
echo "1 passed, 0 failed"
