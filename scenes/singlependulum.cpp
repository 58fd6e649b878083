// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A single pendulum lets ink fall onto a sheet sliding beneath it: 18 frames,
// each the pendulum on Picture1 (a cone of twelve red rings hanging on a blue
// string, with a blue bar) and the red wave of the sheet on Picture2. The
// sheet's phase u carries on from frame to frame, so the wave seems to slide.
#include "scenes/scenes.h"
#include "scenes/stage.h"
#include "surface/checked.h"
#include "surface/twips.h"

#include <cmath>
#include <cstdint>

namespace brovaci::scenes {

void cmdmovimento_Click(Stage &stage)
{
    Surface &pendulum = stage.picture1();
    Surface &sheet = stage.picture2();
    stage.picture3().Cls();
    double a = 0;
    double u = 0;
    for (std::int16_t i = 18; i >= 1; --i) {
        pendulum.Cls();
        const double s = std::sin(i) / 0.95;
        a = a + 1;
        if (a >= 0.9)
            a = a - 0.1;

        // The ring cone, its point downwards; the aspect -s is drawn with its
        // absolute value, so the cone stays whole in every frame.
        std::int16_t j = 1;
        for (; j <= 12; ++j) {
            pendulum.Circle(100, single(120 - 3 * j + 10 * s), single(2 + 2 * j), single(-s), Red);
            pendulum.Line(100, single(83 - 3 * j + 10 * s), 100, 1, Blue);
        }
        // The bar sits where a thirteenth ring would: j is 13 here.
        const double bar = 120 - 3 * j + 10 * s;
        pendulum.Line(75, single(bar), 125, single(bar), Blue);
        stage.IdlePause(10000);

        sheet.Cls();
        sheet.setVisible(true);
        sheet.setLeft(halfInPixels(stage.screenWidthTwips()) + 125);
        sheet.setWidth(250);
        sheet.setVisible(true);
        const double end = a + 0.01;
        for (double t = 0.1; t <= end; t += 0.01) {
            u = u + 0.01;
            const double x = (std::cos(u) + 0.1) + t * 19;
            const double y = std::sin(u) * 25 + 50;
            sheet.PSet(single(x), single(y), Red);
        }
    }
}

} // namespace brovaci::scenes
