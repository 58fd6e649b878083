// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/canvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace brovaci {

Canvas::Canvas(Colour backColour, qreal devicePixelRatio)
    : m_ratio(devicePixelRatio), m_backColour(backColour)
{
    rebuild();
}

void Canvas::resize(QSize logicalSize)
{
    if (logicalSize == m_size)
        return;
    m_size = logicalSize;
    rebuild();
}

void Canvas::setDevicePixelRatio(qreal ratio)
{
    if (ratio == m_ratio)
        return;
    m_ratio = ratio;
    rebuild();
}

QPainter &Canvas::painter(Colour colour)
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setBrush(Qt::NoBrush);
    }
    QPen pen(QColor::fromRgb(toRgb(colour)));
    pen.setWidthF(PenWidth);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
    return *m_painter;
}

void Canvas::rebuild()
{
    endPainting();
    const QSize device(std::max(1, qRound(m_size.width() * m_ratio)),
                       std::max(1, qRound(m_size.height() * m_ratio)));
    QImage fresh(device, QImage::Format_RGB32);
    fresh.fill(toRgb(m_backColour));
    fresh.setDevicePixelRatio(m_ratio);
    if (!m_image.isNull() && m_image.devicePixelRatio() == m_ratio) {
        QPainter painter(&fresh);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = fresh;
}

void Canvas::Cls()
{
    endPainting();
    m_image.fill(toRgb(m_backColour));
    m_textPosition = QPointF(0, 0);
}

void Canvas::PSet(float x, float y, Colour colour)
{
    // The dot covers the pixel that holds (x, y) and its eight neighbours.
    if (!(std::isfinite(x) && std::isfinite(y)))
        return;
    endPainting();
    const double px = std::floor(double(x));
    const double py = std::floor(double(y));
    const double half = (PenWidth - 1) / 2.0;
    const int left = std::max(0, int(std::lround((px - half) * m_ratio)));
    const int top = std::max(0, int(std::lround((py - half) * m_ratio)));
    const int right = std::min<double>(m_image.width(), std::lround((px + half + 1) * m_ratio));
    const int bottom = std::min<double>(m_image.height(), std::lround((py + half + 1) * m_ratio));
    if (left >= right || top >= bottom)
        return;
    const QRgb rgb = toRgb(colour);
    for (int row = top; row < bottom; ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + left, line + right, rgb);
    }
}

void Canvas::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    painter(colour).drawLine(QLineF(x1, y1, x2, y2));
}

void Canvas::Circle(float x, float y, float radius, float aspect, Colour colour)
{
    const double q = std::fabs(double(aspect));
    const double r = std::fabs(double(radius));
    const double rx = q <= 1.0 ? r : r / q;
    const double ry = q <= 1.0 ? r * q : r;
    painter(colour).drawEllipse(QPointF(x, y), rx, ry);
}

void Canvas::Print(const QString &text)
{
    QFontMetricsF metrics(m_font, &m_image);
    if (!text.isEmpty()) {
        QPainter &p = painter(m_foreColour);
        p.setFont(m_font);
        p.drawText(QPointF(m_textPosition.x(), m_textPosition.y() + metrics.ascent()), text);
    }
    m_textPosition = QPointF(0, m_textPosition.y() + metrics.lineSpacing());
}

} // namespace brovaci
