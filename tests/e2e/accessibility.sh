#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program over the real accessibility bus: Xvfb, a D-Bus session,
# at-spi2-core's bus and registry, and the program with accessibility on;
# accessibility.py drives it as a screen reader would.
#   accessibility.sh BROVACI SHOTPROBE
source "$(dirname "$0")/common.sh"
app=$1 probe=$2
for need in dbus-launch /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$need" >/dev/null || { echo "SKIP: $need is not installed" >&2; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed" >&2; exit 77; }

start_xvfb
export XDG_RUNTIME_DIR=$work
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
wait_for 10 bash -c 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress' \
    || fail "the accessibility bus did not start: $(cat "$work/bus.log")"
/usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
pids+=($!)

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$app" "$probe" "$work" || fail "see above"
