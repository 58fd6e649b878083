#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server, driven with real input.
#   x11.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
start_xvfb
export XDG_RUNTIME_DIR=$work

start_app_x11 "$app"
win=$(xdotool search --onlyvisible --name '^pendolo$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 1024 ] && [ "$HEIGHT" -eq 768 ] || fail "window not maximized: ${WIDTH}x$HEIGHT"
ox=$X oy=$Y
# Inside Picture3's border, Curva Statica and CHIUDI, from the layout.
p3x=$((ox + 524)) p3y=$((oy + 326))

# The opening curve is seen while it plays.
sleep 0.4
shot "$work/mid.png"
blue=$("$probe" count "$work/mid.png" $p3x $p3y 276 196 0000ff)
echo "opening curve, mid-film: $blue blue pixels in Picture3"
[ "$blue" -gt 500 ] || fail "the opening curve is not on screen while it plays"

# A click on Curva Statica during the opening curve waits for its end.
xdotool mousemove $((ox + 567)) $((oy + 540)) click 1
sleep 0.2
shot "$work/after-click.png"
"$probe" match "$work/after-click.png" $p3x $p3y still 200 >"$work/wrong"
[ "$(cat "$work/wrong")" -gt 0 ] || fail "the still figure was drawn inside the opening curve"
kill -0 $app_pid || fail "the program ended"

# Once the curve has ended the still figure for 200 is shown, drawn once.
wait_for 15 bash -c "import -window root '$work/end.png' && [ \"\$('$probe' match '$work/end.png' $p3x $p3y still 200)\" -eq 0 ]" \
    || fail "the figure eight for 200 never appeared: $("$probe" match "$work/end.png" $p3x $p3y still 200) pixels differ"
echo "the still figure for 200 replaced the opening curve"

# A click on Curva Tridimensionale during the single pendulum film (5.7 s)
# runs after the film, once: 2 s later its last frame stands still.
xdotool mousemove $((ox + 215)) $((oy + 605)) click 1   # Movimento Pendolo Singolo
sleep 1
xdotool mousemove $((ox + 657)) $((oy + 540)) click 1   # Curva Tridimensionale
sleep 1.5
shot "$work/film.png"
[ "$("$probe" count "$work/film.png" $((ox + 522)) $((oy + 94)) 250 140 ff0000)" -gt 100 ] \
    || fail "the pendulum is not on screen during its film"
[ "$("$probe" count "$work/film.png" $p3x $p3y 276 196 0000ff)" -eq 0 ] \
    || fail "the curve started inside the pendulum film"
sleep 3.8 # the film ends about 5.7 s after its click; the curve takes about 2 s
for i in 1 2 3 4 5 6 7 8; do
    shot "$work/tail-$i.png"
    "$probe" match "$work/tail-$i.png" $p3x $p3y turning 200
    sleep 0.25
done >"$work/tail"
echo "curve box after the film, against the curve's last frame: $(tr '\n' ' ' <"$work/tail")"
# It played (some screenshot shows another frame), ended on its last frame,
# and did not start again (that frame stays to the end).
[ "$(sort -u "$work/tail" | wc -l)" -gt 1 ] || fail "the curve did not play after the film"
[ "$(tail -n 3 "$work/tail" | sort -u)" = "0" ] || fail "the curve did not end on its last frame, or played twice"

# CHIUDI ends the program.
xdotool mousemove $((ox + 322)) $((oy + 610)) click 1
wait_for 5 bash -c "! kill -0 $app_pid" || fail "CHIUDI did not end the program"
wait $app_pid || fail "the program exited with an error"
echo "CHIUDI ended the program"
echo "1 passed, 0 failed"
