#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark program (the "bench" preset), runs it and writes its
# table, with the machine it ran on, to docs/benchmarks.md. As root, where
# the web page's Debian 13 root is in its cache (scripts/web-qt), the page's
# figures measured in Chromium follow (scripts/web --bench); --web makes
# that root if it is missing.
#   bench/run.sh [--web]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)"
out=docs/benchmarks.md
table=$(mktemp)
trap 'rm -f "$table"' EXIT
build-bench/bench/brovaci_bench --benchmark_min_time=0.5 2>/dev/null | sed -n '/^| measure/,$p' >"$table"
cache=${BROVACI_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brovaci}
web=
if [ "$(id -u)" -eq 0 ] && { [ -f "$cache/web-root-trixie/.brovaci-root" ] || [ "${1:-}" = --web ]; }; then
    web=$(scripts/web --bench 2>/dev/null | grep -E '^\| web[:,] ' || true)
fi
{
    tag=SPDX # the written file's own licence lines, not this script's
    echo "<!-- $tag-FileCopyrightText: $(date +%Y) The Brovaci authors -->"
    echo "<!-- $tag-License-Identifier: GPL-3.0-or-later -->"
    echo "# Benchmarks"
    echo
    echo "Written by \`bench/run.sh\` on $(date -u +%Y-%m-%d), on $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo),"
    echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo '?'), offscreen platform."
    [ -n "$web" ] && echo "The rows that start with \"web\" are the page in Debian 13's Chromium, headless, served from 127.0.0.1; \"CPU 4x slower\" is Chromium's own CPU throttling (\`Emulation.setCPUThrottlingRate\`), as on a low-end Chromebook; the share of a core under it is reported, with no target."
    echo "What each row measures: HACKING.md, \"Benchmarks\"."
    echo
    cat "$table"
    [ -n "$web" ] && echo "$web"
} >"$out"
cat "$out"
