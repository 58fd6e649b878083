// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two pendulums together: twelve positions of the upper pendulum, whose
// bob swings sideways on Picture1, and for each of them one full swing of the
// board of the lower pendulum on Picture3, in 63 frames of seven red lines
// hung on two blue strings. The board is seen rising and widening as it swings
// towards the viewer.
#include "scenes/scenes.h"
#include "scenes/stage.h"
#include "surface/checked.h"

#include <cmath>
#include <cstdint>

namespace brovaci::scenes {

void Cmddoppio_Click(Stage &stage)
{
    Surface &pendulum = stage.picture1();
    Surface &sheet = stage.picture2();
    Surface &board = stage.picture3();
    pendulum.Cls();
    sheet.Cls();
    for (std::int16_t i = 12; i >= 1; --i) {
        sheet.Cls();
        pendulum.Cls();
        const double w = std::sin(i);
        for (std::int16_t j = 1; j <= 12; ++j)
            pendulum.Circle(single(125 + 15 * w), single(120 - 3 * j), single(2 + 2 * j), 0.5f, Red);
        const float top = single(125 + 0.05 * w);
        const float left = single(100 + 15 * w);
        const float right = single(150 + 15 * w);
        pendulum.Line(left, 83, top, 1, Blue);
        pendulum.Line(right, 83, top, 1, Blue);
        pendulum.Line(left, 83, right, 83, Green);

        for (double m = -3.14; m <= 3.14; m += 0.1) {
            const double d = std::cos(m);
            board.Cls();
            for (std::int16_t n = 20; n >= 0; n -= 3) {
                const float y = single(50 + n + 20 * d);
                board.Line(single(90 - n * d), y, single(200 + n * d), y, Red);
                board.Line(single(90 - 5 * d), single(53 + 25 * d), single(98 + 5 * d), 1, Blue);
                board.Line(single(200 + 5 * d), single(53 + 25 * d), single(190 + 5 * d), 1, Blue);
            }
            stage.IdlePause(500);
        }
    }
}

} // namespace brovaci::scenes
