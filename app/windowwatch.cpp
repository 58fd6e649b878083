// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowwatch.h"

#include <QCoreApplication>
#include <QWidget>

namespace brovaci {

WindowWatch::WindowWatch(const QWidget &window, std::function<void()> lost) : m_window(window), m_lost(std::move(lost))
{
    if (auto *app = QCoreApplication::instance())
        app->installNativeEventFilter(this);
}

WindowWatch::~WindowWatch()
{
    if (auto *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool WindowWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    const WId ours = m_window.internalWinId();
    if (ours && message && destroyedWindow(eventType, message) == ours && m_lost)
        m_lost();
    return false;
}

} // namespace brovaci
