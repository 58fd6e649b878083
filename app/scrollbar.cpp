// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scrollbar.h"

#include "display/focusframe.h"

#include <QPainter>

namespace brovaci {

void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    QPainter painter(this);
    drawFocusFrame(*this, painter, rect());
}

} // namespace brovaci
