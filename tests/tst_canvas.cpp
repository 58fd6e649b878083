// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the canvas puts its pixels: ellipses above aspect one, points at a
// fractional device pixel ratio, and shapes at any finite coordinate, however
// far outside the picture, which land where they should or leave no mark.
#include "surface/canvas.h"

#include <QTest>

#include <cmath>
#include <functional>

using namespace brovaci;

Q_DECLARE_METATYPE(std::function<void(Canvas &)>)

namespace {

using Draw = std::function<void(Canvas &)>;

constexpr QRgb BlueRgb = qRgb(0, 0, 255);
constexpr QRgb BlackRgb = qRgb(0, 0, 0);

int countColour(const QImage &image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == rgb;
    return n;
}

// The smallest rectangle holding every pixel that is not black.
QRect marked(const QImage &image)
{
    QRect all;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != BlackRgb)
                all |= QRect(x, y, 1, 1);
    return all;
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void ellipseAboveAspectOne();
    void pointAtFractionalRatio();
    void farCoordinates_data();
    void farCoordinates();
};

void TestCanvas::ellipseAboveAspectOne()
{
    // Aspect 2: the radius is the vertical half-axis, the horizontal one is half of it.
    Canvas canvas(Black);
    canvas.resize({100, 100});
    canvas.Circle(50, 50, 20, 2, Red);
    const QImage image = canvas.image();
    const QRgb red = qRgb(255, 0, 0);
    QCOMPARE(image.pixel(50, 30), red);      // top
    QCOMPARE(image.pixel(50, 70), red);      // bottom
    QCOMPARE(image.pixel(40, 50), red);      // left, 10 from the centre
    QCOMPARE(image.pixel(60, 50), red);      // right
    QCOMPARE(image.pixel(30, 50), BlackRgb); // a circle of radius 20 would pass here
    QCOMPARE(image.pixel(70, 50), BlackRgb);
    QCOMPARE(image.pixel(50, 50), BlackRgb); // an outline, not filled
    // The same ellipse from a negative aspect.
    Canvas negative(Black);
    negative.resize({100, 100});
    negative.Circle(50, 50, 20, -2, Red);
    QCOMPARE(negative.image(), image);
}

void TestCanvas::pointAtFractionalRatio()
{
    // At 1.5 device pixels a pixel, a point at (11, 11) covers logical pixels
    // 10 to 12, that is device pixels from 15 to 19.5: 15 to 18 whole, 14 and
    // 20 not at all.
    Canvas canvas(Black, 1.5);
    canvas.resize({40, 40});
    canvas.PSet(11, 11, Blue);
    const QImage image = canvas.image();
    QCOMPARE(image.size(), QSize(60, 60));
    for (int d = 15; d <= 18; ++d) {
        QCOMPARE(image.pixel(d, 16), BlueRgb);
        QCOMPARE(image.pixel(16, d), BlueRgb);
    }
    for (int d : {14, 20}) {
        QCOMPARE(image.pixel(d, 16), BlackRgb);
        QCOMPARE(image.pixel(16, d), BlackRgb);
    }
    // One dot and nothing else: at most 5 x 5 device pixels.
    const int covered = countColour(image, BlueRgb);
    QVERIFY2(covered >= 16 && covered <= 25, qPrintable(QString::number(covered)));
}

void TestCanvas::farCoordinates_data()
{
    // On a 100 x 80 picture: what is drawn, pixels that must be blue, pixels
    // that must stay black, and the rectangle every mark must lie in (empty:
    // no mark at all).
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QList<QPoint>>("inked");
    QTest::addColumn<QList<QPoint>>("blank");
    QTest::addColumn<QRect>("within");
    const QList<QPoint> none;
    const QRect nowhere;

    // Points: a dot covers the pixel of its coordinates and the eight around it.
    QTest::addRow("point-at-1e300") << Draw([](Canvas &c) { c.PSet(1e300, 40, Blue); }) << none << none << nowhere;
    QTest::addRow("point-at-minus-1e300")
        << Draw([](Canvas &c) { c.PSet(-1e300, -1e300, Blue); }) << none << none << nowhere;
    QTest::addRow("point-at-3e9") << Draw([](Canvas &c) { c.PSet(3e9, 40, Blue); }) << none << none << nowhere;
    QTest::addRow("point-at-minus-3e9") << Draw([](Canvas &c) { c.PSet(-3e9, 40, Blue); }) << none << none << nowhere;
    QTest::addRow("point-below-3e9") << Draw([](Canvas &c) { c.PSet(50, 3e9, Blue); }) << none << none << nowhere;
    QTest::addRow("point-just-left") << Draw([](Canvas &c) { c.PSet(-1.5, 40, Blue); }) << none << none << nowhere;
    QTest::addRow("point-on-the-left-edge")
        << Draw([](Canvas &c) { c.PSet(-1, 40, Blue); }) << QList<QPoint>{{0, 39}, {0, 41}} << QList<QPoint>{{1, 40}}
        << QRect(0, 39, 1, 3);
    QTest::addRow("point-just-right") << Draw([](Canvas &c) { c.PSet(101, 40, Blue); }) << none << none << nowhere;
    QTest::addRow("point-on-the-right-edge")
        << Draw([](Canvas &c) { c.PSet(100.5, 40, Blue); }) << QList<QPoint>{{99, 40}} << QList<QPoint>{{98, 40}}
        << QRect(99, 39, 1, 3);
    QTest::addRow("point-just-above") << Draw([](Canvas &c) { c.PSet(50, -2, Blue); }) << none << none << nowhere;
    QTest::addRow("point-just-below") << Draw([](Canvas &c) { c.PSet(50, 81, Blue); }) << none << none << nowhere;

    // Lines: 3 pixels wide, centred on the segment.
    QTest::addRow("line-across-1e300") << Draw([](Canvas &c) { c.Line(-1e300, 40, 1e300, 40, Blue); })
                                       << QList<QPoint>{{0, 40}, {50, 40}, {99, 40}}
                                       << QList<QPoint>{{50, 37}, {50, 43}} << QRect(0, 38, 100, 5);
    QTest::addRow("line-down-3e9") << Draw([](Canvas &c) { c.Line(30, -3e9, 30, 3e9, Blue); })
                                   << QList<QPoint>{{30, 0}, {30, 40}, {30, 79}} << QList<QPoint>{{26, 40}, {34, 40}}
                                   << QRect(28, 0, 5, 80);
    QTest::addRow("diagonal-3e9") << Draw([](Canvas &c) { c.Line(-3e9, -3e9, 3e9, 3e9, Blue); })
                                  << QList<QPoint>{{1, 1}, {40, 40}, {79, 79}}
                                  << QList<QPoint>{{40, 30}, {30, 40}, {90, 79}} << QRect(0, 0, 83, 80);
    QTest::addRow("from-inside-to-1e300")
        << Draw([](Canvas &c) { c.Line(50, 40, 1e300, 40, Blue); }) << QList<QPoint>{{50, 40}, {99, 40}}
        << QList<QPoint>{{45, 40}} << QRect(48, 38, 52, 5);
    QTest::addRow("from-inside-to-3e9-slanted")
        << Draw([](Canvas &c) { c.Line(10, 10, 3e9, 3e9, Blue); }) << QList<QPoint>{{10, 10}, {60, 60}, {79, 79}}
        << QList<QPoint>{{5, 5}, {60, 40}} << QRect(8, 8, 92, 72);
    QTest::addRow("line-far-away") << Draw([](Canvas &c) { c.Line(1e300, 1e300, 2e300, 1e300, Blue); }) << none << none
                                   << nowhere;
    QTest::addRow("line-left-of-the-picture")
        << Draw([](Canvas &c) { c.Line(-3e9, 0, -10, 80, Blue); }) << none << none << nowhere;
    QTest::addRow("line-from-the-largest-to-the-smallest")
        << Draw([](Canvas &c) { c.Line(-1.7e308, 40, 1.7e308, 40, Blue); }) << QList<QPoint>{{0, 40}, {99, 40}}
        << QList<QPoint>{{50, 36}} << QRect(0, 38, 100, 5);
    QTest::addRow("line-just-below") << Draw([](Canvas &c) { c.Line(0, 82, 100, 82, Blue); }) << none << none
                                     << nowhere;

    // Ellipses: the whole outline, 3 pixels wide.
    QTest::addRow("circle-around-everything-1e300")
        << Draw([](Canvas &c) { c.Circle(50, 40, 1e300, 1, Blue); }) << none << none << nowhere;
    QTest::addRow("circle-around-everything-3e9")
        << Draw([](Canvas &c) { c.Circle(50, 40, 3e9, 1, Blue); }) << none << none << nowhere;
    QTest::addRow("circle-far-away") << Draw([](Canvas &c) { c.Circle(1e300, 1e300, 10, 1, Blue); }) << none << none
                                     << nowhere;
    QTest::addRow("circle-left-of-the-picture")
        << Draw([](Canvas &c) { c.Circle(-10, 40, 5, 1, Blue); }) << none << none << nowhere;
    // Centred 3e9 to the left, passing through x = 60: within 80 rows it
    // bends by 40^2 / (2 * 3e9) of a pixel, a straight column.
    QTest::addRow("circle-3e9-passing-through")
        << Draw([](Canvas &c) { c.Circle(-3e9, 40, 3e9 + 60, 1, Blue); }) << QList<QPoint>{{60, 0}, {60, 40}, {60, 79}}
        << QList<QPoint>{{56, 40}, {64, 40}, {20, 40}} << QRect(58, 0, 5, 80);
    // Half-axes 1e300 across and 20 up and down: two rows, 20 above and below the centre.
    QTest::addRow("ellipse-1e300-wide") << Draw([](Canvas &c) { c.Circle(50, 40, 1e300, 2e-299, Blue); })
                                        << QList<QPoint>{{0, 20}, {50, 20}, {99, 20}, {0, 60}, {99, 60}}
                                        << QList<QPoint>{{50, 40}, {50, 16}, {50, 64}} << QRect(0, 18, 100, 45);
    // Half-axes 30 across and 1e300 up and down: two columns, 30 left and right of the centre.
    QTest::addRow("ellipse-1e300-tall") << Draw([](Canvas &c) { c.Circle(50, 40, 1e300, 1e300 / 30, Blue); })
                                        << QList<QPoint>{{20, 0}, {20, 79}, {80, 0}, {80, 79}}
                                        << QList<QPoint>{{50, 40}, {16, 40}, {84, 40}} << QRect(18, 0, 65, 80);
}

void TestCanvas::farCoordinates()
{
    QFETCH(Draw, draw);
    QFETCH(QList<QPoint>, inked);
    QFETCH(QList<QPoint>, blank);
    QFETCH(QRect, within);
    Canvas canvas(Black);
    canvas.resize({100, 80});
    draw(canvas);
    const QImage image = canvas.image();
    for (const QPoint p : inked)
        QVERIFY2(image.pixel(p) == BlueRgb, qPrintable(QStringLiteral("no ink at %1, %2").arg(p.x()).arg(p.y())));
    for (const QPoint p : blank)
        QVERIFY2(image.pixel(p) == BlackRgb, qPrintable(QStringLiteral("ink at %1, %2").arg(p.x()).arg(p.y())));
    const QRect marks = marked(image);
    QVERIFY2(within.isEmpty() ? marks.isEmpty() : within.contains(marks),
             qPrintable(QStringLiteral("marks from %1, %2 to %3, %4")
                            .arg(marks.left())
                            .arg(marks.top())
                            .arg(marks.right())
                            .arg(marks.bottom())));
    // Only the colour drawn: no stray pixel of another.
    QCOMPARE(countColour(image, BlueRgb) + countColour(image, BlackRgb), image.width() * image.height());
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
