// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes everything a period number flows into. The input is a number, any
// finite double, typed into the period box in C notation; it goes through
// every curve scene on a surface that traps on any value that is not finite.
// Each scene either draws its figure with no text at all, or an overflow
// ends it with exactly the notice. Every frame of a film is the same
// computation with another phase, and an overflow comes from the number
// times the sweep, the same in every frame: the films stop after two frames.
#include "input/period.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace brovaci;

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Thrown by the stage to stop a film once it has shown enough.
struct Enough {};

class CheckingSurface : public Surface {
public:
    void Cls() override
    {
        if (++clears > 2 && stopsFilms)
            throw Enough{};
        kinds += 'c';
    }
    void PSet(float x, float y, Colour) override
    {
        require(std::isfinite(x) && std::isfinite(y));
        ++points;
    }
    void Line(float, float, float, float, Colour) override { require(false); } // no curve scene draws lines
    void Circle(float, float, float, float, Colour) override { require(false); }
    void Print(const QString &text) override
    {
        kinds += 't';
        printed << text;
    }
    void setForeColor(Colour c) override { kinds += c == Red ? 'r' : '?'; }
    void setFontSize(int points) override { kinds += points == NoticeFontSize ? 's' : '?'; }
    void setVisible(bool) override {}
    void setLeft(double) override {}
    void setWidth(double) override {}

    void reset()
    {
        kinds.clear();
        printed.clear();
        points = 0;
        clears = 0;
    }
    // The stream ends with the notice: clear, red, 14 points, three lines.
    bool endsWithNotice() const { return kinds.endsWith("crsttt") && printed == noticeLines(); }

    QString kinds; // clears, colours, sizes and texts; points are counted
    QStringList printed;
    long points = 0;
    int clears = 0;
    bool stopsFilms = false;
};

class CheckingStage : public Stage {
public:
    Surface &picture1() override { return p1; }
    Surface &picture2() override { return p2; }
    Surface &picture3() override { return p3; }
    QString periodText() const override { return text; }
    void showPeriodBox() override {}
    int scrollValue() const override { return 10; }
    double screenWidthTwips() const override { return 15360; }
    void IdlePause(std::int16_t) override {}

    QString text;
    CheckingSurface p1, p2, p3;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("LC_ALL", "C", 1); // the number is typed in C notation
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
    return 0;
}
