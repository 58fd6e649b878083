// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The pendulums losing their swing: 95 frames of 629 points on the curve box,
// each a phase p further on, with no pause. Within a frame the swing factor
// grows from about -7.1 to -220.6, so the figure opens out from the centre
// (129, 100); friction starts again at every frame. The colour 65280 + 300 t
// is used byte for byte: green and yellow near the centre, black to red outside.
#include "input/period.h"
#include "scenes/curvemath.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"

namespace brovaci::scenes {

void Cmdperde_Click(Stage &stage)
{
    stage.showPeriodBox();
    Surface &picture = stage.picture3();
    picture.setVisible(true);
    try {
        const double N = ReadPeriodNumber(stage.periodText());
        for (double p = -3.14; p <= 6.28; p += 0.1) {
            picture.Cls();
            double f = 0;
            for (double t = -3.14; t <= 3.14; t += 0.01) {
                f = f - 0.02;
                const double r = (6.28 - f) * 17;
                const double dx = Sin1 * std::cos(t * 100) * (100 - r);
                const double dy = Cos1 * std::sin(t * N + p) * (100 - r);
                picture.PSet(single(dx + 129), single(dy + 100), roundedColour(65280 + t * 300));
            }
        }
    } catch (const RunTimeFailure &) {
        ShowIncompatibleDataNotice(picture);
    }
}

} // namespace brovaci::scenes
