// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A scroll bar that shows when it has the keyboard focus, as the platform
// style shows focus on the other controls; the common styles draw none on
// scroll bars.
#pragma once

#include <QScrollBar>

namespace brovaci {

class ScrollBar : public QScrollBar {
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace brovaci
