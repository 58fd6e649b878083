// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The finished figure: the trace the upper pendulum's pen leaves on the board
// of the lower one, 6281 blue points around (125, 125) on the curve box. The
// first pendulum turns 0.1 rad per point, the second N / 1000 rad.
#include "input/period.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"

#include <cmath>

namespace brovaci::scenes {

void Cmdpendolo_Click(Stage &stage)
{
    try {
        const double N = ReadPeriodNumber(stage.periodText());
        // The number is read before anything is cleared, so a bad text
        // leaves the pendulum boxes as they were.
        stage.picture1().Cls();
        stage.picture2().Cls();
        Surface &picture = stage.picture3();
        picture.Cls();
        for (double t = -3.14; t <= 3.14; t += 0.001) {
            const double dx = std::cos(100 * t) * 65;
            const double dy = std::sin(N * t) * 65;
            picture.PSet(single(125 + dx), single(125 + dy), Blue);
        }
    } catch (const RunTimeFailure &) {
        ShowIncompatibleDataNotice(stage.picture3());
    }
}

} // namespace brovaci::scenes
