#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what lands there.
#   install.sh BUILD_DIR
set -euo pipefail
build=$1
command -v desktop-file-validate >/dev/null || { echo "SKIP: desktop-file-validate is not installed (desktop-file-utils)"; exit 77; }
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/brovaci share/applications/brovaci.desktop share/metainfo/brovaci.metainfo.xml \
         share/icons/hicolor/scalable/apps/brovaci.svg share/icons/hicolor/16x16/apps/brovaci.png \
         share/icons/hicolor/32x32/apps/brovaci.png share/icons/hicolor/48x48/apps/brovaci.png; do
    [ -s "$prefix/$f" ] || { echo "FAIL: $f was not installed"; exit 1; }
done
[ -x "$prefix/bin/brovaci" ] || { echo "FAIL: bin/brovaci is not executable"; exit 1; }
desktop-file-validate "$prefix/share/applications/brovaci.desktop"
grep -qx 'Name=Brovaci' "$prefix/share/applications/brovaci.desktop"
grep -q '^Categories=Education;' "$prefix/share/applications/brovaci.desktop"
grep -q '^Comment\[it\]=' "$prefix/share/applications/brovaci.desktop"
for size in 16 32 48; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/brovaci.png" | grep -q "$size x $size" \
        || { echo "FAIL: the ${size} px icon is not ${size} x ${size}"; exit 1; }
done
if command -v appstreamcli >/dev/null; then
    # The id is the program's plain name: a reverse-DNS id would need a domain
    # of the project's own, which it does not have. Anything else fails.
    report=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/brovaci.metainfo.xml" || true)
    problems=$(grep -E '^[EWI]: ' <<<"$report" | grep -v 'cid-desktopapp-is-not-rdns' || true)
    [ -z "$problems" ] || { echo "FAIL: the metadata does not validate:"; echo "$problems"; exit 1; }
fi
echo "installed and validated"
