// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Words that a screen reader says at once, without the focus moving: the
// notice drawn in a picture box, for those who cannot see it. On Qt 6.8 and
// later through Qt's announcement; in a web page also through the page's live
// region (index.html), which takes the words whatever Qt passes on. Empty
// words clear the page's region, so that the next notice is heard again.
#pragma once

#include <QString>

class QObject;

namespace brovaci {

void announce(QObject *source, const QString &words);

} // namespace brovaci
