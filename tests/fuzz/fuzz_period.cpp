// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the period reading and everything a period number flows into.
// Any text goes through ReadPeriodNumber (Italian and C notation); an accepted
// number goes through every curve scene on a surface that traps on any value
// that is not finite, with no pacing. A rejected text must give exactly the
// notice and nothing else; so must a scene that overflows.
#include "input/period.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "scenes/stage.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace brovaci;

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

class CheckingSurface : public Surface {
public:
    void Cls() override { kinds += 'c'; }
    void PSet(float x, float y, Colour) override
    {
        finite({x, y});
        kinds += 'p';
    }
    void Line(float x1, float y1, float x2, float y2, Colour) override
    {
        finite({x1, y1, x2, y2});
        kinds += 'l';
    }
    void Circle(float x, float y, float r, float q, Colour) override
    {
        finite({x, y, r, q});
        kinds += 'o';
    }
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
    }
    // The stream ends with the notice: clear, red, 14 points, three lines.
    bool endsWithNotice() const { return kinds.endsWith("crsttt") && printed == noticeLines(); }

    QString kinds;
    QStringList printed;

private:
    static void finite(std::initializer_list<float> values)
    {
        for (float v : values)
            require(std::isfinite(v));
    }
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

    void reset()
    {
        p1.reset();
        p2.reset();
        p3.reset();
    }

    QString text;
    CheckingSurface p1, p2, p3;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The scenes read the number in the user's notation: make it Italian.
    setenv("LC_ALL", "it_IT.UTF-8", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 256)
        return -1; // nobody types that much into the period box
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));

    // The C notation: either a finite number or a conversion failure.
    try {
        require(std::isfinite(ReadPeriodNumber(text, QLocale::c())));
    } catch (const ConversionFailure &) {
    }

    CheckingStage stage;
    stage.text = text;
    bool accepted = false;
    try {
        require(std::isfinite(ReadPeriodNumber(text)));
        accepted = true;
    } catch (const ConversionFailure &) {
    }

    if (!accepted) {
        // Exactly the notice, and the pendulum boxes untouched.
        scenes::Cmdpendolo_Click(stage);
        require(stage.p3.kinds == "crsttt" && stage.p3.printed == noticeLines());
        require(stage.p1.kinds.isEmpty() && stage.p2.kinds.isEmpty());
        return 0;
    }

    using Scene = void (*)(Stage &);
    const Scene scenesToRun[] = {
        scenes::Cmdpendolo_Click,
        scenes::cmdtarmonica_Click,
        scenes::Cmdperde_Click,
        [](Stage &s) { scenes::Cmdperde_MouseDown(s, 2, 0, 0, 0); },
    };
    for (Scene scene : scenesToRun) {
        stage.reset();
        scene(stage);
        // Either the figure was drawn with no text at all, or an overflow
        // ended the scene with exactly the notice.
        require(stage.p3.printed.isEmpty() ? stage.p3.kinds.contains('p') : stage.p3.endsWithNotice());
    }
    return 0;
}
