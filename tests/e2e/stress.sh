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
film=12.6 # the double pendulum: 12 x 63 frames, each held a refresh

start_app_x11 "$app"
wait_for 30 curve_shows turning 200 || fail "the opening curve did not end on its last frame"

# Ten rounds of five clicks each during the film. Each round types one more
# digit into the period box and shows the still figure for it; the panel ends
# each round on the description. Out of order, the digits would land
# elsewhere and the last figure or the panel would differ.
started=$(now_ns)
click_on Cmddoppio
for digit in 1 2 3 4 5 6 7 8 9 0; do
    click_on txtarmonica
    if [ $digit = 1 ]; then xdotool key ctrl+a type $digit; else xdotool key End type $digit; fi
    click_on Cmdistruzioni
    click_on Txtistru
    click_on Cmdcosafa
    click_on Cmdpendolo
done
sent=$(seconds_since "$started")
echo "50 clicks and 10 digits sent in $sent s, during the film"
awk -v t="$sent" -v f="$film" 'BEGIN { exit !(t < f) }' || fail "the input took $sent s to send: it must land during the film"
kill -0 $app_pid || fail "the program ended"

# After the film: the still figure for 1234567890, and the black description.
wait_for 60 curve_shows still 1234567890 ||
    fail "the last still figure is not the one for 1234567890: $(curve_mismatch "$work/curve.png" still 1234567890) pixels differ"
black=$(count_in "$work/curve.png" panel 000000)
blue=$(count_in "$work/curve.png" panel 0000ff)
echo "after the film: the still figure for 1234567890; panel text $black black and $blue blue pixels"
[ "$black" -gt 1000 ] && [ "$blue" -eq 0 ] || fail "the panel does not show the description last"

# A CHIUDI queued behind other clicks during a film ends the program after
# them, so no sooner than the film's length after its click.
started=$(now_ns)
click_on Cmddoppio
click_on Cmdistruzioni
click_on Cmdpendolo
click_on cmdfine
wait_for_end 60 >/dev/null || fail "CHIUDI did not end the program after the film"
elapsed=$(seconds_since "$started")
wait $app_pid || fail "the program exited with an error"
echo "CHIUDI queued during the film ended the program $elapsed s after the film's click"
awk -v t="$elapsed" -v f="$film" 'BEGIN { exit !(t >= f) }' || fail "the program ended before the film could have finished"
echo "1 passed, 0 failed"
