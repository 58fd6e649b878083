// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout.h"

namespace brovaci {

QSizeF twipsOf(QSize logicalPixels, double logicalDpi)
{
    if (!(logicalDpi > 0))
        logicalDpi = 96;
    return {logicalPixels.width() * 1440.0 / logicalDpi, logicalPixels.height() * 1440.0 / logicalDpi};
}

QPointF referencePoint(QSizeF screenTwips)
{
    return {screenTwips.width() / 2 / 15, screenTwips.height() / 2 / 15};
}

QList<LayoutStep> startupLayout(QSizeF screenTwips)
{
    const QPointF r = referencePoint(screenTwips);
    const auto at = [&r](double dx, double dy, double width, double height) {
        return QRectF(r.x() + dx, r.y() + dy, width, height);
    };
    return {
        {"Picture1", at(10, -290, 250, 140)},
        {"Picture2", at(50, -150, 10, 90), true, true},
        {"Picture3", at(10, -60, 280, 200), true, true},
        {"Cmdpendolo", at(10, 141, 90, 30)},
        {"cmdtarmonica", at(100, 141, 90, 30)},
        {"VScroll1", at(290, 50, 20, 190)},
        {"txtarmonica", at(191, 141, 90, 30)},
        {"lblarmonica", at(10, 173, 271, 0), false},
        {"Txtistru", at(-380, -250, 380, 450)},
        {"Cmdcosafa", at(-380, -280, 190, 30)},
        {"Cmdistruzioni", at(-190, -280, 190, 30)},
        {"cmdmovimento", at(-380, 201, 165, 40)},
        {"Cmddoppio", at(-165, 201, 165, 40)},
        {"Cmdperde", at(10, 213, 271, 30)},
        {"cmdfine", at(-215, 201, 50, 50)},
    };
}

QString hintCaption()
{
    return QStringLiteral("Immetti nella casella bianca un numero che sia una frazione o un multiplo "
                          "di 100 esempio 20,40,80,25,50, 75,120,150, 200, etc");
}

} // namespace brovaci
