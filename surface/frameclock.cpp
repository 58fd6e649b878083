// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/frameclock.h"

#include <algorithm>

namespace brovaci {

namespace detail {
// In the platform's own file.
void platformSleep(Clock::duration duration);
bool raiseTimerResolution();
void restoreTimerResolution();
std::int64_t displayFrames();
void awaitDisplayFrame(Clock::duration limit);
Clock::duration sinceDisplayFrame();
Clock::duration displayInterval();
Clock::duration idleSlice();
} // namespace detail

namespace {

class SteadyClock : public FrameClock {
public:
    Clock::time_point now() override { return Clock::now(); }
    void sleepFor(Clock::duration duration) override
    {
        if (duration > Clock::duration::zero())
            detail::platformSleep(duration);
    }
    std::int64_t displayFrames() override { return detail::displayFrames(); }
    void awaitDisplayFrame(Clock::time_point notAfter) override
    {
        detail::awaitDisplayFrame(notAfter == Clock::time_point::max() ? Clock::duration::max() : notAfter - now());
    }
    Clock::time_point nextDisplayFrame() override
    {
        const Clock::duration interval = detail::displayInterval();
        if (interval <= Clock::duration::zero())
            return Clock::time_point::max();
        const auto at = now();
        return std::max(at, at - detail::sinceDisplayFrame() + interval);
    }
    Clock::duration idleSlice() override { return detail::idleSlice(); }
};

int fineTimers = 0;

} // namespace

FrameClock &steadyClock()
{
    static SteadyClock clock;
    return clock;
}

FineTimer::FineTimer()
{
    if (fineTimers++ == 0)
        m_raised = detail::raiseTimerResolution();
}

FineTimer::~FineTimer()
{
    if (--fineTimers == 0 && m_raised)
        detail::restoreTimerResolution();
}

int FineTimer::active()
{
    return fineTimers;
}

} // namespace brovaci
