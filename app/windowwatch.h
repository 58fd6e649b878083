// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Notices when another program destroys the top-level window under us, as
// X11's DestroyWindow does (xdotool windowclose). Qt does not: it keeps the
// window as if nothing had happened, and a program with no window left
// would wait for ever.
//
// Windows needs no such watch: DestroyWindow works only on windows of the
// calling thread, so another program can at most post WM_CLOSE, which Qt
// delivers as the close event the window already handles (carried out after
// a running scene), or end the process outright. There, and in a browser,
// the filter sees no xcb events and does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QtGui/qwindowdefs.h>

#include <functional>

class QWidget;

namespace brovaci {

// The window a native event says was destroyed, or 0: the X server's
// DestroyNotify, read by xcb's own definition of it (windowwatch_xcb.cpp).
// Elsewhere always 0 (windowwatch_other.cpp).
WId destroyedWindow(const QByteArray &eventType, const void *message);

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
