#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tests RUNS times each beside two busy loops, as on a machine busy with
# a build, and counts the passes: the end-to-end tests must hold there too.
#   underload.sh RUNS COMMAND...      e.g. underload.sh 5 ctest --preset default -R e2e_
set -uo pipefail
runs=${1:?usage: underload.sh RUNS COMMAND...}
shift
busy=()
for _ in 1 2; do
    bash -c 'while :; do :; done' &
    busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT
passed=0
for run in $(seq "$runs"); do
    if "$@"; then passed=$((passed + 1)); fi
    echo "== run $run of $runs: $passed passed so far"
done
echo "$passed of $runs runs passed beside two busy loops"
[ "$passed" -eq "$runs" ]
