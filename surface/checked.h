// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time failures of a scene. A failed conversion of the period text or an
// arithmetic overflow throws; the curve scenes catch it and show the notice.
// No value that is not finite ever reaches a drawing call.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace brovaci {

class RunTimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Overflow : public RunTimeFailure {
public:
    Overflow() : RunTimeFailure("arithmetic overflow") { }
};

// Rounds a computed coordinate to single precision for a drawing call. A
// value that is not finite, or that single precision cannot hold, is an overflow.
inline float single(double value)
{
    const auto rounded = static_cast<float>(value);
    if (!std::isfinite(rounded))
        throw Overflow();
    return rounded;
}

// A product of two 16-bit signed numbers, checked against the 16-bit range.
inline std::int16_t multiply16(std::int16_t a, std::int16_t b)
{
    const std::int32_t product = std::int32_t(a) * std::int32_t(b);
    if (product > std::numeric_limits<std::int16_t>::max() || product < std::numeric_limits<std::int16_t>::min())
        throw Overflow();
    return static_cast<std::int16_t>(product);
}

} // namespace brovaci
