#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark program (release) and prints its table, with the
# machine it ran on.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j "$(nproc)" --target brovaci_bench
echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || echo '?'), offscreen platform"
build-bench/bench/brovaci_bench --benchmark_min_time=0.5 2>/dev/null | sed -n '/^| measure/,$p'
