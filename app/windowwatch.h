// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Notices when another program destroys the top-level window under us, as
// X11's DestroyWindow does (xdotool windowclose). Qt does not: it keeps the
// window as if nothing had happened, and a program with no window left
// would wait for ever.
#pragma once

#include <QAbstractNativeEventFilter>

#include <functional>

class QWidget;

namespace brovaci {

class WindowWatch : public QAbstractNativeEventFilter {
public:
    WindowWatch(const QWidget &window, std::function<void()> lost);
    ~WindowWatch() override;
    WindowWatch(const WindowWatch &) = delete;
    WindowWatch &operator=(const WindowWatch &) = delete;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    const QWidget &m_window;
    std::function<void()> m_lost;
};

} // namespace brovaci
