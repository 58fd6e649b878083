// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// X11 only: the one file of the program that reads the X protocol.
#include "app/windowwatch.h"

#include <QByteArray>

#include <xcb/xcb.h>

namespace brovaci {

WId destroyedWindow(const QByteArray &eventType, const void *message)
{
    if (eventType != "xcb_generic_event_t")
        return 0;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    // The top bit marks an event another client sent.
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
        return 0;
    return static_cast<const xcb_destroy_notify_event_t *>(message)->window;
}

} // namespace brovaci
