// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of one picture box, kept in a QImage at the device pixel ratio.
// Everything a scene draws lands here; the widget only copies it to the screen.
// Pen: 3 logical pixels, no antialiasing, so every colour lands byte for byte.
//
// Any finite coordinate is safe, however far outside the picture: a shape
// lands where it should or leaves no mark. Shapes near the picture are drawn
// by QPainter as they are; one that reaches far beyond it is cut, in double
// precision, to the part near the picture before anything is converted to
// whole pixels or handed to the rasterizer, whose fixed-point range it would
// overrun. Values that are not finite draw nothing.
//
// The canvas also keeps the part of the picture that changed since it was
// last asked, so that only that part needs to reach the screen.
#pragma once

#include "surface/surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <memory>

namespace brovaci {

class Canvas {
public:
    explicit Canvas(Colour backColour = Black, qreal devicePixelRatio = 1.0);

    // Logical size of the drawing area. The picture is kept where it still fits.
    void resize(QSize logicalSize);
    void setDevicePixelRatio(qreal ratio);
    QSize size() const { return m_size; }
    // The picture as drawn so far.
    const QImage &image() const
    {
        endPainting();
        return m_image;
    }

    void Cls();
    void PSet(double x, double y, Colour colour);
    void Line(double x1, double y1, double x2, double y2, Colour colour);
    void Circle(double x, double y, double radius, double aspect, Colour colour);
    void Print(const QString &text);

    void setForeColor(Colour colour) { m_foreColour = colour; }
    void setFont(const QFont &font) { m_font = font; }
    void setFontSize(int points) { m_font.setPointSize(points); }

    // The part of the drawing area, in logical pixels, whose pixels may have
    // changed since the last call; empty if none did.
    QRect takeChanged();

    static constexpr int PenWidth = 3;

private:
    void rebuild();
    // Lines, ellipses and text share one painter while they follow one
    // another; it is ended before pixels are written directly or read.
    QPainter &painter(Colour colour);
    void endPainting() const { m_painter.reset(); }
    // The drawing area widened by a margin wider than the pen, in logical pixels.
    QRectF reach() const;
    void drawSegment(double x1, double y1, double x2, double y2, Colour colour);
    void sampleEllipse(double cx, double cy, double rx, double ry, Colour colour);
    // A rectangle, in logical pixels, that drawing has just touched.
    void touched(const QRectF &area);

    QSize m_size;
    qreal m_ratio = 1.0;
    Colour m_backColour;
    Colour m_foreColour = Black;
    QFont m_font;
    QPointF m_textPosition;
    QImage m_image;
    QRect m_inked;   // everything drawn since the last clear
    QRect m_changed; // everything changed since the last takeChanged()
    mutable std::unique_ptr<QPainter> m_painter;
    QRgb m_penRgb = 0; // the colour of the painter's pen, while there is a painter
};

} // namespace brovaci
