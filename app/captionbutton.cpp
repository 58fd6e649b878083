// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/captionbutton.h"

#include "display/focusframe.h"
#include "scenes/scenes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointingDevice>
#include <QStyleHints>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <utility>

namespace brovaci {

namespace {

constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

QRect captionRect(const QPushButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

bool fits(const QFont &font, const QRect &area, const QString &text)
{
    const QFontMetrics metrics(font);
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(word) > area.width())
            return false;
    return metrics.boundingRect(area, CaptionFlags, text).height() <= area.height();
}

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return scenes::LeftButton;
    case Qt::RightButton: return scenes::RightButton;
    case Qt::MiddleButton: return scenes::MiddleButton;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

QFont CaptionButton::captionFont() const
{
    QFont f = font();
    const QRect area = captionRect(*this);
    while (!fits(f, area, text()) && f.pointSizeF() > 5.0)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    // The focus is drawn below, the same on every button: a style sheet's
    // face, like CHIUDI's, would not show it.
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);
    drawFocusFrame(*this, painter, style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this));
    painter.setFont(captionFont());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(*this), CaptionFlags, caption);
}

void CaptionButton::mousePressEvent(QMouseEvent *event)
{
    // A finger comes as a press of the left button, which Qt makes of it.
    m_touch.reset();
    if (event->button() == Qt::LeftButton && event->pointingDevice()
        && event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen)
        m_touch = Touch{event->timestamp(), event->position()};
    if (const int button = buttonCode(event->button()))
        emit mouseDown(button, shiftCode(event->modifiers()), float(event->position().x()),
                       float(event->position().y()));
    QPushButton::mousePressEvent(event);
}

void CaptionButton::mouseReleaseEvent(QMouseEvent *event)
{
    const std::optional<Touch> touch = std::exchange(m_touch, std::nullopt);
    const bool still =
        touch
        && (event->position() - touch->position).manhattanLength() < QGuiApplication::styleHints()->startDragDistance();
    if (m_longPressIsRightButton && event->button() == Qt::LeftButton && still
        && event->timestamp() >= touch->timestamp + LongPressMilliseconds) {
        setDown(false); // the finger's left press is undone: no click
        event->accept();
        emit mouseDown(scenes::RightButton, shiftCode(event->modifiers()), float(touch->position.x()),
                       float(touch->position.y()));
        return;
    }
    QPushButton::mouseReleaseEvent(event);
}

void CaptionButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        if (!event->isAutoRepeat()) // held down, it clicks once, as Space does
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace brovaci
