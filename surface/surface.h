// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing target the scenes paint on: a picture box seen as an
// immediate-mode surface, in pixels from the top-left corner of its drawing
// area, y downwards. Colours are 0x00BBGGRR values, used byte for byte.
#pragma once

#include "surface/colour.h"

#include <QString>

namespace brovaci {

class Surface {
public:
    virtual ~Surface() = default;

    // Fills the drawing area with the back colour; the text position goes to (0, 0).
    virtual void Cls() = 0;
    // A 3-pixel dot centred on (x, y).
    virtual void PSet(float x, float y, Colour colour) = 0;
    virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // The whole outline of an ellipse. aspect is height / width: up to 1 the
    // radius is the horizontal half-axis, above 1 the vertical one. A negative
    // aspect is drawn with its absolute value.
    virtual void Circle(float x, float y, float radius, float aspect, Colour colour) = 0;
    // Text at the text position in the fore colour, then a line break.
    virtual void Print(const QString &text) = 0;
    // Says in words what the picture shows, for those who cannot see it; a
    // screen reader hears it when it changes. Cls() takes it away.
    virtual void Describe(const QString &words) { (void)words; }

    virtual void setForeColor(Colour colour) = 0;
    virtual void setFontSize(int points) = 0;

    // The picture box as a control of the window.
    virtual void setVisible(bool visible) = 0;
    virtual void setLeft(double left) = 0;
    virtual void setWidth(double width) = 0;
};

} // namespace brovaci
