// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The period number typed in the white box, and the notice shown on the
// curve box when it cannot be used.
#pragma once

#include "surface/checked.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace brovaci {

class Surface;

class ConversionFailure : public RunTimeFailure {
public:
    ConversionFailure() : RunTimeFailure("text is not a number") {}
};

// The whole text, blanks around it allowed, as a number in the given locale's
// notation. Empty text, letters, trailing characters, "inf", "nan" and numbers
// beyond the double range throw ConversionFailure.
double ReadPeriodNumber(const QString &text, const QLocale &locale = QLocale::system());

// Clears the box and prints the three red lines, 14 points, from its top-left corner.
void ShowIncompatibleDataNotice(Surface &picture);
QStringList noticeLines();
inline constexpr int NoticeFontSize = 14;

} // namespace brovaci
