#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a Debian root, as root, with what a desktop test
# needs of the system: /proc, /sys, the host's /dev, and empty /tmp and /run.
# The mounts and every process the command leaves behind live in namespaces
# of their own, and go when the command ends. The network is the host's, so
# apt reaches the archive and the host's tools reach the root's X server.
# --bind HOST_DIR:ROOT_DIR makes a folder of the host appear in the root.
#   inroot.sh [--bind HOST_DIR:ROOT_DIR]... ROOT COMMAND...
set -euo pipefail
binds=()
while [ "${1:-}" = --bind ]; do
    binds+=("$2")
    shift 2
done
root=$(realpath "$1")
shift
[ "$(id -u)" -eq 0 ] || { echo "inroot.sh runs as root" >&2; exit 1; }
[ -x "$root/bin/sh" ] || { echo "inroot.sh: $root is not a Debian root" >&2; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
exec unshare --mount --pid --fork --propagation private -- bash -c '
    set -e
    root=$1 binds=$2; shift 2
    for bind in $binds; do
        mkdir -p "$root/${bind#*:}"
        mount --bind "${bind%%:*}" "$root/${bind#*:}"
    done
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
    mount -t tmpfs -o mode=755 tmpfs "$root/run"
    exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
' inroot "$root" "${binds[*]}" "$@"
