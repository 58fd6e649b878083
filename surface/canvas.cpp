// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/canvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace brovaci {

namespace {

// Shapes whose every coordinate lies within this distance of the origin go
// to QPainter as they are. Its rasterizer works in 26.6 fixed point, safe to
// about 33 million pixels; this leaves it a wide berth.
constexpr double SafeExtent = 32768;
// How far outside the drawing area a cut shape still reaches: more than the
// pen, so that a cut end never shows.
constexpr double Margin = Canvas::PenWidth + 2;
// The step, in pixels, at which a cut ellipse is followed.
constexpr double SampleStep = 0.5;

bool near(double v)
{
    return std::fabs(v) <= SafeExtent; // false for NaN as well
}

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Cuts the segment from (x1, y1) to (x2, y2) to the rectangle (Liang and
// Barsky); false if no part of it lies inside. Differences are taken in
// halves, so that no finite ends overflow. A cut end lies exactly on the edge
// that cut it; its other coordinate is worked out from the end it replaces.
bool clipSegment(double &x1, double &y1, double &x2, double &y2, const QRectF &r)
{
    const double hx = x2 * 0.5 - x1 * 0.5;
    const double hy = y2 * 0.5 - y1 * 0.5;
    double t0 = 0, t1 = 1;
    double edge0 = 0, edge1 = 0;
    int axis0 = -1, axis1 = -1; // 0: cut by a vertical edge, 1: by a horizontal one
    // The part of the segment where p * t <= q, against an edge at `at`.
    const auto keep = [&](double p, double q, int axis, double at) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1)
                return false;
            if (t > t0) {
                t0 = t;
                axis0 = axis;
                edge0 = at;
            }
        } else {
            if (t < t0)
                return false;
            if (t < t1) {
                t1 = t;
                axis1 = axis;
                edge1 = at;
            }
        }
        return true;
    };
    if (!keep(-hx, x1 * 0.5 - r.left() * 0.5, 0, r.left()) || !keep(hx, r.right() * 0.5 - x1 * 0.5, 0, r.right())
        || !keep(-hy, y1 * 0.5 - r.top() * 0.5, 1, r.top()) || !keep(hy, r.bottom() * 0.5 - y1 * 0.5, 1, r.bottom()))
        return false;
    const double ax = axis0 == 0 ? edge0 : axis0 < 0 ? x1 : x1 + 2 * (hx * t0);
    const double ay = axis0 == 1 ? edge0 : axis0 < 0 ? y1 : y1 + 2 * (hy * t0);
    const double bx = axis1 == 0 ? edge1 : axis1 < 0 ? x2 : x2 - 2 * (hx * (1 - t1));
    const double by = axis1 == 1 ? edge1 : axis1 < 0 ? y2 : y2 - 2 * (hy * (1 - t1));
    // Rounding may leave a worked-out coordinate a hair outside; the margin holds it.
    x1 = std::clamp(ax, r.left(), r.right());
    y1 = std::clamp(ay, r.top(), r.bottom());
    x2 = std::clamp(bx, r.left(), r.right());
    y2 = std::clamp(by, r.top(), r.bottom());
    return true;
}

} // namespace

Canvas::Canvas(Colour backColour, qreal devicePixelRatio) : m_ratio(devicePixelRatio), m_backColour(backColour)
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
    const QRgb rgb = toRgb(colour);
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setBrush(Qt::NoBrush);
    } else if (rgb == m_penRgb) {
        return *m_painter; // a film draws many lines in one colour
    }
    m_penRgb = rgb;
    QPen pen(QColor::fromRgb(rgb));
    pen.setWidthF(PenWidth);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
    return *m_painter;
}

void Canvas::rebuild()
{
    endPainting();
    const QSize device(std::max(1, qRound(m_size.width() * m_ratio)), std::max(1, qRound(m_size.height() * m_ratio)));
    QImage fresh(device, QImage::Format_RGB32);
    fresh.fill(toRgb(m_backColour));
    fresh.setDevicePixelRatio(m_ratio);
    // The picture so far, pixel for pixel; at another ratio, scaled to it
    // (a film draws its next frame at the new ratio).
    if (!m_image.isNull()) {
        QPainter painter(&fresh);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = fresh;
    m_inked = m_changed = QRect(QPoint(0, 0), m_size);
}

QRectF Canvas::reach() const
{
    return QRectF(-Margin, -Margin, m_size.width() + 2 * Margin, m_size.height() + 2 * Margin);
}

void Canvas::touched(const QRectF &area)
{
    // The whole pixels the area reaches into, kept within the picture in
    // double before they become integers.
    const double width = m_size.width(), height = m_size.height();
    const int left = int(std::clamp(std::floor(area.left()), 0.0, width));
    const int top = int(std::clamp(std::floor(area.top()), 0.0, height));
    const int right = int(std::clamp(std::ceil(area.right()), 0.0, width));
    const int bottom = int(std::clamp(std::ceil(area.bottom()), 0.0, height));
    if (left >= right || top >= bottom)
        return;
    const QRect whole(left, top, right - left, bottom - top);
    m_inked |= whole;
    m_changed |= whole;
}

QRect Canvas::takeChanged()
{
    return std::exchange(m_changed, QRect());
}

void Canvas::Cls()
{
    m_textPosition = QPointF(0, 0);
    if (m_inked.isEmpty())
        return; // nothing drawn since the last clear
    // Only what was drawn on needs its back colour again. A film clears and
    // draws lines every frame: its painter stays, and clears with them.
    if (m_painter && m_ratio == 1.0) {
        m_painter->fillRect(m_inked, QColor::fromRgb(toRgb(m_backColour)));
        m_changed |= m_inked;
        m_inked = QRect();
        return;
    }
    endPainting();
    const QRect device = QRectF(QRectF(m_inked).topLeft() * m_ratio, QRectF(m_inked).size() * m_ratio)
                             .toAlignedRect()
                             .intersected(m_image.rect());
    const QRgb back = toRgb(m_backColour);
    for (int row = device.top(); row <= device.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + device.left(), line + device.left() + device.width(), back);
    }
    m_changed |= m_inked;
    m_inked = QRect();
}

void Canvas::PSet(double x, double y, Colour colour)
{
    // The dot covers the pixel that holds (x, y) and its eight neighbours.
    // Its edges are kept within the picture in double precision before they
    // become whole pixels, so no coordinate can wrap round.
    if (!(std::isfinite(x) && std::isfinite(y)))
        return;
    endPainting();
    const double px = std::floor(x);
    const double py = std::floor(y);
    const double half = (PenWidth - 1) / 2.0;
    const double width = m_image.width(), height = m_image.height();
    const auto edge = [](double v, double limit) { return int(std::lround(std::clamp(v, 0.0, limit))); };
    const int left = edge((px - half) * m_ratio, width);
    const int right = edge((px + half + 1) * m_ratio, width);
    const int top = edge((py - half) * m_ratio, height);
    const int bottom = edge((py + half + 1) * m_ratio, height);
    if (left >= right || top >= bottom)
        return;
    const QRgb rgb = toRgb(colour);
    for (int row = top; row < bottom; ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + left, line + right, rgb);
    }
    const QRect dot =
        m_ratio == 1.0
            ? QRect(left, top, right - left, bottom - top)
            : QRectF(left / m_ratio, top / m_ratio, (right - left) / m_ratio, (bottom - top) / m_ratio).toAlignedRect();
    m_inked |= dot;
    m_changed |= dot;
}

void Canvas::Line(double x1, double y1, double x2, double y2, Colour colour)
{
    drawSegment(x1, y1, x2, y2, colour);
}

void Canvas::drawSegment(double x1, double y1, double x2, double y2, Colour colour)
{
    if (!finite({x1, y1, x2, y2}))
        return;
    // Near ends go to QPainter as they are; far ones are cut to reach() first.
    const bool nearEnds = near(x1) && near(y1) && near(x2) && near(y2);
    if (!nearEnds && !clipSegment(x1, y1, x2, y2, reach()))
        return;
    painter(colour).drawLine(QLineF(x1, y1, x2, y2));
    touched(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-PenWidth, -PenWidth, PenWidth, PenWidth));
}

void Canvas::Circle(double x, double y, double radius, double aspect, Colour colour)
{
    const double q = std::fabs(aspect);
    const double r = std::fabs(radius);
    if (!finite({x, y, r, q}))
        return;
    const double rx = q <= 1.0 ? r : r / q;
    const double ry = q <= 1.0 ? r * q : r;
    if (near(x - rx) && near(x + rx) && near(y - ry) && near(y + ry)) {
        painter(colour).drawEllipse(QPointF(x, y), rx, ry);
        touched(QRectF(x - rx, y - ry, 2 * rx, 2 * ry).adjusted(-PenWidth, -PenWidth, PenWidth, PenWidth));
        return;
    }
    sampleEllipse(x, y, rx, ry, colour);
}

// An ellipse reaching far beyond the picture: only the part of its outline
// near the picture is drawn, followed in short segments. Where the outline
// is flat it is followed along x, where steep along y; each half of the
// outline is worked out from the distances to its ends, which keeps its
// precision when the ellipse is huge and only a sliver of it shows.
void Canvas::sampleEllipse(double cx, double cy, double rx, double ry, Colour colour)
{
    const QRectF area = reach();
    if (cx - rx > area.right() || cx + rx < area.left() || cy - ry > area.bottom() || cy + ry < area.top())
        return; // its box misses the picture
    // A point at normalised radius rho lies at least (1 - rho) * min(rx, ry)
    // from the outline. If every corner of the picture lies deep inside,
    // so does all of it (the ellipse is convex): the outline passes around.
    const double shortest = std::min(rx, ry);
    if (shortest > Margin) {
        const double deep = 1 - Margin / shortest;
        const auto inside = [&](double px, double py) {
            const double u = (px - cx) / rx, v = (py - cy) / ry;
            return std::hypot(u, v) < deep;
        };
        if (inside(area.left(), area.top()) && inside(area.right(), area.top()) && inside(area.left(), area.bottom())
            && inside(area.right(), area.bottom()))
            return;
    }
    // The half-width of the ellipse at distances a and b from its two ends
    // along an axis of half-length r, as a fraction of the other half-axis.
    const auto across = [](double a, double b, double r) {
        return std::sqrt(std::max(0.0, a / r)) * std::sqrt(std::max(0.0, b / r));
    };
    // Follows one axis from `from` to `to`; point() gives the two halves'
    // points at each step, and a step is drawn where the outline moves
    // across no more than 4 times as far as along.
    const auto follow = [&](bool alongX, double from, double to, auto point) {
        if (!(from <= to))
            return;
        const int steps = int(std::ceil((to - from) / SampleStep));
        double lastX[2] = {}, lastY[2] = {};
        for (int k = 0; k <= steps; ++k) {
            const double s = k == steps ? to : from + k * SampleStep;
            double xs[2], ys[2];
            point(s, xs, ys);
            if (k > 0)
                for (int half = 0; half < 2; ++half) {
                    const double moved = alongX ? ys[half] - lastY[half] : xs[half] - lastX[half];
                    if (std::fabs(moved) <= 4 * SampleStep)
                        drawSegment(lastX[half], lastY[half], xs[half], ys[half], colour);
                }
            std::copy(xs, xs + 2, lastX);
            std::copy(ys, ys + 2, lastY);
        }
    };
    const double rxSafe = std::max(rx, std::numeric_limits<double>::min());
    const double rySafe = std::max(ry, std::numeric_limits<double>::min());
    // Along x: the upper and the lower half.
    follow(true, std::max(area.left(), cx - rx), std::min(area.right(), cx + rx),
           [&](double px, double *xs, double *ys) {
               const double h = across((px - cx) + rx, rx - (px - cx), rxSafe) * ry;
               xs[0] = xs[1] = px;
               ys[0] = cy - h;
               ys[1] = cy + h;
           });
    // Along y: the left and the right half.
    follow(false, std::max(area.top(), cy - ry), std::min(area.bottom(), cy + ry),
           [&](double py, double *xs, double *ys) {
               const double w = across((py - cy) + ry, ry - (py - cy), rySafe) * rx;
               ys[0] = ys[1] = py;
               xs[0] = cx - w;
               xs[1] = cx + w;
           });
}

void Canvas::Print(const QString &text)
{
    QFontMetricsF metrics(m_font, &m_image);
    if (!text.isEmpty()) {
        QPainter &p = painter(m_foreColour);
        p.setFont(m_font);
        p.drawText(QPointF(m_textPosition.x(), m_textPosition.y() + metrics.ascent()), text);
        touched(QRectF(QPointF(0, 0), QSizeF(m_size))); // glyphs may overhang their line: all of it
    }
    m_textPosition = QPointF(0, m_textPosition.y() + metrics.lineSpacing());
}

} // namespace brovaci
