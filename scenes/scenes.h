// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The scenes, one event procedure each. Each runs to its end on the calling
// thread; the curve scenes catch their own failures and show the notice.
//
// Every counted loop fixes start, end and step when it starts, advances its
// counter by repeated addition of the step and runs while the counter is at
// most the end value (at least, for a negative step); a whole-number loop
// leaves its counter one step beyond the end. The point and frame counts of
// the films follow from that, so the loops are written exactly that way.
#pragma once

namespace brovaci {

class Stage;

namespace scenes {

void Cmdpendolo_Click(Stage &stage);   // still figure
void cmdtarmonica_Click(Stage &stage); // turning three-dimensional figure
void cmdmovimento_Click(Stage &stage); // single pendulum on the sliding sheet
void Cmddoppio_Click(Stage &stage);    // double pendulum with its swinging board
void Cmdperde_Click(Stage &stage);     // damped pendulums
// The codes of a mouse-down event's button.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
// Only the right button draws the still damped figure.
void Cmdperde_MouseDown(Stage &stage, int button, int shift, float x, float y);

} // namespace scenes
} // namespace brovaci
