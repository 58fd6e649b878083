// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The still damped figure of the right mouse button: 629 points whose swing
// 190 - f dies away from the outside in, around (129, 100), in the colour
// 65280 - 150 t: red darkening to black outside, yellow to green inside.
#include "input/period.h"
#include "scenes/curvemath.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"

namespace brovaci::scenes {

void Cmdperde_MouseDown(Stage &stage, int button, int /*shift*/, float /*x*/, float /*y*/)
{
    if (button != RightButton)
        return;
    Surface &picture = stage.picture3();
    try {
        const double N = ReadPeriodNumber(stage.periodText());
        picture.Cls();
        double f = 0;
        for (double t = -3.14; t <= 3.14; t += 0.01) {
            f = f + 0.3;
            const double dx = Sin1 * std::cos(t * 100) * (190 - f);
            const double dy = Cos1 * std::sin(t * N) * (190 - f);
            picture.PSet(single(dx + 129), single(dy + 100), roundedColour(65280 - t * 150));
        }
    } catch (const RunTimeFailure &) {
        ShowIncompatibleDataNotice(picture);
    }
}

} // namespace brovaci::scenes
