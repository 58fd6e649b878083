// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Window systems other than X11 (Windows, Wayland alone, a browser): no other
// program can destroy the window under us, as the watch's header says.
#include "app/windowwatch.h"

namespace brovaci {

WId destroyedWindow(const QByteArray &, const void *)
{
    return 0;
}

} // namespace brovaci
