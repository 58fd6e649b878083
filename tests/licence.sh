#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the source names its licence: reuse lint. In a git checkout
# reuse reads what git tracks; in an exported tree (a source tarball) it
# would walk the build folders too, so there it lints a copy of the tree
# without them: any folder holding a CMakeCache.txt, dist/, and the caches
# Python leaves beside the tests' modules.
#   licence.sh SOURCE_DIR
set -euo pipefail
src=$(realpath "$1")
if [ "$(git -C "$src" rev-parse --show-toplevel 2>/dev/null)" = "$src" ]; then
    exec reuse --root "$src" lint
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
(cd "$src" && find . -mindepth 1 \
    \( -type d \( -exec test -e '{}/CMakeCache.txt' \; -o -path ./dist -o -name __pycache__ \) -prune \) -o \
    \( \( -type f -o -type l \) -print0 \)) |
    (cd "$src" && tar --null -T - -cf -) | tar -x -C "$copy"
echo "an exported tree: linting it without its build folders"
reuse --root "$copy" lint
