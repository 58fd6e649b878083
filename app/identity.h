// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Who the program is to the system: its name and version, its icon, and the
// desktop entry that carries them into menus and task bars.
#pragma once

#include "version.h"

#include <QIcon>

namespace brovaci {

inline constexpr char ApplicationName[] = "Brovaci";
inline constexpr char ApplicationVersion[] = BROVACI_VERSION;

// The icon in its three sizes: 16, 32 and 48 pixels.
QIcon applicationIcon();
void setUpApplication();

} // namespace brovaci
