// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/period.h"

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

} // namespace brovaci
