#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cleanroom.sh as mmdebstrap's last hook, on the host, with the new
# root as its first argument and the package installed there. The X server
# runs inside the root; its abstract socket is reachable from the host,
# where the screenshots are taken.
#   cleanroom-check.sh ROOT SHOTPROBE
set -euo pipefail
root=$1 probe=$2
# The design's places (tests/design.json): the window fills the screen from
# its top-left corner, the reference point is (512, 384).
eval "$(python3 "$(dirname "$0")/../design.py")"
read -r curve_x curve_y curve_w curve_h <<<"$curve_area"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok   $*"; }
wait_for() { # seconds command...
    local until=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do [ $SECONDS -lt $until ] || return 1; sleep 0.1; done
}

chroot "$root" test -x /usr/bin/brovaci || fail "the package installed no /usr/bin/brovaci"
files=$(chroot "$root" dpkg-query -L brovaci)

# -noreset: see start_xvfb in tests/e2e/common.sh.
chroot "$root" sh -c 'Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>/tmp/display >/tmp/xvfb.log 2>&1 & echo $!' >"$root/tmp/xvfb.pid"
wait_for 10 test -s "$root/tmp/display" || fail "Xvfb did not start in the root"
pids+=("$(cat "$root/tmp/xvfb.pid")")
export DISPLAY=":$(cat "$root/tmp/display")"

chroot "$root" env DISPLAY="$DISPLAY" HOME=/root sh -c '/usr/bin/brovaci >/tmp/brovaci.log 2>&1 & echo $!' >"$root/tmp/brovaci.pid"
app=$(cat "$root/tmp/brovaci.pid")
pids+=("$app")
wait_for 15 xdotool search --onlyvisible --name '^pendolo$' \
    || fail "the window \"pendolo\" did not appear: $(cat "$root/tmp/brovaci.log")"
ok "the installed program shows its window \"pendolo\""
# The opening curve on the curve box, inside its border.
blue_pixels() { "$probe" count "$root/tmp/shot.png" "$curve_x" "$curve_y" "$curve_w" "$curve_h" 0000ff; }
blue_curve() { import -window root "$root/tmp/shot.png" && [ "$(blue_pixels)" -gt 500 ]; }
wait_for 10 blue_curve || fail "the opening curve did not draw"
ok "the opening curve draws: $(blue_pixels) blue pixels in the curve box"

# A click made while the curve still plays waits for its end.
xdotool mousemove "$cmdfine_x" "$cmdfine_y" click 1
wait_for 30 bash -c "! kill -0 $app 2>/dev/null" || fail "CHIUDI did not end the program"
ok "CHIUDI ends the program"

chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get purge -y brovaci >/dev/null
! chroot "$root" dpkg-query -W -f='${Status}\n' brovaci 2>/dev/null | grep -q . \
    || fail "dpkg still knows the package after the purge"
left=()
while IFS= read -r f; do
    [ -n "$f" ] && [ -e "$root$f" ] && [ ! -d "$root$f" ] && left+=("$f")
done <<<"$files"
[ ${#left[@]} -eq 0 ] || fail "the purge left: ${left[*]}"
ok "apt-get purge leaves none of the package's $(grep -c . <<<"$files") paths"
