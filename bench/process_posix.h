// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX only: starting a child process and reading its resource use, for the
// start-up and memory figures of the benchmark. Nothing else in the project
// calls POSIX directly.
#pragma once

#include <string>
#include <vector>

namespace brovaci::bench {

struct ChildRun {
    int exitCode = -1;
    std::string output; // what the child printed
    long long peakResidentKiB = 0;
};

// Runs this same executable with the given arguments and waits for it.
ChildRun runSelf(const std::string &self, const std::vector<std::string> &arguments);
long long monotonicNanoseconds(); // CLOCK_MONOTONIC, the same clock in every process
long long residentKiB();          // this process's resident set, from /proc (Linux)
double cpuSeconds();              // user and system time this process has used

} // namespace brovaci::bench
