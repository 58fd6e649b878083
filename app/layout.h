// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where start-up puts a control: an offset from the layout's reference point
// (taken from the screen size, see surface/twips.h) and a size, in the
// window's pixels, applied in a fixed order of steps.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

namespace brovaci {

struct StartupPlace {
    int step = 0;                // start-up applies the places in this order, from 1
    QRectF around;               // left and top from the reference point; width, height
    bool sizedByCaption = false; // the height follows the wrapped caption
    bool shows = false;          // made visible in the same step
};

// The place in the window's pixels, and rounded to whole pixels for the widget.
QRectF placeAround(QPointF reference, const StartupPlace &place);
QRect wholePixels(const QRectF &rect);

// The hint caption of the label under the curve box.
QString hintCaption();

} // namespace brovaci
