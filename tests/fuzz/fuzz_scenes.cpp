// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes everything a period number flows into. The input is a number, any
// finite double, typed into the period box in C notation; it goes through
// every curve scene onto the program's own canvas, behind a surface that
// traps on any value that is not finite. Each scene either draws its figure
// with no text at all, or an overflow ends it with exactly the notice. Every
// frame of a film is the same computation with another phase, and an
// overflow comes from the number times the sweep, the same in every frame:
// the films stop after two frames. The number then serves as a coordinate,
// a radius and an aspect for points, lines and ellipses on the canvas, which
// must leave no mark where the shape lies wholly outside the picture.
#include "../canvasstage.h"
#include "input/period.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"
#include "surface/canvas.h"

#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace brovaci;
using namespace Qt::StringLiterals;

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Thrown by the stage to stop a film once it has shown enough.
struct Enough { };

class CheckingSurface : public Surface {
public:
    CheckingSurface() { canvas.resize({276, 196}); }
    void Cls() override
    {
        if (++clears > 2 && stopsFilms)
            throw Enough{};
        kinds += u'c';
        canvas.Cls();
    }
    void PSet(float x, float y, Colour colour) override
    {
        require(std::isfinite(x) && std::isfinite(y));
        ++points;
        canvas.PSet(x, y, colour);
    }
    void Line(float, float, float, float, Colour) override { require(false); } // no curve scene draws lines
    void Circle(float, float, float, float, Colour) override { require(false); }
    void Print(const QString &text) override
    {
        kinds += u't';
        printed << text;
        canvas.Print(text);
    }
    void setForeColor(Colour c) override { kinds += c == Red ? u'r' : u'?'; }
    void setFontSize(int points) override { kinds += points == NoticeFontSize ? u's' : u'?'; }
    void setVisible(bool) override { }
    void setLeft(double) override { }
    void setWidth(double) override { }

    void reset()
    {
        kinds.clear();
        printed.clear();
        points = 0;
        clears = 0;
    }
    // The stream ends with the notice: clear, red, 14 points, three lines.
    bool endsWithNotice() const { return kinds.endsWith(u"crsttt"_s) && printed == noticeLines(); }

    Canvas canvas;
    QString kinds; // clears, colours, sizes and texts; points are counted
    QStringList printed;
    long points = 0;
    int clears = 0;
    bool stopsFilms = false;
};

using CheckingStage = testing::StageOf<CheckingSurface>;

// Draws one shape from the number on a blank canvas; if the shape lies
// wholly outside the picture (by more than the pen), nothing may show.
void drawFrom(double v)
{
    Canvas canvas(Black);
    canvas.resize({100, 80});
    const double far = std::fabs(v) > 200 ? v : v + (v < 0 ? -200 : 200);
    canvas.PSet(far, 40, Blue);
    canvas.PSet(50, far, Blue);
    canvas.Line(far, far, 2 * (far / 2) + 1, far, Blue); // stays beyond the picture
    canvas.Circle(far * 3, far * 3, std::fabs(far), 0.5, Blue);
    const QImage blank = canvas.image();
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            require(blank.pixel(x, y) == qRgb(0, 0, 0));
    // Shapes through the picture, from far away: no overflow, no crash, no
    // colour but the one drawn.
    canvas.Line(-v, 40, v, 40, Red);
    canvas.Line(50, -v, 50, v, Red);
    canvas.Line(-v, -v, v, v, Red);
    canvas.Circle(50, 40, v, v / 1000, Red);
    canvas.Circle(-v, 40, std::fabs(v) + 60, 1, Red);
    canvas.Circle(50, 40, 30, v, Red);
    const QImage drawn = canvas.image();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            require(drawn.pixel(x, y) == qRgb(0, 0, 0) || drawn.pixel(x, y) == qRgb(255, 0, 0));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("LC_ALL", "C", 1); // the number is typed in C notation
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv); // fonts, for the notice
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double number = 0;
    if (size != sizeof number)
        return -1;
    std::memcpy(&number, data, sizeof number);
    if (!std::isfinite(number))
        return -1; // not a number anyone can type

    CheckingStage stage;
    stage.text = QString::number(number, 'g', 17);
    require(ReadPeriodNumber(stage.text) == number); // typed exactly

    using Scene = void (*)(Stage &);
    const Scene scenesToRun[] = {
        scenes::Cmdpendolo_Click,
        scenes::cmdtarmonica_Click,
        scenes::Cmdperde_Click,
        [](Stage &s) { scenes::Cmdperde_MouseDown(s, scenes::RightButton, 0, 0, 0); },
    };
    for (Scene scene : scenesToRun) {
        stage.p3.reset();
        stage.p3.stopsFilms = scene == scenes::cmdtarmonica_Click || scene == scenes::Cmdperde_Click;
        try {
            scene(stage);
        } catch (const Enough &) {
        }
        const bool drawn = stage.p3.printed.isEmpty() && stage.p3.points > 0;
        require(drawn || stage.p3.endsWithNotice());
    }
    drawFrom(number);
    return 0;
}
