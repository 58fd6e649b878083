// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Sleeping on systems whose timers are fine already (Linux, the BSDs,
// macOS): the standard library's sleep lasts what it asks for, to within
// tens of microseconds, and there is no system tick to raise.
#include "surface/frameclock.h"

#include <thread>

namespace brovaci {

namespace detail {

void platformSleep(Clock::duration duration)
{
    std::this_thread::sleep_for(duration);
}

bool raiseTimerResolution()
{
    return false;
}
void restoreTimerResolution() { }

// The display says nothing of its frames here: the presenter holds each
// for the refresh interval.
std::int64_t displayFrames()
{
    return -1;
}
void awaitDisplayFrame(Clock::duration) { }
Clock::duration toNextDisplayFrame()
{
    return Clock::duration::max();
}
Clock::duration idleSlice()
{
    return std::chrono::milliseconds(1);
}

} // namespace detail

} // namespace brovaci
