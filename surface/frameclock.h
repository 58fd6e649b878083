// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The time the frame engine keeps: where the pauses and the presenter read
// the time, and how they wait. The program uses the monotonic clock and
// really sleeps; a test gives a clock of its own that only moves when slept
// on, so that the pacing rules can be checked exactly on any machine.
#pragma once

#include <chrono>
#include <cstdint>

namespace brovaci {

using Clock = std::chrono::steady_clock;

class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual Clock::time_point now() = 0;
    // Waits for about this long, never much longer; nothing for zero or less.
    virtual void sleepFor(Clock::duration duration) = 0;

    // Where the platform says when the display has taken a frame (a
    // browser's animation frames), how many it has taken so far; -1 where it
    // does not, and a frame is held for the display's refresh interval.
    virtual std::int64_t displayFrames() { return -1; }
    // Returns once the display has taken its next frame, or at notAfter if
    // that comes first; at once where displayFrames() is -1.
    virtual void awaitDisplayFrame(Clock::time_point notAfter) { (void)notAfter; }
    // The earliest the display can take its next frame: its latest frame and
    // the shortest interval seen between two of them; now where that is past,
    // and time_point::max() where the platform does not say.
    virtual Clock::time_point nextDisplayFrame() { return Clock::time_point::max(); }
    // The longest a pause sleeps before it processes events again. Where the
    // platform runs the program's events itself while it sleeps (a browser
    // does), a pause sleeps to its end in one go.
    virtual Clock::duration idleSlice() { return std::chrono::milliseconds(1); }
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
