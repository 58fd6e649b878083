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
    # What only a domain or a homepage of the project's own would mend, and
    # Brovaci has neither: the id is the program's plain name, not reverse
    # DNS (cid-desktopapp-is-not-rdns), no homepage (url-homepage-missing,
    # AppStream 1.0), and no reverse-DNS id for the developer
    # (developer-id-missing, 1.0). AppStream 0.16 (Debian 12) does not know
    # the developer tag of 1.0 yet (unknown-tag developer). Anything else fails.
    report=$(appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/brovaci.metainfo.xml" || true)
    problems=$(grep -E '^[EWI]: ' <<<"$report" \
        | grep -vE ' (cid-desktopapp-is-not-rdns|url-homepage-missing|developer-id-missing|unknown-tag developer)( |$)' || true)
    [ -z "$problems" ] || { echo "FAIL: the metadata does not validate:"; echo "$problems"; exit 1; }
fi
echo "installed and validated"
