// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// How assistive technology sees the window's controls where Qt's own view of
// them is not enough.
#pragma once

namespace brovaci {

// Installs the program's accessible interfaces; safe to call more than once.
void installAccessibility();

} // namespace brovaci
