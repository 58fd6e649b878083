// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout.h"

#include <algorithm>

namespace brovaci {

QRectF placeAround(QPointF reference, const StartupPlace &place)
{
    return place.around.translated(reference);
}

QRect wholePixels(const QRectF &rect)
{
    return {qRound(rect.x()), qRound(rect.y()), qRound(rect.width()), qRound(rect.height())};
}

QSizeF neededScreen(const QList<QRectF> &placesAround)
{
    qreal x = 0, y = 0;
    for (const QRectF &r : placesAround) {
        x = std::max({x, -r.left(), r.right()});
        y = std::max({y, -r.top(), r.bottom()});
    }
    return {2 * x, 2 * y};
}

qreal fitScale(QSizeF page, QSizeF needed)
{
    if (!(page.width() > 0 && page.height() > 0) || needed.isEmpty())
        return 1;
    return std::min({qreal(1), page.width() / needed.width(), page.height() / needed.height()});
}

QString hintCaption()
{
    return QStringLiteral("Immetti nella casella bianca un numero che sia una frazione o un multiplo "
                          "di 100 esempio 20,40,80,25,50, 75,120,150, 200, etc");
}

} // namespace brovaci
