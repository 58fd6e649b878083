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

void ShowIncompatibleDataNotice(Surface &picture)
{
    picture.Cls();
    picture.setForeColor(Red);
    picture.setFontSize(14);
    picture.Print(QStringLiteral("Hai immesso dati non compatibili  "));
    picture.Print(QStringLiteral("nella finestrella bianca,"));
    picture.Print(QStringLiteral("cancella e cambiali."));
}

} // namespace brovaci
