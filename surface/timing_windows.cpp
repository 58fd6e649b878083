// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows only: the one file of the drawing library that calls Win32.
//
// Windows wakes a sleeping thread at its timer tick, about 15.6 ms by
// default, so a 1 ms sleep lasts a whole tick and every pause of a film would
// stretch to the next one. While a scene runs the tick is raised to 1 ms
// (timeBeginPeriod), and a sleep uses a high-resolution waitable timer where
// the system has one (Windows 10 1803 and later), which wakes within about
// half a millisecond whatever the tick. What is left of a sleep below the
// timer's reach is given away a slice at a time rather than overslept.
#include "surface/frameclock.h"

#include <windows.h>
#include <timeapi.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace brovaci {

namespace detail {

namespace {

// One timer for the UI thread, the only one that sleeps; null where the
// system has no high-resolution timers.
HANDLE highResolutionTimer()
{
    static const HANDLE timer =
        CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    return timer;
}

} // namespace

void platformSleep(Clock::duration duration)
{
    using namespace std::chrono;
    if (duration <= Clock::duration::zero())
        return;
    const auto until = Clock::now() + duration;
    if (const HANDLE timer = highResolutionTimer()) {
        LARGE_INTEGER due;
        due.QuadPart =
            -static_cast<LONGLONG>(duration_cast<nanoseconds>(duration).count() / 100); // relative, in 100 ns
        if (due.QuadPart < 0 && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
            WaitForSingleObject(timer, INFINITE);
            return;
        }
    }
    // Whole milliseconds at the raised tick, the rest a slice at a time.
    const auto whole = duration_cast<milliseconds>(duration);
    if (whole.count() >= 2)
        Sleep(static_cast<DWORD>(whole.count() - 1));
    while (Clock::now() < until)
        if (!SwitchToThread())
            Sleep(0);
}

bool raiseTimerResolution()
{
    return timeBeginPeriod(1) == TIMERR_NOERROR;
}

void restoreTimerResolution()
{
    timeEndPeriod(1);
}

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
