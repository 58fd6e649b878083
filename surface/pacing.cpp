// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/pacing.h"

#include "surface/checked.h"

#include <limits>

namespace brovaci {

void Pacer::IdlePause(std::int16_t count)
{
    if (count < 1)
        return;
    const auto start = m_clock.now();
    m_textLine += count;
    if (m_sink)
        m_sink->present();
    const auto until = start + m_pass * count;
    if (!m_sink) {
        m_clock.sleepFor(until - m_clock.now());
        return;
    }
    while (m_clock.now() < until)
        if (m_sink->idle(until))
            break;
}

std::int16_t speedLimiterCount(int scrollValue)
{
    if (scrollValue > std::numeric_limits<std::int16_t>::max()
        || scrollValue < std::numeric_limits<std::int16_t>::min())
        throw Overflow();
    return multiply16(8, static_cast<std::int16_t>(scrollValue));
}

} // namespace brovaci
