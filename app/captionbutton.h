// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A command button whose caption wraps at word boundaries inside the button,
// as the captions of the design do in their narrow buttons. Where a single
// word is wider than the button, the caption's font steps down until it fits.
// Every mouse press over it is reported with the design's button codes, the
// right and middle ones too, which never click a button. Enter and the
// keypad's Enter click it, as Space does. Where asked, a finger held on it
// (a long press) is its right button, and not a click.
#pragma once

#include <QPushButton>

#include <optional>

namespace brovaci {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // How long a finger stays on the button, without moving, for a long press.
    static constexpr int LongPressMilliseconds = 500;
    // A long press is reported as a press of the right button, at the
    // finger's place, when the finger leaves; it does not click.
    void setLongPressIsRightButton(bool on) { m_longPressIsRightButton = on; }

signals:
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // x, y: where, in the button's pixels.
    void mouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_longPressIsRightButton = false;
    // Where and when the finger came down; none for a mouse. Timed by the
    // events' own clock: a press held while a scene runs is replayed later.
    struct Touch {
        quint64 timestamp;
        QPointF position;
    };
    std::optional<Touch> m_touch;

    // The font the caption is drawn with at the button's present size.
    QFont captionFont() const;
};

} // namespace brovaci
