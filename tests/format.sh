#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ file is formatted as .clang-format says, by the clang-format of
# Debian 12 (14). Another version may lay out the same code otherwise, so
# with any other the test is skipped. Lists each file that differs, and
# fails with how many.
#   format.sh SOURCE_DIR
set -euo pipefail
src=$(realpath "$1")
command -v clang-format >/dev/null || { echo "SKIP: clang-format is not installed"; exit 77; }
version=$(clang-format --version | grep -o 'version [0-9]*' | cut -d' ' -f2)
[ "$version" = 14 ] || { echo "SKIP: clang-format $version formats otherwise than 14, which the tree follows"; exit 77; }
cd "$src"
mapfile -t files < <(find app bench display input runner scenes surface tests \
    -path '*/build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
[ ${#files[@]} -gt 0 ] || { echo "FAIL: no C++ file found in $src"; exit 1; }
bad=0
for f in "${files[@]}"; do
    if ! clang-format --style=file --dry-run --Werror "$f" >/dev/null 2>&1; then
        echo "not formatted: $f (clang-format -i $f)"
        bad=$((bad + 1))
    fi
done
echo "$((${#files[@]} - bad)) passed, $bad failed"
[ "$bad" -eq 0 ]
