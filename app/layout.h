// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where start-up puts a control: an offset from the layout's reference point
// (taken from the screen size, see surface/twips.h) and a size, in the
// window's pixels, applied in a fixed order of steps.
#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
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

// The screen a layout needs, with its reference point at the centre: twice
// the farthest reach of the places from it, each way.
QSizeF neededScreen(const QList<QRectF> &placesAround);
// The scale at which a layout that needs the screen NEEDED fits a page of
// the size PAGE: 1 where it fits as it is; where it does not, the largest
// at which it does.
qreal fitScale(QSizeF page, QSizeF needed);

// The hint caption of the label under the curve box.
QString hintCaption();

} // namespace brovaci
