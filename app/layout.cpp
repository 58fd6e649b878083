// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout.h"

namespace brovaci {

QRectF placeAround(QPointF reference, const StartupPlace &place)
{
    return place.around.translated(reference);
}

QRect wholePixels(const QRectF &rect)
{
    return {qRound(rect.x()), qRound(rect.y()), qRound(rect.width()), qRound(rect.height())};
}

QString hintCaption()
{
    return QStringLiteral("Immetti nella casella bianca un numero che sia una frazione o un multiplo "
                          "di 100 esempio 20,40,80,25,50, 75,120,150, 200, etc");
}

} // namespace brovaci
