#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a cross-built Qt Test program under wine and reports as it reports.
# Wine does not pass a console program's standard output through a pipe, so
# the program writes its log to a file, which is shown afterwards; the result
# is the program's own exit status, and a log that ends in its totals.
# With --italian, the wine prefix's user is Italian, as a Windows user who
# chose Italian in the regional settings is.
#   qtest.sh [--italian] QT_PREFIX WINEPREFIX TEST.exe [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
italian=false
if [ "${1:-}" = "--italian" ]; then
    italian=true
    shift
fi
qt=$1 prefix=$2 program=$3
shift 3
log=$(mktemp --suffix=.txt)
trap 'rm -f "$log"' EXIT
if $italian && [ ! -f "$prefix/.brovaci-italian" ]; then
    key='HKCU\Control Panel\International'
    for value in "LocaleName it-IT" "Locale 00000410" "sDecimal ," "sThousand ." "sList ;"; do
        bash "$here/run.sh" "$qt" "$prefix" reg add "$key" /v "${value%% *}" /t REG_SZ /d "${value#* }" /f >/dev/null 2>&1
    done
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.brovaci-italian"
fi
status=0
bash "$here/run.sh" "$qt" "$prefix" "$program" -o "Z:${log//\//\\},txt" "$@" </dev/null >/dev/null 2>&1 || status=$?
cat "$log"
grep -q '^Totals: ' "$log" || { echo "FAIL: $(basename "$program") ended (status $status) before its totals"; exit 1; }
exit $status
