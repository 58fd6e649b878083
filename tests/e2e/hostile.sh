#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program against a hostile environment, on a real X server: no
# display at all, a window destroyed by another client, clicks queued after
# CHIUDI, closed standard streams.
# Each step waits on what the screen shows or on the process.
#   hostile.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
passed=0

# 1. No display: one clear line, status 1, no abort.
no_display() { # description, then the environment and arguments
    local what=$1; shift
    local status=0
    env "$@" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1: $(cat "$work/err")"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: not one line: $(cat "$work/err")"
    grep -q '^brovaci: non riesco ad aprire un display: .' "$work/err" || fail "$what: $(cat "$work/err")"
    ! grep -qi 'reinstall' "$work/err" || fail "$what: Qt's advice is still given"
    echo "$what: $(cat "$work/err")"
}
no_display "no DISPLAY" -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$app"
no_display "a wrong DISPLAY" DISPLAY=:1999 QT_QPA_PLATFORM=xcb "$app"
no_display "an unknown platform" "$app" -platform nessuna
if [ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] \
    || ls /usr/lib/*/qt6/plugins/platforms/libqwayland* >/dev/null 2>&1; then
    mkdir -m 700 "$work/empty-runtime"
    no_display "Wayland without a compositor" XDG_RUNTIME_DIR="$work/empty-runtime" WAYLAND_DISPLAY=nessuno \
        QT_QPA_PLATFORM=wayland "$app"
fi
passed=$((passed + 1))

start_xvfb
export XDG_RUNTIME_DIR=$work
film=12.6 # the double pendulum

# 2. A top-level window destroyed by another client, idle and during a film.
for moment in idle film; do
    start_app_x11 "$app"
    win=$(xdotool search --onlyvisible --name '^pendolo$' | head -n1)
    wait_for 30 curve_shows turning 200 || fail "the opening curve did not end on its last frame"
    if [ $moment = film ]; then
        click_on Cmddoppio
        wait_for 30 bash -c "import -window root '$work/film.png' && [ \$('$probe' count '$work/film.png' $(area curve) ff0000) -gt 100 ]" ||
            fail "the double pendulum did not start"
    fi
    xdotool windowclose "$win"
    wait_for_end 20 >/dev/null || fail "the program outlived its destroyed window ($moment)"
    wait $app_pid || fail "the program ended with an error once its window was destroyed ($moment)"
    echo "window destroyed while $moment: the program ended"
done
passed=$((passed + 1))

# 3. CHIUDI during the double pendulum film (12.6 s), then three more film
# clicks: the program ends when the first film ends, and no film runs after
# it: no sooner than one film's length after its click, and sooner than two.
start_app_x11 "$app"
wait_for 30 curve_shows turning 200 || fail "the opening curve did not end on its last frame"
started=$(now_ns)
click_on Cmddoppio
click_on cmdfine
for _ in 1 2 3; do click_on Cmddoppio; done
wait_for_end 60 >/dev/null || fail "the program still runs a minute after CHIUDI"
elapsed=$(seconds_since "$started")
wait $app_pid || fail "the program ended with an error after CHIUDI"
echo "CHIUDI during the film, then three film clicks: the program ended $elapsed s after the film began"
awk -v t="$elapsed" -v f="$film" 'BEGIN { exit !(t >= f && t < 2 * f) }' ||
    fail "it should end with the first film, $film s after it began"
passed=$((passed + 1))

# 4. Standard error (and the others) closed, with Qt given something to warn about.
for streams in "2>&-" "<&- >&- 2>&-"; do
    (unset XDG_RUNTIME_DIR; eval "exec $streams"; exec "$app" -style nessuno) &
    app_pid=$!
    pids+=($app_pid)
    wait_for 30 xdotool search --onlyvisible --name '^pendolo$' || fail "no window with $streams"
    kill $app_pid
    wait $app_pid 2>/dev/null || true
    echo "with $streams the window appears"
done
passed=$((passed + 1))

echo "$passed passed, 0 failed"
