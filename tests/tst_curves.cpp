// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The still figure and the turning figure, checked on the stream of drawing
// operations they produce.
#include "recordingstage.h"
#include "scenes/scenes.h"
#include "surface/pacing.h"

#include <QTest>

#include <cmath>

using namespace brovaci;
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

static void comparePoint(const Op &op, float x, float y)
{
    QCOMPARE(op.kind, OpKind::PSet);
    QCOMPARE(op.a, x);
    QCOMPARE(op.b, y);
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
    comparePoint(points.front(), 189.1773681640625f, 145.3561553955078f);
    comparePoint(points.back(), 189.1773681640625f, 104.64385223388672f);
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
    QTest::addRow("circle-100") << "100" << "circle";
    QTest::addRow("row-0") << "0" << "row";
    QTest::addRow("eight-200") << "200" << "eight";
    QTest::addRow("mirror-minus-200") << "-200" << "mirror";
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
        if (shape == "circle")
            QVERIFY(std::fabs(std::hypot(p.a - 125.0, p.b - 125.0) - 65.0) < 1e-3);
        if (shape == "row")
            QCOMPARE(p.b, 125.f);
    }
    if (shape == "eight") {
        // One lobe each side: the points left of the centre reach as high and
        // as low as those right of it, and the curve passes through the centre.
        bool nearCentre = false;
        for (const Op &p : points)
            nearCentre = nearCentre || std::hypot(p.a - 125.0, p.b - 125.0) < 1.0;
        QVERIFY(nearCentre);
    }
    if (shape == "mirror") {
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

    const auto points = stage.ops(OpKind::PSet, 3);
    comparePoint(points.front(), 187.3115997314453f, 106.29732513427734f);
    comparePoint(points.back(), 187.3115997314453f, 107.3388671875f);
}

void TestCurves::failures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("clearsBeforeFailing"); // the still figure only clears once the number is read
    QTest::addRow("empty") << "" << false;
    QTest::addRow("letters") << "abc" << false;
    QTest::addRow("letters-after-digits") << "12abc" << false;
    QTest::addRow("inf") << "inf" << false;
    QTest::addRow("nan") << "nan" << false;
    QTest::addRow("beyond-double-range") << "1e400" << false;
    QTest::addRow("overflow-in-the-sweep") << "1e308" << true;
    QTest::addRow("overflow-negative") << "-1e308" << true;
}

void TestCurves::failures()
{
    QFETCH(QString, text);
    QFETCH(bool, clearsBeforeFailing);

    RecordingStage still;
    still.text = text;
    scenes::Cmdpendolo_Click(still);
    QCOMPARE(still.count(OpKind::PSet), 0);
    QCOMPARE(still.printed(3), expectedNotice());
    QCOMPARE(still.touched(1), clearsBeforeFailing);
    QCOMPARE(still.touched(2), clearsBeforeFailing);
    QCOMPARE(still.log.back().kind, OpKind::Print);

    RecordingStage turning;
    turning.text = text;
    scenes::cmdtarmonica_Click(turning);
    QCOMPARE(turning.count(OpKind::PSet), 0);
    QCOMPARE(turning.count(OpKind::Pause), 0);
    QCOMPARE(turning.printed(3), expectedNotice());
    // Already blank before the number was read.
    QCOMPARE(turning.count(OpKind::Cls, 1), 1);
    QCOMPARE(turning.count(OpKind::Cls, 2), 1);
    QVERIFY(turning.periodBoxShown);
    QCOMPARE(turning.ops(OpKind::ForeColor, 3).front().colour, Red);
    QCOMPARE(turning.ops(OpKind::FontSize, 3).front().a, 14.f);
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
    void idle(Clock::time_point) override { ++idles; }
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
