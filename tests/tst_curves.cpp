// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The still figure and the turning figure, checked on the stream of drawing
// operations they produce.
#include "recordingstage.h"
#include "scenes/scenes.h"
#include "surface/pacing.h"

#include <QTest>

#include <cmath>
#include <tuple>
#include <utility>

using namespace brovaci;
using namespace Qt::StringLiterals;
using namespace brovaci::testing;

class TestCurves : public QObject {
    Q_OBJECT
private slots:
    void staticCurve();
    void staticShapes_data();
    void staticShapes();
    void threeDimensional_data();
    void threeDimensional();
    void failures_data();
    void failures();
    void scrollOverflowEndsTheRun();
    void pacing();
};

// Whether every point lies where the design's formula puts it, for the i-th
// value of the sweep (start + i * step, free of the scene's repeated addition).
template<typename Formula> static bool onTheCurve(const std::vector<Op> &points, Formula where, QString *why)
{
    for (size_t i = 0; i < points.size(); ++i) {
        const QPointF expected = where(i);
        if (std::fabs(points[i].a - expected.x()) > 1e-3 || std::fabs(points[i].b - expected.y()) > 1e-3) {
            *why = QStringLiteral("point %1 at %2, %3 instead of %4, %5")
                       .arg(i)
                       .arg(points[i].a)
                       .arg(points[i].b)
                       .arg(expected.x())
                       .arg(expected.y());
            return false;
        }
    }
    return true;
}

void TestCurves::staticCurve()
{
    RecordingStage stage;
    scenes::Cmdpendolo_Click(stage);
    // Three clears, in order, then the points.
    QCOMPARE(stage.log[0].surface, 1);
    QCOMPARE(stage.log[1].surface, 2);
    QCOMPARE(stage.log[2].surface, 3);
    QCOMPARE(stage.count(OpKind::Cls), 3);
    const auto points = stage.ops(OpKind::PSet, 3);
    QCOMPARE(points.size(), size_t(6281));
    QCOMPARE(qsizetype(stage.log.size()), 3 + 6281);
    // (125 + 65 cos(100 t), 125 + 65 sin(200 t)), t = -3.14, -3.139, ... 3.14.
    QString why;
    QVERIFY2(onTheCurve(
                 points,
                 [](size_t i) {
                     const double t = -3.14 + double(i) * 0.001;
                     return QPointF(125 + 65 * std::cos(100 * t), 125 + 65 * std::sin(200 * t));
                 },
                 &why),
             qPrintable(why));
    for (const Op &p : points)
        QCOMPARE(p.colour, Colour(0x00FF0000));
    QCOMPARE(stage.passes, 0);
    QVERIFY(!stage.periodBoxShown);
    QCOMPARE(stage.count(OpKind::Visible), 0);
}

void TestCurves::staticShapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shape");
    QTest::addRow("circle-100") << "100"
                                << "circle";
    QTest::addRow("row-0") << "0"
                           << "row";
    QTest::addRow("eight-200") << "200"
                               << "eight";
    QTest::addRow("mirror-minus-200") << "-200"
                                      << "mirror";
}

void TestCurves::staticShapes()
{
    QFETCH(QString, text);
    QFETCH(QString, shape);
    RecordingStage stage;
    stage.text = text;
    scenes::Cmdpendolo_Click(stage);
    const auto points = stage.ops(OpKind::PSet, 3);
    QCOMPARE(points.size(), size_t(6281));
    for (const Op &p : points) {
        QVERIFY(p.a >= 60 && p.a <= 190 && p.b >= 60 && p.b <= 190);
        if (shape == u"circle"_s)
            QVERIFY(std::fabs(std::hypot(p.a - 125.0, p.b - 125.0) - 65.0) < 1e-3);
        if (shape == u"row"_s)
            QCOMPARE(p.b, 125.f);
    }
    if (shape == u"eight"_s) {
        // Lying on its side: one lobe left of the centre and one right, each
        // reaching from the top of the square (60) to its bottom (190), and
        // the curve crossing itself at the centre.
        for (const int side : {-1, 1}) {
            float top = 1000, bottom = -1000;
            int count = 0;
            for (const Op &p : points)
                if ((p.a - 125.f) * side > 1) {
                    top = std::min(top, p.b);
                    bottom = std::max(bottom, p.b);
                    ++count;
                }
            QVERIFY2(count > 3000 - 100 && top < 61 && bottom > 189,
                     qPrintable(
                         QStringLiteral("lobe %1: %2 points from %3 to %4").arg(side).arg(count).arg(top).arg(bottom)));
        }
        bool nearCentre = false;
        for (const Op &p : points)
            nearCentre = nearCentre || std::hypot(p.a - 125.0, p.b - 125.0) < 1.0;
        QVERIFY(nearCentre);
    }
    if (shape == u"mirror"_s) {
        RecordingStage plain;
        scenes::Cmdpendolo_Click(plain);
        const auto original = plain.ops(OpKind::PSet, 3);
        for (size_t i = 0; i < points.size(); ++i) {
            QCOMPARE(points[i].a, original[i].a);
            QVERIFY(std::fabs((points[i].b - 125.0) + (original[i].b - 125.0)) < 1e-4);
        }
    }
}

void TestCurves::threeDimensional_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("pause");
    QTest::addRow("fastest") << 10 << 80;
    QTest::addRow("slowest") << 3000 << 24000;
}

void TestCurves::threeDimensional()
{
    QFETCH(int, scroll);
    QFETCH(int, pause);
    RecordingStage stage;
    stage.scroll = scroll;
    scenes::cmdtarmonica_Click(stage);

    // Picture1 and Picture2 cleared, the period box and the curve box shown.
    QCOMPARE(stage.log[0].surface, 1);
    QCOMPARE(stage.log[1].surface, 2);
    QCOMPARE(stage.log[2].kind, OpKind::Visible);
    QCOMPARE(stage.log[2].surface, 3);
    QVERIFY(stage.periodBoxShown);

    // 119 frames: a clear, 629 points, a pause.
    size_t at = 3;
    for (int frame = 0; frame < 119; ++frame) {
        QCOMPARE(stage.log[at].kind, OpKind::Cls);
        QCOMPARE(stage.log[at].surface, 3);
        for (int i = 1; i <= 629; ++i) {
            QCOMPARE(stage.log[at + i].kind, OpKind::PSet);
            QCOMPARE(stage.log[at + i].colour, Blue);
        }
        QCOMPARE(stage.log[at + 630].kind, OpKind::Pause);
        QCOMPARE(int(stage.log[at + 630].a), pause);
        at += 631;
    }
    QCOMPARE(at, stage.log.size());
    QCOMPARE(stage.passes, 119LL * pause);

    // Frame f, point i: (125 + 75 sin(1) cos(100 t), 125 + 110 cos(1) sin(k + 200 t)),
    // with k = -3.14 + 0.08 f and t = -3.14 + 0.01 i.
    const auto points = stage.ops(OpKind::PSet, 3);
    QString why;
    QVERIFY2(onTheCurve(
                 points,
                 [](size_t n) {
                     const double k = -3.14 + double(n / 629) * 0.08, t = -3.14 + double(n % 629) * 0.01;
                     return QPointF(125 + 75 * std::sin(1.0) * std::cos(100 * t),
                                    125 + 110 * std::cos(1.0) * std::sin(k + 200 * t));
                 },
                 &why),
             qPrintable(why));
}

namespace {
// Every scene that reads the period number, started as the user starts it.
enum class Reader { Still, Turning, DampedFilm, DampedStill };
void start(Reader reader, Stage &stage)
{
    switch (reader) {
    case Reader::Still: scenes::Cmdpendolo_Click(stage); break;
    case Reader::Turning: scenes::cmdtarmonica_Click(stage); break;
    case Reader::DampedFilm: scenes::Cmdperde_Click(stage); break;
    case Reader::DampedStill: scenes::Cmdperde_MouseDown(stage, 2, 0, 10, 10); break; // the right button
    }
}
} // namespace

void TestCurves::failures_data()
{
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overflows"); // read as a number, failing only in the sweep
    const std::pair<const char *, Reader> readers[] = {{"still", Reader::Still},
                                                       {"turning", Reader::Turning},
                                                       {"damped-film", Reader::DampedFilm},
                                                       {"damped-still", Reader::DampedStill}};
    const std::tuple<const char *, QString, bool> texts[] = {{"empty", QString(), false},
                                                             {"letters", u"abc"_s, false},
                                                             {"letters-after-digits", u"12abc"_s, false},
                                                             {"inf", u"inf"_s, false},
                                                             {"nan", u"nan"_s, false},
                                                             {"beyond-double-range", u"1e400"_s, false},
                                                             {"overflow-in-the-sweep", u"1e308"_s, true},
                                                             {"overflow-negative", u"-1e308"_s, true}};
    for (const auto &[scene, reader] : readers)
        for (const auto &[name, text, overflows] : texts)
            QTest::addRow("%s-%s", scene, name) << reader << text << overflows;
}

void TestCurves::failures()
{
    QFETCH(Reader, reader);
    QFETCH(QString, text);
    QFETCH(bool, overflows);

    RecordingStage stage;
    stage.text = text;
    start(reader, stage);
    QCOMPARE(stage.count(OpKind::PSet), 0);
    QCOMPARE(stage.count(OpKind::Pause), 0);
    QCOMPARE(stage.printed(3), expectedNotice());
    QCOMPARE(stage.ops(OpKind::ForeColor, 3).back().colour, Red);
    QCOMPARE(stage.log.back().kind, OpKind::Print);
    switch (reader) {
    case Reader::Still:
        // The still figure clears the pendulums only once the number is read.
        QCOMPARE(stage.touched(1), overflows);
        QCOMPARE(stage.touched(2), overflows);
        break;
    case Reader::Turning:
        // Already blank before the number was read.
        QCOMPARE(stage.count(OpKind::Cls, 1), 1);
        QCOMPARE(stage.count(OpKind::Cls, 2), 1);
        QVERIFY(stage.periodBoxShown);
        QCOMPARE(stage.ops(OpKind::FontSize, 3).front().a, 14.f);
        break;
    case Reader::DampedFilm: QVERIFY(stage.periodBoxShown); break;
    case Reader::DampedStill: break;
    }
}

void TestCurves::scrollOverflowEndsTheRun()
{
    RecordingStage stage;
    stage.scroll = 4096;
    scenes::cmdtarmonica_Click(stage);
    QCOMPARE(stage.count(OpKind::Pause), 0);
    QCOMPARE(stage.printed(3), expectedNotice());
    // The notice's clear wipes the one frame drawn.
    QCOMPARE(stage.count(OpKind::PSet), 629);
    QCOMPARE(stage.log.back().kind, OpKind::Print);
}

namespace {
class CountingSink : public FrameSink {
public:
    void present() override { ++presents; }
    bool idle(Clock::time_point) override
    {
        ++idles;
        return true;
    }
    int presents = 0;
    int idles = 0;
};
} // namespace

void TestCurves::pacing()
{
    CountingSink sink;
    Pacer pacer(&sink, std::chrono::nanoseconds(0));
    pacer.IdlePause(0);
    pacer.IdlePause(-5);
    QCOMPARE(pacer.textLine(), 0);
    QCOMPARE(sink.presents, 0);
    pacer.IdlePause(80);
    pacer.IdlePause(24000);
    QCOMPARE(pacer.textLine(), 24080);
    QCOMPARE(sink.presents, 2); // every pause is a frame boundary
    QCOMPARE(sink.idles, 0);    // nothing to wait for at zero pass length
}

QTEST_GUILESS_MAIN(TestCurves)
#include "tst_curves.moc"
