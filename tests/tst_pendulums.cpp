// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The two pendulum films: the single pendulum on its sliding sheet and the
// double pendulum with its swinging board, on the recorded stream and in pixels.
#include "canvasstage.h"
#include "recordingstage.h"
#include "scenes/scenes.h"

#include <QTest>

#include <cmath>

using namespace brovaci;
using namespace brovaci::testing;

class TestPendulums : public QObject {
    Q_OBJECT
private slots:
    void singleFrames();
    void singleTrace();
    void singleReadsNothing_data();
    void singleReadsNothing();
    void doubleFrames();
    void doubleBoard();
    void doubleLeavesTheSheetBlank();
    void singleFinalFramePixels();
    void doubleFinalFramePixels();
};

namespace {

// The frames of a film: the log cut at every clear of the given surface.
qsizetype countIn(const std::vector<Op> &ops, OpKind kind, int surface)
{
    return std::count_if(ops.begin(), ops.end(),
                         [&](const Op &op) { return op.kind == kind && op.surface == surface; });
}

bool near(double a, double b, double tolerance = 1e-4)
{
    return std::fabs(a - b) < tolerance;
}

} // namespace

void TestPendulums::singleFrames()
{
    RecordingStage stage;
    scenes::cmdmovimento_Click(stage);
    QCOMPARE(stage.log.front().kind, OpKind::Cls);
    QCOMPARE(stage.log.front().surface, 3);
    QCOMPARE(stage.count(OpKind::Cls, 3), 1);

    const double swing[] = {-0.7905, -1.0120, -0.3031, 0.6845,  1.0427,  0.4423,  -0.5648, -1.0526, -0.5727,
                            0.4338,  1.0414,  0.6916,  -0.2941, -1.0094, -0.7966, 0.1485,  0.9572,  0.8858};
    const auto frames = framesOf(stage.log, 1);
    QCOMPARE(frames.size(), size_t(18));
    for (size_t n = 0; n < frames.size(); ++n) {
        const auto &frame = frames[n];
        const double s = swing[n];
        // Twelve rings, each followed by its string; then the bar; then the pause.
        for (int j = 1; j <= 12; ++j) {
            const Op &ring = frame[size_t(2 * j - 1)];
            const Op &string = frame[size_t(2 * j)];
            QCOMPARE(ring.kind, OpKind::Circle);
            QCOMPARE(ring.colour, Red);
            QCOMPARE(ring.a, 100.f);
            QVERIFY(near(ring.b, 120 - 3 * j + 10 * s, 1e-3));
            QCOMPARE(ring.c, float(2 + 2 * j));
            QVERIFY(near(ring.d, -s, 1e-4)); // the aspect -s, sign kept
            QCOMPARE(string.kind, OpKind::Line);
            QCOMPARE(string.colour, Blue);
            QVERIFY(string.a == 100.f && string.c == 100.f && string.d == 1.f);
            QVERIFY(near(string.b, 83 - 3 * j + 10 * s, 1e-3));
        }
        const Op &bar = frame[25];
        QCOMPARE(bar.kind, OpKind::Line);
        QVERIFY(bar.a == 75.f && bar.c == 125.f && bar.b == bar.d);
        QVERIFY2(near(bar.b, 81 + 10 * s, 1e-3), qPrintable(QString::number(bar.b)));
        QCOMPARE(frame[26].kind, OpKind::Pause);
        QCOMPARE(frame[26].a, 10000.f);
        // Then the sheet: cleared, shown, moved to X + 125 and widened to 250.
        QCOMPARE(frame[27].kind, OpKind::Cls);
        QCOMPARE(frame[27].surface, 2);
        QCOMPARE(frame[28].kind, OpKind::Visible);
        QCOMPARE(frame[29].kind, OpKind::Left);
        QCOMPARE(frame[29].a, 512.f + 125);
        QCOMPARE(frame[30].kind, OpKind::Width);
        QCOMPARE(frame[30].a, 250.f);
        QCOMPARE(frame[31].kind, OpKind::Visible);
    }
    QCOMPARE(stage.passes, 180000);
}

void TestPendulums::singleTrace()
{
    RecordingStage stage;
    scenes::cmdmovimento_Click(stage);
    const auto frames = framesOf(stage.log, 1);
    const qsizetype expected[] = {81,  171, 262,  352,  442,  532,  622,  712,  802,
                                  892, 982, 1072, 1162, 1252, 1342, 1432, 1522, 1612};
    for (size_t n = 0; n < frames.size(); ++n)
        QCOMPARE(countIn(frames[n], OpKind::PSet, 2), expected[n]);
    const auto dots = stage.ops(OpKind::PSet, 2);
    QCOMPARE(dots.size(), size_t(15244));
    for (const Op &dot : dots)
        QCOMPARE(dot.colour, Red);
    // Dot n of the run (n from 1) has u = 0.01 n; within its frame, t runs
    // 0.1, 0.11, ...; it lies at (cos(u) + 0.1 + 19 t, 25 sin(u) + 50).
    const auto dot = [](int n, double t) {
        const double u = 0.01 * n;
        return QPointF(std::cos(u) + 0.1 + 19 * t, 25 * std::sin(u) + 50);
    };
    const auto at = [&](size_t index, QPointF expected) {
        const Op &d = dots[index];
        QVERIFY2(near(d.a, expected.x(), 1e-3) && near(d.b, expected.y(), 1e-3),
                 qPrintable(QStringLiteral("dot %1 at %2, %3 instead of %4, %5")
                                .arg(index)
                                .arg(d.a)
                                .arg(d.b)
                                .arg(expected.x())
                                .arg(expected.y())));
    };
    // Frame 1 rises from about (3.0, 50.25) to about (17.9, 68.1).
    at(0, dot(1, 0.1));
    at(80, dot(81, 0.9));
    QVERIFY(near(dots[0].a, 3.0, 0.01) && near(dots[0].b, 50.25, 0.01));
    QVERIFY(near(dots[80].a, 17.9, 0.05) && near(dots[80].b, 68.1, 0.05));
    // The phase carries on: frame 18 starts where frame 17 left the wave,
    // and ends at t = 16.21, beyond the sheet at about x = 308.
    at(15244 - 1612, dot(15244 - 1612 + 1, 0.1));
    at(15244 - 1, dot(15244, 16.21));
    QVERIFY(near(dots.back().a, 308, 0.05));
}

void TestPendulums::singleReadsNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("scroll");
    QTest::addRow("letters-in-the-box") << "abc" << 10;
    QTest::addRow("scroll-at-bottom") << "200" << 3000;
    QTest::addRow("overflowing-number") << "1e308" << 4096;
}

void TestPendulums::singleReadsNothing()
{
    QFETCH(QString, text);
    QFETCH(int, scroll);
    RecordingStage plain, other;
    other.text = text;
    other.scroll = scroll;
    other.twips = plain.twips;
    scenes::cmdmovimento_Click(plain);
    scenes::cmdmovimento_Click(other);
    scenes::Cmddoppio_Click(plain);
    scenes::Cmddoppio_Click(other);
    QCOMPARE(other.log.size(), plain.log.size());
    QCOMPARE(other.count(OpKind::Print), 0);
    QCOMPARE(other.passes, plain.passes);
}

void TestPendulums::doubleFrames()
{
    RecordingStage stage;
    scenes::Cmddoppio_Click(stage);
    QCOMPARE(stage.passes, 378000);
    QCOMPARE(stage.count(OpKind::Pause), 756);
    QCOMPARE(stage.count(OpKind::Cls, 2), 13);
    QCOMPARE(stage.count(OpKind::Cls, 1), 13);
    QCOMPARE(stage.count(OpKind::PSet), 0);

    // Twelve bob positions; the bob's rings centred at 125 + 15 sin(i).
    const double centres[] = {116.95, 110.00, 116.84, 131.18, 139.84, 134.85,
                              120.81, 110.62, 113.65, 127.12, 138.64, 137.62};
    const auto bobs = framesOf(stage.log, 1);
    QCOMPARE(bobs.size(), size_t(13)); // the first clear, then one per position
    for (size_t n = 1; n < bobs.size(); ++n) {
        const auto &bob = bobs[n];
        QCOMPARE(countIn(bob, OpKind::Circle, 1), 12);
        QCOMPARE(countIn(bob, OpKind::Line, 1), 3);
        QVERIFY2(near(bob[1].a, centres[n - 1], 0.005), qPrintable(QString::number(bob[1].a)));
        QCOMPARE(bob[1].d, 0.5f);
        QCOMPARE(bob[15].colour, Green); // the rim, across the top ring
        QCOMPARE(bob[15].b, 83.f);
        QCOMPARE(bob[15].d, 83.f);
        // One full swing of the board per position.
        QCOMPARE(countIn(bob, OpKind::Pause, 0), 63);
        QCOMPARE(countIn(bob, OpKind::Cls, 3), 63);
    }
    // First and last position: i = 12 and i = 1, centred at 125 + 15 sin(i).
    QVERIFY(near(bobs[1][1].a, 125 + 15 * std::sin(12.0)));
    QVERIFY(near(bobs[12][1].a, 125 + 15 * std::sin(1.0)));
}

void TestPendulums::doubleBoard()
{
    RecordingStage stage;
    scenes::Cmddoppio_Click(stage);
    std::vector<Op> boardOps; // what goes to the board's box, and the pauses
    for (const Op &op : stage.log)
        if (op.surface == 3 || op.surface == 0)
            boardOps.push_back(op);
    const auto boards = framesOf(boardOps, 3);
    QCOMPARE(boards.size(), size_t(756));
    for (const auto &board : boards) {
        QCOMPARE(board.size(), size_t(1 + 21 + 1)); // clear, 7 x (line, string, string), pause
        QCOMPARE(countIn(board, OpKind::Line, 3), 21);
        for (size_t k = 0; k < 7; ++k) {
            QCOMPARE(board[1 + 3 * k].colour, Red);
            QCOMPARE(board[2 + 3 * k].colour, Blue);
            QCOMPARE(board[3 + 3 * k].colour, Blue);
            QCOMPARE(board[1 + 3 * k].b, board[1 + 3 * k].d); // board lines are level
        }
        QCOMPARE(board.back().a, 500.f);
    }
    // d runs from cos(-3.14) to cos(3.06): read it back from the top line's
    // left end, 90 - 20 d, of the first and last frames.
    const double firstD = (90 - boards.front()[1].a) / 20;
    const double lastD = (90 - boards.back()[1].a) / 20;
    QVERIFY2(near(firstD, -0.9999987, 1e-5), qPrintable(QString::number(firstD, 'g', 10)));
    QVERIFY2(near(lastD, -0.9966732, 1e-5), qPrintable(QString::number(lastD, 'g', 10)));
    // The widest and lowest board is the frame nearest m = 0.
    const auto widest = std::max_element(boards.begin(), boards.begin() + 63, [](const auto &x, const auto &y) {
        return x[1].c - x[1].a < y[1].c - y[1].a;
    });
    QCOMPARE(widest - boards.begin(), 31); // m = -3.14 + 31 * 0.1 = -0.04
}

void TestPendulums::doubleLeavesTheSheetBlank()
{
    CanvasStage stage;
    scenes::cmdmovimento_Click(stage);
    const QImage drawn = stage.p2.canvas.image();
    QCOMPARE(drawn.width(), 250);
    QVERIFY(drawn.pixel(1, 26) == qRgb(255, 0, 0)); // the trace is there
    scenes::Cmddoppio_Click(stage);
    const QImage after = stage.p2.canvas.image();
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            QCOMPARE(after.pixel(x, y), qRgb(0, 0, 0));
}

void TestPendulums::singleFinalFramePixels()
{
    CanvasStage stage;
    scenes::cmdmovimento_Click(stage);
    const QImage pendulum = stage.p1.canvas.image();
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0);
    // Frame 18, s = sin(1) / 0.95 = 0.8858: the string hangs from the top
    // down to 80 + 10 s, the bar lies at 81 + 10 s from 75 to 125, and the
    // lowest ring, centred at 117 + 10 s, reaches down to about 129.4.
    QCOMPARE(pendulum.pixel(100, 2), blue);
    QCOMPARE(pendulum.pixel(100, 40), blue);
    QCOMPARE(pendulum.pixel(76, 89), blue);
    QCOMPARE(pendulum.pixel(124, 89), blue);
    QCOMPARE(pendulum.pixel(100, 129), red);
    QCOMPARE(pendulum.pixel(100, 135), black);
    QCOMPARE(pendulum.pixel(30, 90), black);
    // The widest ring, radius 26, aspect 0.8858: its sides at x 74 and 126.
    QCOMPARE(pendulum.pixel(74, 93), red);
    QCOMPARE(pendulum.pixel(126, 93), red);

    // The sheet: the wave of frame 18 around height 50, amplitude 25.
    const QImage sheet = stage.p2.canvas.image();
    QCOMPARE(sheet.size(), QSize(250, 90));
    int rows[90] = {};
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            rows[y] += sheet.pixel(x, y) == red;
    QVERIFY(rows[50] > 0 && rows[25] > 0 && rows[75] > 0);
    QCOMPARE(rows[10] + rows[85], 0);
    QCOMPARE(sheet.pixel(1, 26), red); // the frame's first dot, at about (1.68, 26.34)
}

void TestPendulums::doubleFinalFramePixels()
{
    CanvasStage stage;
    scenes::Cmddoppio_Click(stage);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0), black = qRgb(0, 0, 0);
    // The last board, d = -0.9967: narrow at the bottom, top line at about
    // 32 from 92 to 198, bottom line at about 50 from 110 to 180.
    const QImage board = stage.p3.canvas.image();
    QCOMPARE(board.pixel(150, 32), red);
    QCOMPARE(board.pixel(95, 32), red);
    QCOMPARE(board.pixel(150, 50), red);
    QCOMPARE(board.pixel(100, 50), black);
    QCOMPARE(board.pixel(150, 60), black);
    // The strings, from about (95, 28) up to (93, 1) and (195, 28) up to (185, 1).
    QCOMPARE(board.pixel(94, 10), blue);
    // The bob at its twelfth position, centred at about 137.6: green rim at 83.
    const QImage bob = stage.p1.canvas.image();
    QCOMPARE(bob.pixel(120, 83), green);
    QCOMPARE(bob.pixel(137, 117 + 2), red); // bottom of the smallest ring (radius 4, height 2)
    QCOMPARE(bob.pixel(125, 1), blue);      // the strings meet at the top
}

QTEST_GUILESS_MAIN(TestPendulums)
#include "tst_pendulums.moc"
