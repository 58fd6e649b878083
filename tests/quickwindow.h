// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as start-up leaves it, with the pacing off: no pass length and
// no refresh hold, so that films run as fast as they can be drawn.
#pragma once

#include "app/frmpendolo.h"

namespace brovaci::testing {

inline void withoutPacing(Frmpendolo &w)
{
    w.pacer().setPassLength(std::chrono::nanoseconds(0));
    w.presenter().setRefreshInterval(std::chrono::nanoseconds(0));
}

inline void startWithoutPacing(Frmpendolo &w)
{
    withoutPacing(w);
    w.Form_Load();
}

} // namespace brovaci::testing
