// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A command button whose caption wraps at word boundaries inside the button,
// as the captions of the design do in their narrow buttons. Where a single
// word is wider than the button, the caption's font steps down until it fits.
#pragma once

#include <QPushButton>

namespace brovaci {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The font the caption is drawn with at the button's present size.
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace brovaci
