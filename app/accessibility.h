// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// How assistive technology sees the window and its controls. The window is a
// frame named by its title; each control has its role, its name and its tool
// tip as its description. What an assistive tool asks of a control while a
// scene runs (a press, a value, a text) waits for the scene to end and is
// carried out after it, in order, like a click made meanwhile: none of it
// starts a scene inside another or changes a control in the middle of a film.
#pragma once

namespace brovaci {

// Installs the program's accessible interfaces; safe to call more than once.
void installAccessibility();

} // namespace brovaci
