// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The time the frame engine keeps: where the pauses and the presenter read
// the time, and how they wait. The program uses the monotonic clock and
// really sleeps; a test gives a clock of its own that only moves when slept
// on, so that the pacing rules can be checked exactly on any machine.
#pragma once

#include <chrono>

namespace brovaci {

using Clock = std::chrono::steady_clock;

class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual Clock::time_point now() = 0;
    // Waits for about this long, never much longer; nothing for zero or less.
    virtual void sleepFor(Clock::duration duration) = 0;
};

// The monotonic clock, with the platform's finest sleep.
FrameClock &steadyClock();

// While one lives, the system timer ticks as finely as it can, so that short
// sleeps last what they ask for. Windows' default tick is about 15.6 ms,
// which would stretch every pause of a film; elsewhere it changes nothing.
class FineTimer {
public:
    FineTimer();
    ~FineTimer();
    FineTimer(const FineTimer &) = delete;
    FineTimer &operator=(const FineTimer &) = delete;

    // How many are alive now: the timer is fine while this is above zero.
    static int active();

private:
    bool m_raised = false;
};

} // namespace brovaci
