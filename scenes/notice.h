// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The notice a curve scene prints on the curve box when the period text is
// not a number, or the scene overflows: three red lines of 14 points from
// the box's top-left corner.
#pragma once

#include <QStringList>

namespace brovaci {

class Surface;

inline constexpr int NoticeFontSize = 14;

QStringList noticeLines();
// Clears the box and prints the three lines.
void ShowIncompatibleDataNotice(Surface &picture);

} // namespace brovaci
