// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The browser (WebAssembly) only: the one file of the drawing library that
// calls the page's JavaScript.
//
// A page has one thread, and the browser shows nothing and handles nothing
// while the program holds it. So a sleep gives the thread back to the browser
// (asyncify suspends the program and resumes it from a timer), and the
// browser paints, runs Qt's events and delivers input meanwhile. A timer set
// from a timer's callback is held to at least 4 ms by the browser once such
// calls nest five deep; every sleep resumes through a message instead, so
// that a pause of one pass lasts one pass.
//
// The browser draws the page at its animation frames. Those that follow a
// paint of the program's are counted: the count goes up once such a frame
// has been drawn, so a frame the presenter has had painted is on screen once
// the count has moved on. Between paints the page asks for no frames, and
// the browser can rest.
#include "surface/frameclock.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace brovaci {

namespace detail {

namespace {

// clang-format off
EM_ASYNC_JS(void, brovaciSleep, (double milliseconds), {
    await new Promise(resume => setTimeout(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => resume();
        channel.port2.postMessage(0);
    }, milliseconds));
});

// A frame is counted after it has been drawn: the animation-frame callback
// sends a message, which the browser handles once that frame is painted,
// after Qt's own callback of the same frame has drawn the window. Reading the
// count asks for the next frame to be counted. Each frame's start is kept, on
// the program's clock (performance.now), with the shortest interval seen
// between two: the browser starts its frames at the display's refresh, so
// that is the refresh interval once two frames in a row have been counted,
// and never more than a 60 Hz display's until then.
EM_JS(void, brovaciSetUpFrames, (), {
    const frames = Module.brovaciFrames = { count: 0, requested: false, waiting: [], at: 0, interval: 1000 / 60 };
    const channel = new MessageChannel();
    frames.request = () => {
        if (frames.requested)
            return;
        frames.requested = true;
        requestAnimationFrame(time => {
            if (frames.at > 0 && time - frames.at >= 2)
                frames.interval = Math.min(frames.interval, time - frames.at);
            frames.at = time;
            channel.port2.postMessage(0);
        });
    };
    channel.port1.onmessage = () => {
        frames.requested = false;
        frames.count++;
        const waiting = frames.waiting;
        frames.waiting = [];
        waiting.forEach(resume => resume());
    };
});

EM_JS(double, brovaciFrameCount, (), {
    Module.brovaciFrames.request();
    return Module.brovaciFrames.count;
});

// The next frame, or the limit in milliseconds if that comes first (none
// where it is below zero).
EM_ASYNC_JS(void, brovaciNextFrame, (double limit), {
    await new Promise(resume => {
        const timer = limit >= 0 ? setTimeout(resume, limit) : 0;
        Module.brovaciFrames.waiting.push(() => {
            clearTimeout(timer);
            resume();
        });
        Module.brovaciFrames.request();
    });
});

// Milliseconds from now to the next frame, as far as the latest frame and
// the interval tell (below zero where that is past); Infinity before the first.
EM_JS(double, brovaciToNextFrame, (), {
    const frames = Module.brovaciFrames;
    return frames.at > 0 ? frames.at + frames.interval - performance.now() : Infinity;
});

// clang-format on

void setUpFrames()
{
    static const bool once = (brovaciSetUpFrames(), true);
    (void)once;
}

} // namespace

void platformSleep(Clock::duration duration)
{
    brovaciSleep(std::chrono::duration<double, std::milli>(duration).count());
}

// The browser's timers are as fine as they get.
bool raiseTimerResolution()
{
    return false;
}
void restoreTimerResolution() { }

std::int64_t displayFrames()
{
    setUpFrames();
    return static_cast<std::int64_t>(brovaciFrameCount());
}

void awaitDisplayFrame(Clock::duration limit)
{
    setUpFrames();
    brovaciNextFrame(limit == Clock::duration::max()
                         ? -1.0
                         : std::max(0.0, std::chrono::duration<double, std::milli>(limit).count()));
}

Clock::duration toNextDisplayFrame()
{
    setUpFrames();
    const double milliseconds = brovaciToNextFrame();
    if (!std::isfinite(milliseconds))
        return Clock::duration::max();
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(milliseconds));
}

// The browser runs Qt's events while the program sleeps: a pause need not
// wake to process them.
Clock::duration idleSlice()
{
    return std::chrono::hours(1);
}

} // namespace detail

} // namespace brovaci
