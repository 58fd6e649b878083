// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Colours as the program gives them: 32-bit values read as 0x00BBGGRR, the
// low byte red. A computed colour is used byte for byte, with no clamping.
#pragma once

#include <QRgb>
#include <cstdint>

namespace brovaci {

using Colour = std::uint32_t;

inline constexpr Colour Red = 0x000000FF;
inline constexpr Colour Green = 0x0000FF00;
inline constexpr Colour Blue = 0x00FF0000;
inline constexpr Colour Black = 0x00000000;

// The colour as Qt stores it, opaque; the top byte is ignored.
constexpr QRgb toRgb(Colour colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

constexpr Colour fromRgb(QRgb rgb)
{
    return Colour(qRed(rgb)) | Colour(qGreen(rgb)) << 8 | Colour(qBlue(rgb)) << 16;
}

} // namespace brovaci
