#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a minimal Debian root made from this
# machine's configured archive, and nothing else beside Xvfb: the program
# must start from the package alone, show its window and draw the opening
# curve; then purging the package must leave none of its files. As root.
#   cleanroom.sh DEB SHOTPROBE
set -euo pipefail
deb=$(realpath "$1")
probe=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)

fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "the clean-room install runs as root"
for tool in mmdebstrap xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

. /etc/os-release
suite=${VERSION_CODENAME:?this machine names no Debian release}
# The machine's configured archive: its sources, as apt reads them.
sources=()
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -s "$f" ] && grep -qv '^\s*\(#\|$\)' "$f" && sources+=("$f")
done
[ ${#sources[@]} -gt 0 ] || fail "this machine has no apt sources"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

started=$SECONDS
status=0
mmdebstrap --variant=apt --include=xvfb,xauth \
    --customize-hook="copy-in $deb /tmp" \
    --customize-hook='chroot "$1" apt-get update' \
    --customize-hook="chroot \"\$1\" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends /tmp/$(basename "$deb")" \
    --customize-hook="$here/cleanroom-check.sh \"\$1\" $probe" \
    "$suite" "$work/root" "${sources[@]}" >"$work/mmdebstrap.log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
    grep -E '^(ok|FAIL)' "$work/mmdebstrap.log" || true
    if grep -qE 'Failed to fetch|Could not resolve|Temporary failure resolving|Unable to connect|Connection failed' "$work/mmdebstrap.log"; then
        fail "the Debian archive cannot be reached: $(grep -m1 -E 'Failed to fetch|Could not resolve|Temporary failure|Unable to connect|Connection failed' "$work/mmdebstrap.log")"
    fi
    tail -n 30 "$work/mmdebstrap.log" >&2
    fail "the clean-room install did not pass"
fi
grep -E '^(ok|FAIL)' "$work/mmdebstrap.log"
echo "the package installed, ran and purged clean in a fresh $suite root ($((SECONDS - started)) s)"
