// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowwatch.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdint>
#include <cstring>

namespace brovaci {

namespace {

// The X protocol's DestroyNotify event, as xcb delivers it: the code 17 in
// the first byte (the top bit marks events another client sent), and the
// destroyed window in the 32 bits at byte 8.
constexpr std::uint8_t DestroyNotify = 17;
constexpr std::size_t DestroyedWindowOffset = 8;

} // namespace

WindowWatch::WindowWatch(const QWidget &window, std::function<void()> lost)
    : m_window(window), m_lost(std::move(lost))
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
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *bytes = static_cast<const std::uint8_t *>(message);
    if ((bytes[0] & 0x7f) != DestroyNotify)
        return false;
    std::uint32_t destroyed = 0;
    std::memcpy(&destroyed, bytes + DestroyedWindowOffset, sizeof destroyed);
    const WId ours = m_window.internalWinId();
    if (ours && destroyed == ours && m_lost)
        m_lost();
    return false;
}

} // namespace brovaci
