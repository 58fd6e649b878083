#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a minimal Debian root made from this
# machine's configured archive, and nothing else beside Xvfb: the program
# must start from the package alone, show its window and draw the opening
# curve; then purging the package must leave none of its files. As root.
# The root is of this machine's release, or of SUITE (trixie, say) from the
# same archive.
#   cleanroom.sh DEB SHOTPROBE [SUITE]
set -euo pipefail
deb=$(realpath "$1")
probe=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/fetcherror.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "the clean-room install runs as root"
for tool in mmdebstrap xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

. /etc/os-release
codename=${VERSION_CODENAME:?this machine names no Debian release}
suite=${3:-$codename}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The machine's configured archive: its sources, as apt reads them, or as
# entries of the same archive for the other release.
sources=()
if [ "$suite" = "$codename" ]; then
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -s "$f" ] && grep -qv '^\s*\(#\|$\)' "$f" && sources+=("$f")
    done
else
    python3 "$here/../../scripts/sources.py" --type deb "$codename" "$suite" >"$work/$suite.sources"
    [ -s "$work/$suite.sources" ] && sources+=("$work/$suite.sources")
fi
[ ${#sources[@]} -gt 0 ] || fail "this machine has no apt sources for $suite"

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
    root_failed "$work/mmdebstrap.log" "the clean-room install did not pass"
fi
grep -E '^(ok|FAIL)' "$work/mmdebstrap.log"
echo "the package installed, ran and purged clean in a fresh $suite root ($((SECONDS - started)) s)"
