// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Pacing of the films. IdlePause holds the UI thread for n passes of a fixed
// length on a monotonic clock, showing the frame drawn so far first and
// processing non-input events while it waits. One pass is 31.75 microseconds:
// the board of the double pendulum then swings 63 frames x 500 passes in one
// second, the 100 hundredths the help texts give the lower pendulum.
// Each pass stands for one empty text line printed on the main window; the
// text position is kept as a counter and never reset.
#pragma once

#include "surface/frameclock.h"

#include <chrono>
#include <cstdint>

namespace brovaci {

// Thrown out of a frame boundary when the program is ending under a running
// scene (its window is gone): the scene stops where it stands. It is not a
// run-time failure of the scene, so no scene catches it.
struct SceneAbandoned { };

// Where a pause sends the frame drawn so far, and how it waits. Both may
// throw SceneAbandoned.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Shows every picture drawn since the last frame and returns once painted.
    virtual void present() = 0;
    // Processes pending non-input events, then sleeps a little, never past
    // until. True once the pause that ends at until is over: until has come,
    // or what is drawn next cannot reach the screen before it anyway.
    virtual bool idle(Clock::time_point until) = 0;
};

class Pacer {
public:
    static constexpr std::chrono::nanoseconds DefaultPass{31750};

    explicit Pacer(FrameSink *sink = nullptr, std::chrono::nanoseconds pass = DefaultPass,
                   FrameClock &clock = steadyClock())
        : m_sink(sink), m_pass(pass), m_clock(clock)
    { }

    // n passes from 1 to n; a count below 1 gives no pass and returns at once.
    void IdlePause(std::int16_t count);

    // The main window's text position, in lines: one per pass, never reset.
    std::int64_t textLine() const { return m_textLine; }

private:
    FrameSink *m_sink = nullptr;
    std::chrono::nanoseconds m_pass = DefaultPass;
    FrameClock &m_clock;
    std::int64_t m_textLine = 0;
};

// The count of the speed limiter for the scroll value v: 8 * v in 16-bit
// signed arithmetic. A value or product beyond 16 bits is an overflow.
std::int16_t speedLimiterCount(int scrollValue);

} // namespace brovaci
