// Where start-up puts the controls: around the reference point taken from the
// screen size in twips, X = W / 2 / 15 and Y = H / 2 / 15 (15 twips a pixel,
// whatever the display's real density). Steps in the order they are applied.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QList>

namespace brovaci {

struct LayoutStep {
    QString control;
    QRectF rect;            // in the window's pixels
    bool setsHeight = true; // the label's height follows its wrapped caption
    bool makesVisible = false;
};

QPointF referencePoint(QSizeF screenTwips);
QList<LayoutStep> startupLayout(QSizeF screenTwips);

// The hint caption of the label under the curve box.
QString hintCaption();

} // namespace brovaci
