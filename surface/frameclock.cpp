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
Clock::duration toNextDisplayFrame(); // duration::max() where unknown
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
        const Clock::duration wait = detail::toNextDisplayFrame();
        return wait == Clock::duration::max() ? Clock::time_point::max()
                                              : now() + std::max(wait, Clock::duration::zero());
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
