// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a scene sees of the window: the three picture boxes, the period box,
// the scroll bar, the screen width and the pause. The window is one stage,
// the recording stage of the tests another.
#pragma once

#include "surface/surface.h"

#include <QString>
#include <cstdint>

namespace brovaci {

class Stage {
public:
    virtual ~Stage() = default;

    virtual Surface &picture1() = 0;
    virtual Surface &picture2() = 0;
    virtual Surface &picture3() = 0;

    virtual QString periodText() const = 0; // txtarmonica's text
    virtual void showPeriodBox() = 0;       // txtarmonica made visible
    virtual int scrollValue() const = 0;    // VScroll1's value
    virtual double screenWidthTwips() const = 0;

    virtual void IdlePause(std::int16_t count) = 0;
};

} // namespace brovaci
