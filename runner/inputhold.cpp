// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/inputhold.h"

#include <QCoreApplication>
#include <QEvent>

namespace brovaci {

namespace {

// What a user does, as it reaches a window (or, for text composed by an
// input method, the control that takes it).
bool isInput(const QObject *watched, QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return watched->isWindowType();
    case QEvent::InputMethod: return true;
    default: return false;
    }
}

// Touches and pens: left unaccepted, Qt turns them into the mouse events the
// controls take, and those are held in their place.
bool isTouchOrPen(QEvent::Type type)
{
    switch (type) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: return true;
    default: return false;
    }
}

const QEvent::Type ReleaseEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

InputHold::InputHold(std::function<bool()> busy) : m_busy(std::move(busy))
{
    if (auto *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

InputHold::~InputHold()
{
    if (auto *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    if (event == m_handingOn)
        return false;
    const bool holding = !m_held.empty() || m_busy();
    if (!holding)
        return false;
    if (isTouchOrPen(event->type()) && watched->isWindowType()) {
        event->ignore();
        return true;
    }
    if (!isInput(watched, event->type()))
        return false;
    m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    if (!m_busy())
        release(); // held behind earlier input that waits its turn
    return true;
}

void InputHold::release()
{
    if (m_held.empty() || m_releasePosted)
        return;
    m_releasePosted = true;
    QCoreApplication::postEvent(this, new QEvent(ReleaseEvent));
}

bool InputHold::event(QEvent *event)
{
    if (event->type() != ReleaseEvent)
        return QObject::event(event);
    m_releasePosted = false;
    handOn();
    return true;
}

void InputHold::handOn()
{
    // A held click may start a scene: what follows it waits for that scene's
    // end, and the runner releases it then.
    while (!m_held.empty() && !m_busy()) {
        Held next = std::move(m_held.front());
        m_held.pop_front();
        if (!next.target)
            continue;
        m_handingOn = next.event.get();
        QCoreApplication::sendEvent(next.target, next.event.get());
        m_handingOn = nullptr;
    }
}

} // namespace brovaci
