// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A stage whose picture boxes are plain canvases: the scenes' real pixels
// without a window, for pixel checks and reference pictures.
#pragma once

#include "scenes/stage.h"
#include "surface/canvas.h"

namespace brovaci::testing {

class CanvasSurface : public Surface {
public:
    CanvasSurface() : canvas(Black) { canvas.resize({276, 196}); }
    void Cls() override { canvas.Cls(); }
    void PSet(float x, float y, Colour c) override { canvas.PSet(x, y, c); }
    void Line(float x1, float y1, float x2, float y2, Colour c) override { canvas.Line(x1, y1, x2, y2, c); }
    void Circle(float x, float y, float r, float q, Colour c) override { canvas.Circle(x, y, r, q, c); }
    void Print(const QString &text) override { canvas.Print(text); }
    void setForeColor(Colour c) override { canvas.setForeColor(c); }
    void setFontSize(int points) override { canvas.setFontSize(points); }
    void setVisible(bool v) override { visible = v; }
    void setLeft(double l) override { left = l; }
    void setWidth(double w) override { canvas.resize(QSize(int(w), canvas.size().height())); }

    Canvas canvas;
    bool visible = false;
    double left = 0;
};

// A stage of three surfaces of one kind, the window's as start-up leaves
// it: the scroll bar at its top, on a 1024-pixel screen, with no pauses.
template<typename Picture> class StageOf : public Stage {
public:
    Surface &picture1() override { return p1; }
    Surface &picture2() override { return p2; }
    Surface &picture3() override { return p3; }
    QString periodText() const override { return text; }
    void showPeriodBox() override { }
    int scrollValue() const override { return 10; }
    double screenWidthTwips() const override { return 15360; }
    void IdlePause(std::int16_t) override { }

    QString text = QStringLiteral("200");
    Picture p1, p2, p3;
};

// Drawing areas as start-up leaves them: Picture3 has a 2-pixel border.
class CanvasStage : public StageOf<CanvasSurface> {
public:
    CanvasStage()
    {
        p1.canvas.resize({250, 140});
        p2.canvas.resize({10, 90});
    }
};

} // namespace brovaci::testing
