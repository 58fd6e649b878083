// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/period.h"

#include "surface/surface.h"

#include <cmath>

namespace brovaci {

double ReadPeriodNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw ConversionFailure();
    return value;
}

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
}

} // namespace brovaci
