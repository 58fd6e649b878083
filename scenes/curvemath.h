// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces shared by the curve scenes.
#pragma once

#include "surface/surface.h"

#include <cmath>
#include <cstdint>

namespace brovaci::scenes {

// A colour computed in double precision: rounded to the nearest whole number,
// halves to even, and used byte for byte with no clamping.
inline Colour roundedColour(double value)
{
    return static_cast<Colour>(static_cast<std::int64_t>(std::nearbyint(value)));
}

inline const double Sin1 = std::sin(1.0);
inline const double Cos1 = std::cos(1.0);

} // namespace brovaci::scenes
