// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Twips, the unit the window's design is written in: 1/1440 inch, 15 to a
// pixel. The layout's reference point is taken from the screen size in twips,
// X = W / 2 / 15 and Y = H / 2 / 15, whatever the display's real density.
#pragma once

#include <QPointF>
#include <QSize>
#include <QSizeF>

namespace brovaci {

inline constexpr int TwipsPerPixel = 15;

// The screen's size in twips: its logical size times 1440 / its logical dpi
// (96 where the platform reports none).
inline QSizeF twipsOf(QSize logicalPixels, double logicalDpi)
{
    if (!(logicalDpi > 0))
        logicalDpi = 96;
    return {logicalPixels.width() * 1440.0 / logicalDpi, logicalPixels.height() * 1440.0 / logicalDpi};
}

// Half a screen dimension given in twips, in pixels: one coordinate of the
// reference point.
inline double halfInPixels(double twips)
{
    return twips / 2 / TwipsPerPixel;
}

inline QPointF referencePoint(QSizeF screenTwips)
{
    return {halfInPixels(screenTwips.width()), halfInPixels(screenTwips.height())};
}

} // namespace brovaci
