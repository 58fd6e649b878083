#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Input piled up during the double pendulum film (12.6 s) is all handled after
# it, in order; a CHIUDI queued behind other clicks ends the program after them.
#   stress.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
start_xvfb
export XDG_RUNTIME_DIR=$work

start_app_x11 "$app"
sleep 3 # the opening curve
ox=0 oy=0
p3x=$((ox + 524)) p3y=$((oy + 326))
# Controls, from the layout around (512, 384).
box="$((ox + 747)) $((oy + 540))"        # txtarmonica
statica="$((ox + 567)) $((oy + 540))"    # Curva Statica
istruzioni="$((ox + 417)) $((oy + 119))" # Istruzioni
cosafa="$((ox + 227)) $((oy + 119))"     # Cosa fa il programma
panel="$((ox + 322)) $((oy + 400))"      # the help panel
doppio="$((ox + 430)) $((oy + 605))"     # Movimento   Doppio Pendolo
chiudi="$((ox + 322)) $((oy + 610))"     # CHIUDI

click() { xdotool mousemove $1 $2 click 1; }

# Ten rounds of five clicks each during the film. Each round types one more
# digit into the period box and shows the still figure for it; the panel ends
# each round on the description. Out of order, the digits would land
# elsewhere and the last figure or the panel would differ.
click $doppio
sleep 0.5
started=$SECONDS
for digit in 1 2 3 4 5 6 7 8 9 0; do
    click $box
    if [ $digit = 1 ]; then xdotool key ctrl+a type $digit; else xdotool key End type $digit; fi
    click $istruzioni
    click $panel
    click $cosafa
    click $statica
done
[ $((SECONDS - started)) -lt 10 ] || fail "the clicks took too long to send: they must all land during the film"
kill -0 $app_pid || fail "the program ended"

# After the film: the still figure for 1234567890, and the black description.
wait_for 20 bash -c "import -window root '$work/end.png' && [ \"\$('$probe' match '$work/end.png' $p3x $p3y still 1234567890)\" -eq 0 ]" \
    || fail "the last still figure is not the one for 1234567890: $("$probe" match "$work/end.png" $p3x $p3y still 1234567890) pixels differ"
black=$("$probe" count "$work/end.png" $((ox + 134)) $((oy + 136)) 360 440 000000)
blue=$("$probe" count "$work/end.png" $((ox + 134)) $((oy + 136)) 360 440 0000ff)
echo "after the film: the still figure for 1234567890; panel text $black black and $blue blue pixels"
[ "$black" -gt 1000 ] && [ "$blue" -eq 0 ] || fail "the panel does not show the description last"

# A CHIUDI queued behind other clicks during a film ends the program after them.
click $doppio
sleep 0.5
started=$SECONDS
click $istruzioni
click $statica
click $chiudi
sleep 8
kill -0 $app_pid || fail "CHIUDI ended the program during the film"
wait_for 12 bash -c "! kill -0 $app_pid" || fail "CHIUDI did not end the program after the film"
elapsed=$((SECONDS - started))
wait $app_pid || fail "the program exited with an error"
echo "CHIUDI queued during the film ended the program ${elapsed} s later, after the film"
[ $elapsed -ge 11 ] || fail "the program ended before the film could have finished"
echo "1 passed, 0 failed"
