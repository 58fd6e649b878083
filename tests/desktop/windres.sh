#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resources with the cross resource compiler and reads
# them back: three icon images and the version block.
#   windres.sh BROVACI_RC
set -euo pipefail
rc=$1
windres=x86_64-w64-mingw32-windres
command -v $windres >/dev/null || { echo "SKIP: $windres is not installed (binutils-mingw-w64-x86-64)"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The host C preprocessor is enough: the file includes no Windows header.
$windres --preprocessor=cpp "$rc" -O res -o "$out/brovaci.res"
$windres -J res -i "$out/brovaci.res" -O rc >"$out/back.rc"
check() { grep -q -- "$1" "$out/back.rc" || { echo "FAIL: no $1 in the compiled resources"; exit 1; }; }
check 'Has 3 elements'
check '"\\020\\020\\000\\000"' # 16 x 16
check '"\\040\\040\\000\\000"' # 32 x 32
check '"\\060\\060\\000\\000"' # 48 x 48
check 'FILEVERSION 1, 0, 0, 0'
check 'PRODUCTVERSION 1, 0, 0, 0'
check 'VALUE "ProductName", "Brovaci"'
check 'VALUE "InternalName", "Brovaci"'
check 'VALUE "OriginalFilename", "Brovaci.exe"'
check 'VALUE "FileVersion", "1.00"'
echo "the resources compile"
