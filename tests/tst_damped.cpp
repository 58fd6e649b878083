// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The damped pendulums: the 95-frame film and the still figure of the right
// mouse button, their computed colours, their failures and their pixels.
#include "app/frmpendolo.h"
#include "quickwindow.h"
#include "canvasstage.h"
#include "recordingstage.h"
#include "scenes/scenes.h"
#include "display/picturebox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

class TestDamped : public QObject {
    Q_OBJECT
private slots:
    void film();
    void filmColours_data();
    void filmColours();
    void stillFigure();
    void stillColours_data();
    void stillColours();
    void mouseButtons();
    void fingerHeld_data();
    void fingerHeld();
    void stillFigurePixels();
};

namespace {

void rightPress(Stage &stage)
{
    scenes::Cmdperde_MouseDown(stage, 2, 0, 10, 10);
}

QImage reference(void (*scene)(Stage &))
{
    CanvasStage stage;
    scene(stage);
    return stage.p3.canvas.image();
}

} // namespace

void TestDamped::film()
{
    RecordingStage stage;
    scenes::Cmdperde_Click(stage);
    QVERIFY(stage.periodBoxShown);
    QCOMPARE(stage.log[0].kind, OpKind::Visible);
    QCOMPARE(stage.log[0].surface, 3);
    QCOMPARE(stage.count(OpKind::Cls, 3), 95);
    QCOMPARE(stage.count(OpKind::PSet, 3), 59755);
    QCOMPARE(stage.count(OpKind::Pause), 0);
    QVERIFY(!stage.touched(1) && !stage.touched(2));
    // Every frame: a clear, then 629 points.
    for (size_t at = 1; at < stage.log.size(); at += 630)
        QCOMPARE(stage.log[at].kind, OpKind::Cls);
    const Op &first = stage.log[2];
    // About (123.10, 101.21): the swing factor 100 - (6.28 + 0.02) * 17 = -7.1
    // at t = -3.14, phase -3.14.
    const double m = 100 - (6.28 + 0.02) * 17;
    QVERIFY(std::fabs(first.a - (std::sin(1.0) * std::cos(-314.0) * m + 129)) < 1e-3);
    QVERIFY(std::fabs(first.b - (std::cos(1.0) * std::sin(-3.14 * 200 - 3.14) * m + 100)) < 1e-3);
    QVERIFY(std::fabs(first.a - 123.10) < 0.005 && std::fabs(first.b - 101.21) < 0.005);
    QCOMPARE(first.colour, Colour(0x00FB52));
    // Every frame opens out from the centre: its first point lies near it
    // (swing factor -7.1), its last far out.
    for (size_t at = 1; at < stage.log.size(); at += 630) {
        const Op &inner = stage.log[at + 1], &outer = stage.log[at + 629];
        QVERIFY(std::hypot(inner.a - 129.0, inner.b - 100.0) < 7.2);
        QVERIFY(std::hypot(outer.a - 129.0, outer.b - 100.0) > std::hypot(inner.a - 129.0, inner.b - 100.0));
    }
}

void TestDamped::filmColours_data()
{
    QTest::addColumn<int>("point"); // index within a frame; t = -3.14 + 0.01 * point
    QTest::addColumn<uint>("colour");
    QTest::addRow("t=-3.14-green-with-red") << 0 << 0x00FB52u;
    QTest::addRow("t=0-pure-green") << 314 << 0x00FF00u;
    QTest::addRow("t=0.85-yellow") << 399 << 0x00FFFFu;
    QTest::addRow("t=0.86-nearly-black-no-clamping") << 400 << 0x010002u;
    QTest::addRow("t=1-very-dark-red") << 414 << 0x01002Cu;
    QTest::addRow("t=3.14-medium-red") << 628 << 0x0102AEu;
}

void TestDamped::filmColours()
{
    QFETCH(int, point);
    QFETCH(uint, colour);
    RecordingStage stage;
    scenes::Cmdperde_Click(stage);
    const auto points = stage.ops(OpKind::PSet, 3);
    // The same colour at the same point of every frame.
    for (size_t frame = 0; frame < 95; frame += 47)
        QCOMPARE(points[frame * 629 + size_t(point)].colour, Colour(colour));
}

void TestDamped::stillFigure()
{
    RecordingStage stage;
    rightPress(stage);
    QCOMPARE(stage.log[0].kind, OpKind::Cls);
    QCOMPARE(stage.count(OpKind::Cls), 1);
    QCOMPARE(stage.count(OpKind::PSet, 3), 629);
    // It changes no property of any control.
    QCOMPARE(stage.count(OpKind::Visible) + stage.count(OpKind::ForeColor) + stage.count(OpKind::FontSize), 0);
    QVERIFY(!stage.periodBoxShown);
    const auto points = stage.ops(OpKind::PSet, 3);
    // Point k (from 1) at t = -3.14 + 0.01 (k - 1), with the swing factor
    // 190 - 0.3 k: (sin(1) cos(100 t) m + 129, cos(1) sin(200 t) m + 100).
    for (const int k : {1, 315, 629}) {
        const double t = -3.14 + 0.01 * (k - 1), m = 190 - 0.3 * k;
        const Op &p = points[size_t(k - 1)];
        QVERIFY2(std::fabs(p.a - (std::sin(1.0) * std::cos(100 * t) * m + 129)) < 1e-3
                     && std::fabs(p.b - (std::cos(1.0) * std::sin(200 * t) * m + 100)) < 1e-3,
                 qPrintable(QStringLiteral("point %1 at %2, %3").arg(k).arg(p.a).arg(p.b)));
    }
    // The first at about (286.61, 132.10), as the design has it.
    QVERIFY(std::fabs(points.front().a - 286.61) < 0.005 && std::fabs(points.front().b - 132.10) < 0.005);
    // The swing dies away: the last point lies next to the centre.
    QVERIFY(std::hypot(points.back().a - 129.0, points.back().b - 100.0) < 1.5);

    // Only the right button acts.
    for (int button : {1, 4}) {
        RecordingStage other;
        scenes::Cmdperde_MouseDown(other, button, 0, 0, 0);
        QVERIFY(other.log.empty());
    }
}

void TestDamped::stillColours_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<uint>("colour");
    QTest::addRow("t=-3.14-red") << 0 << 0x0100D7u;
    QTest::addRow("t=-1.72-nearly-black") << 142 << 0x010002u;
    QTest::addRow("t=-1.70-yellow") << 144 << 0x00FFFFu;
    QTest::addRow("t=0-pure-green") << 314 << 0x00FF00u;
    QTest::addRow("t=1.70-green") << 484 << 0x00FE01u;
    QTest::addRow("t=1.72-yellow") << 486 << 0x00FDFEu;
    QTest::addRow("t=3.14-yellowish-green") << 628 << 0x00FD29u;
    // 65280 - 150 t lands exactly on a half at every other point: halves go to even.
    QTest::addRow("half-65749.5-up-to-even") << 1 << 65750u;
    QTest::addRow("half-65746.5-down-to-even") << 3 << 65746u;
    QTest::addRow("half-65743.5-up-to-even") << 5 << 65744u;
    QTest::addRow("half-65740.5-down-to-even") << 7 << 65740u;
}

void TestDamped::stillColours()
{
    QFETCH(int, point);
    QFETCH(uint, colour);
    RecordingStage stage;
    rightPress(stage);
    QCOMPARE(stage.ops(OpKind::PSet, 3)[size_t(point)].colour, Colour(colour));
}

void TestDamped::mouseButtons()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *button = w.findChild<QPushButton *>(u"Cmdperde"_s);
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    const auto shown = [&w] { return shownPicture(w, "Picture3"); };
    PaintCounter paints(w.findChild<PictureBox *>(u"Picture3"_s));
    const QImage opening = shown();
    const QImage still = reference([](Stage &s) { rightPress(s); });
    const QImage filmEnd = reference(scenes::Cmdperde_Click);
    QVERIFY(still != filmEnd && opening != still);

    // Middle: nothing at all.
    QTest::mousePress(button, Qt::MiddleButton);
    QTest::mouseRelease(button, Qt::MiddleButton);
    QCOMPARE(shown(), opening);

    // Right: the still figure at the press, no film, no control changed.
    box->hide();
    QTest::mousePress(button, Qt::RightButton);
    QCOMPARE(shown(), still);
    QTest::mouseRelease(button, Qt::RightButton);
    QCOMPARE(shown(), still);
    QVERIFY(box->isHidden()); // the film would have shown the box
    box->show();

    // Left: the press does nothing here; the click that follows plays the film, once.
    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(shown(), still);
    const int frames = paints.count;
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(shown(), filmEnd);
    const int played = paints.count - frames;
    QVERIFY2(played >= 95 && played < 2 * 95, qPrintable(QString::number(played)));
}

// A finger held still for half a second gives the still figure, as the right
// button does, and no film; a shorter touch, one that moves, or a mouse held
// as long, clicks. Timed by the events' own timestamps.
void TestDamped::fingerHeld_data()
{
    QTest::addColumn<bool>("finger");
    QTest::addColumn<int>("held");
    QTest::addColumn<int>("moved");
    QTest::addColumn<bool>("still");
    QTest::newRow("tap") << true << 120 << 0 << false;
    QTest::newRow("just short") << true << 499 << 0 << false;
    QTest::newRow("long press") << true << 500 << 0 << true;
    QTest::newRow("long press, a little unsteady") << true << 900 << 3 << true;
    QTest::newRow("held, and moved") << true << 900 << 40 << false;
    QTest::newRow("mouse held as long") << false << 900 << 0 << false;
}

void TestDamped::fingerHeld()
{
    QFETCH(bool, finger);
    QFETCH(int, held);
    QFETCH(int, moved);
    QFETCH(bool, still);
    static const QPointingDevice touchScreen(u"finger"_s, 7001, QInputDevice::DeviceType::TouchScreen,
                                             QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position,
                                             1, 0);
    const QPointingDevice *device = finger ? &touchScreen : QPointingDevice::primaryPointingDevice();
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *button = w.findChild<QPushButton *>(u"Cmdperde"_s);
    int clicks = 0;
    connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    const QPointF at(40, 15), to = at + QPointF(moved, 0);
    QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier, device);
    press.setTimestamp(10000);
    QMouseEvent release(QEvent::MouseButtonRelease, to, button->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier, device);
    release.setTimestamp(10000 + quint64(held));
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
    QCOMPARE(clicks, still ? 0 : 1);
    QCOMPARE(shownPicture(w, "Picture3"),
             still ? reference([](Stage &s) { rightPress(s); }) : reference(scenes::Cmdperde_Click));
    QVERIFY(!button->isDown());
}

void TestDamped::stillFigurePixels()
{
    RecordingStage model;
    rightPress(model);
    const auto points = model.ops(OpKind::PSet, 3);
    const QImage image = reference([](Stage &s) { rightPress(s); });
    // Each point's own pixel shows its colour, or that of a later point whose
    // 3-pixel dot covers it. Red points lie on average far out, green ones near
    // the centre (129, 100).
    double redDistance = 0, greenDistance = 0;
    int red = 0, green = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const int x = int(std::floor(points[i].a)), y = int(std::floor(points[i].b));
        if (!image.rect().contains(x, y))
            continue;
        Colour expected = points[i].colour;
        for (size_t j = i + 1; j < points.size(); ++j)
            if (std::abs(int(std::floor(points[j].a)) - x) <= 1 && std::abs(int(std::floor(points[j].b)) - y) <= 1)
                expected = points[j].colour;
        QCOMPARE(image.pixel(x, y), toRgb(expected));
        const QRgb p = toRgb(points[i].colour);
        const double r = std::hypot(points[i].a - 129.0, points[i].b - 100.0);
        if (qGreen(p) <= 2 && qRed(p) >= 0x80) {
            redDistance += r;
            ++red;
        } else if (qGreen(p) >= 0xFD && qRed(p) < 0x80) {
            greenDistance += r;
            ++green;
        }
    }
    QVERIFY(red > 20 && green > 100);
    QVERIFY(redDistance / red > 2 * greenDistance / green);
}

QTEST_MAIN(TestDamped)
#include "tst_damped.moc"
