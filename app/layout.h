// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where start-up puts the controls: around the reference point taken from the
// screen size in twips, X = W / 2 / 15 and Y = H / 2 / 15 (15 twips a pixel,
// whatever the display's real density). Steps in the order they are applied.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QList>

namespace brovaci {

struct LayoutStep {
    QString control;
    QRectF rect;            // in the window's pixels; rounded to whole pixels when placed
    bool setsHeight = true; // the label's height follows its wrapped caption
    bool makesVisible = false;
};

// The screen's size in twips: its logical size times 1440 / its logical dpi.
QSizeF twipsOf(QSize logicalPixels, double logicalDpi);
QPointF referencePoint(QSizeF screenTwips);
QList<LayoutStep> startupLayout(QSizeF screenTwips);

// The hint caption of the label under the curve box.
QString hintCaption();

} // namespace brovaci
