// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The turning figure: 119 copies of the figure, each with the upper
// pendulum's start shifted by 0.08 rad, drawn one after another on the curve
// box and paced by the speed limiter. 629 points per copy.
#include "input/period.h"
#include "scenes/curvemath.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"
#include "surface/pacing.h"

namespace brovaci::scenes {

void cmdtarmonica_Click(Stage &stage)
{
    stage.picture1().Cls();
    stage.picture2().Cls();
    stage.showPeriodBox();
    Surface &picture = stage.picture3();
    picture.setVisible(true);
    try {
        const double N = ReadPeriodNumber(stage.periodText());
        for (double k = -3.14; k <= 6.32; k += 0.08) {
            picture.Cls();
            for (double t = -3.14; t <= 3.14; t += 0.01) {
                const double dx = std::cos(100 * t) * Sin1 * 75;
                const double dy = std::sin(k + N * t) * Cos1 * 110;
                picture.PSet(single(125 + dx), single(125 + dy), Blue);
            }
            stage.IdlePause(speedLimiterCount(stage.scrollValue()));
        }
    } catch (const RunTimeFailure &) {
        ShowIncompatibleDataNotice(picture);
    }
}

} // namespace brovaci::scenes
