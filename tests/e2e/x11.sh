#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server, driven with real input. Each step
# waits on what the screen shows or on the process, never on a fixed time,
# so that it holds on a busy machine; only lower bounds are timed.
#   x11.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
start_xvfb
export XDG_RUNTIME_DIR=$work

# The window, by its title: maximized, at the screen's top-left.
start_app_x11 "$app"
win=$(xdotool search --onlyvisible --name '^pendolo$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 1024 ] && [ "$HEIGHT" -eq 768 ] || fail "window not maximized: ${WIDTH}x$HEIGHT"
ox=$X oy=$Y

# A click on Curva Statica as soon as the window shows, while the opening
# curve plays. Run inside the curve, the still figure would be drawn over by
# the curve's later frames, and its last frame would stay; run after it, as
# it must, the still figure for 200 stays. (On a machine slow enough for the
# click to come after the curve, it runs at once, with the same picture.)
click_on Cmdpendolo
wait_for 30 curve_shows still 200 ||
    fail "the still figure for 200 did not follow the opening curve: $(curve_mismatch "$work/curve.png" still 200) pixels differ"
kill -0 $app_pid || fail "the program ended"
echo "the still figure for 200 came after the opening curve"

# A click on Curva Tridimensionale during the single pendulum film (18 pauses
# of 10000 passes: 5.715 s) runs after the film, once: the curve's last frame
# comes no sooner than the film's length after its click, and stays.
film_start=$(now_ns)
click_on cmdmovimento
wait_for 30 bash -c "import -window root '$work/film.png' && [ \$('$probe' count '$work/film.png' $(area pendulum) ff0000) -gt 100 ]" ||
    fail "the pendulum is not on screen during its film"
click_on cmdtarmonica
wait_for 60 curve_shows turning 200 || fail "the curve did not play after the film, or did not end on its last frame"
took=$(seconds_since "$film_start")
echo "the curve's last frame came $took s after the film's click"
awk -v t="$took" 'BEGIN { exit !(t >= 5.7) }' || fail "the curve ran inside the film: it ended $took s after the film began"
# Played once: the curve's last frame stays for longer than the curve takes.
for _ in $(seq 12); do
    curve_shows turning 200 || fail "the curve played again after its last frame"
done
echo "the curve played after the film, once, and ended on its last frame"

# CHIUDI ends the program, with status 0.
click_on cmdfine
wait_for_end 30 >/dev/null || fail "CHIUDI did not end the program"
wait $app_pid || fail "the program exited with an error"
echo "CHIUDI ended the program"
echo "1 passed, 0 failed"
