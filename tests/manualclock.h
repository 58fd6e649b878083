// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A clock that moves only when the frame engine sleeps on it: the engine's
// rules about time are checked exactly, however loaded the machine is.
#pragma once

#include "surface/frameclock.h"

#include <algorithm>

namespace brovaci::testing {

class ManualClock : public FrameClock {
public:
    Clock::time_point now() override { return m_now; }
    void sleepFor(Clock::duration duration) override
    {
        if (duration <= Clock::duration::zero())
            return;
        m_now += duration;
        ++sleeps;
        longestSleep = std::max(longestSleep, duration);
    }
    Clock::duration since(Clock::time_point then) const { return m_now - then; }

    int sleeps = 0;
    Clock::duration longestSleep{};

private:
    Clock::time_point m_now{std::chrono::hours(1)};
};

// A browser's clock: the display says when it has taken a frame, every
// interval, and the program's events run while it sleeps.
class DisplayClock : public ManualClock {
public:
    explicit DisplayClock(Clock::duration interval) : m_interval(interval) { }
    std::int64_t displayFrames() override { return since(m_start) / m_interval; }
    void awaitDisplayFrame(Clock::time_point notAfter) override
    {
        ++waits;
        sleepFor((hidden ? notAfter : std::min(nextDisplayFrame(), notAfter)) - now());
    }
    Clock::time_point nextDisplayFrame() override
    {
        return hidden ? now() : m_start + (displayFrames() + 1) * m_interval;
    }
    Clock::duration idleSlice() override { return std::chrono::hours(1); }

    int waits = 0;
    // A page the browser does not show takes no frames: the latest was long
    // ago, and a wait for the next lasts as long as it may.
    bool hidden = false;

private:
    Clock::duration m_interval;
    Clock::time_point m_start = now();
};

} // namespace brovaci::testing
