// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The period number typed in the white box. Reading it draws nothing: a text
// that is not a number throws, and the scene that asked shows its notice.
#pragma once

#include "surface/checked.h"

#include <QLocale>
#include <QString>

namespace brovaci {

class ConversionFailure : public RunTimeFailure {
public:
    ConversionFailure() : RunTimeFailure("text is not a number") { }
};

// The whole text, blanks around it allowed, as a number in the given locale's
// notation. Empty text, letters, trailing characters, "inf", "nan" and numbers
// beyond the double range throw ConversionFailure.
double ReadPeriodNumber(const QString &text, const QLocale &locale = QLocale::system());

} // namespace brovaci
