// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of one picture box, kept in a QImage at the device pixel ratio.
// Everything a scene draws lands here; the widget only copies it to the screen.
// Pen: 3 logical pixels, no antialiasing, so every colour lands byte for byte.
#pragma once

#include "surface/surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
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
    void PSet(float x, float y, Colour colour);
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    void Circle(float x, float y, float radius, float aspect, Colour colour);
    void Print(const QString &text);

    void setForeColor(Colour colour) { m_foreColour = colour; }
    void setFont(const QFont &font) { m_font = font; }
    void setFontSize(int points) { m_font.setPointSize(points); }

    static constexpr int PenWidth = 3;

private:
    void rebuild();
    // Lines, ellipses and text share one painter while they follow one
    // another; it is ended before pixels are written directly or read.
    QPainter &painter(Colour colour);
    void endPainting() const { m_painter.reset(); }

    QSize m_size;
    qreal m_ratio = 1.0;
    Colour m_backColour;
    Colour m_foreColour = Black;
    QFont m_font;
    QPointF m_textPosition;
    QImage m_image;
    mutable std::unique_ptr<QPainter> m_painter;
};

} // namespace brovaci
