// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes/notice.h"

#include "surface/surface.h"

namespace brovaci {

QStringList noticeLines()
{
    return {QStringLiteral("Hai immesso dati non compatibili  "), QStringLiteral("nella finestrella bianca,"),
            QStringLiteral("cancella e cambiali.")};
}

void ShowIncompatibleDataNotice(Surface &picture)
{
    picture.Cls();
    picture.setForeColor(Red);
    picture.setFontSize(NoticeFontSize);
    for (const QString &line : noticeLines())
        picture.Print(line);
    picture.Describe(noticeLines().join(QLatin1Char(' ')).simplified());
}

} // namespace brovaci
