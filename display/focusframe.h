// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard focus drawn as the platform style draws it, for widgets whose
// own painting shows none. The style decides when: the common styles show
// it only once the keyboard has been used in the window.
#pragma once

class QPainter;
class QRect;
class QWidget;

namespace brovaci {

void drawFocusFrame(const QWidget &widget, QPainter &painter, const QRect &around);

} // namespace brovaci
