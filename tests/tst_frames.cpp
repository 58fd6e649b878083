// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame engine with real intervals, on the offscreen platform: how long
// a pause holds, when presenting waits for a paint and when it does not, the
// refresh hold of a frame about to be wiped, and where the canvas puts its
// pixels on ellipses and at fractional device pixel ratios.
#include "display/picturebox.h"
#include "display/presenter.h"
#include "surface/canvas.h"
#include "surface/pacing.h"

#include <QTest>

#include <chrono>

using namespace brovaci;
using namespace std::chrono_literals;

namespace {

using Ms = std::chrono::duration<double, std::milli>;

template <typename F>
Ms timed(F &&f)
{
    const auto start = Clock::now();
    f();
    return Clock::now() - start;
}

// A box on screen in a window of its own; its paints are timed.
class ShownBox : public QObject {
public:
    explicit ShownBox(Presenter &presenter) : box(new PictureBox(presenter, Black, PictureBox::Border::None, &top))
    {
        box->setGeometry(0, 0, 100, 100);
        top.resize(100, 100);
        box->installEventFilter(this);
    }
    bool show()
    {
        top.show();
        return QTest::qWaitForWindowExposed(&top);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paints.append(Clock::now());
        return false;
    }
    QWidget top;
    PictureBox *box;
    QList<Clock::time_point> paints;
};

int countColour(const QImage &image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == rgb;
    return n;
}

} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void pauseLength_data();
    void pauseLength();
    void unexposedBoxReturnsAtOnce();
    void afterATimeoutOnlyARefresh();
    void wipedFrameStaysOneRefresh();
    void ellipseAboveAspectOne();
    void pointAtFractionalRatio();
};

void TestFrames::pauseLength_data()
{
    QTest::addColumn<int>("passes");
    QTest::addColumn<int>("passMicroseconds");
    QTest::addRow("one-pass") << 1 << 20000;
    QTest::addRow("many-short-passes") << 400 << 250;
    QTest::addRow("the-real-pass") << 3150 << 31; // about a tenth of a second at 31.75 us
}

void TestFrames::pauseLength()
{
    QFETCH(int, passes);
    QFETCH(int, passMicroseconds);
    Presenter presenter(0ns);
    ShownBox shown(presenter);
    QVERIFY(shown.show());
    const auto pass = passMicroseconds == 31 ? Pacer::DefaultPass : std::chrono::microseconds(passMicroseconds);
    Pacer pacer(&presenter, pass);
    const Ms nominal = pass * passes;
    const Ms took = timed([&] { pacer.IdlePause(std::int16_t(passes)); });
    QVERIFY2(took >= nominal, qPrintable(QString("%1 ms for %2 ms").arg(took.count()).arg(nominal.count())));
    // Sleeping in steps of at most a millisecond keeps it close; the slack is
    // for a loaded machine, not for the pause.
    QVERIFY2(took < nominal + 150ms, qPrintable(QString("%1 ms for %2 ms").arg(took.count()).arg(nominal.count())));
    QCOMPARE(pacer.textLine(), passes);
}

void TestFrames::unexposedBoxReturnsAtOnce()
{
    Presenter presenter(100ms);
    QWidget top; // never shown
    auto *box = new PictureBox(presenter, Black, PictureBox::Border::None, &top);
    box->resize(50, 50);
    for (int frame = 0; frame < 3; ++frame) {
        const Ms took = timed([&] {
            box->Cls();
            box->PSet(10, 10, Blue);
            presenter.present();
        });
        QVERIFY2(took < 50ms, qPrintable(QString::number(took.count())));
    }
}

void TestFrames::afterATimeoutOnlyARefresh()
{
    Presenter presenter(40ms);
    ShownBox shown(presenter);
    QVERIFY(shown.show());
    // Exposed, but its paints never come: a compositor that shows no frames.
    shown.box->setUpdatesEnabled(false);
    shown.box->PSet(10, 10, Blue);
    const Ms first = timed([&] { presenter.present(); });
    QVERIFY2(first >= Presenter::PaintTimeout, qPrintable(QString::number(first.count())));
    shown.box->PSet(20, 20, Blue);
    const Ms second = timed([&] { presenter.present(); });
    QVERIFY2(second >= 40ms && second < Presenter::PaintTimeout, qPrintable(QString::number(second.count())));
    // Once paints come through again, a present waits only for its paint.
    shown.box->setUpdatesEnabled(true);
    shown.box->PSet(30, 30, Blue);
    presenter.present();
    QVERIFY(!shown.paints.isEmpty());
}

void TestFrames::wipedFrameStaysOneRefresh()
{
    constexpr auto Refresh = 120ms;
    Presenter presenter(Refresh);
    ShownBox shown(presenter);
    QVERIFY(shown.show());
    shown.box->PSet(10, 10, Blue);
    presenter.present();
    QVERIFY(!shown.paints.isEmpty());
    const auto firstShown = shown.paints.last();
    // The next frame wipes it at once: the wipe waits for the refresh.
    shown.box->Cls();
    shown.box->PSet(20, 20, Red);
    presenter.present();
    QVERIFY(shown.paints.last() > firstShown);
    const Ms onScreen = shown.paints.last() - firstShown;
    QVERIFY2(onScreen >= Refresh, qPrintable(QString::number(onScreen.count())));
    // Drawing on top of a frame without wiping it is not held.
    const Ms added = timed([&] {
        shown.box->PSet(30, 30, Red);
        presenter.present();
    });
    QVERIFY2(added < Refresh, qPrintable(QString::number(added.count())));
}

void TestFrames::ellipseAboveAspectOne()
{
    // Aspect 2: the radius is the vertical half-axis, the horizontal one is half of it.
    Canvas canvas(Black);
    canvas.resize({100, 100});
    canvas.Circle(50, 50, 20, 2, Red);
    const QImage image = canvas.image();
    const QRgb red = qRgb(255, 0, 0), black = qRgb(0, 0, 0);
    QCOMPARE(image.pixel(50, 30), red); // top
    QCOMPARE(image.pixel(50, 70), red); // bottom
    QCOMPARE(image.pixel(40, 50), red); // left, 10 from the centre
    QCOMPARE(image.pixel(60, 50), red); // right
    QCOMPARE(image.pixel(30, 50), black); // a circle of radius 20 would pass here
    QCOMPARE(image.pixel(70, 50), black);
    QCOMPARE(image.pixel(50, 50), black); // an outline, not filled
    // The same ellipse from a negative aspect.
    Canvas negative(Black);
    negative.resize({100, 100});
    negative.Circle(50, 50, 20, -2, Red);
    QCOMPARE(negative.image(), image);
}

void TestFrames::pointAtFractionalRatio()
{
    // At 1.5 device pixels a pixel, a point at (11, 11) covers logical pixels
    // 10 to 12, that is device pixels from 15 to 19.5: 15 to 18 whole, 14 and
    // 20 not at all.
    Canvas canvas(Black, 1.5);
    canvas.resize({40, 40});
    canvas.PSet(11, 11, Blue);
    const QImage image = canvas.image();
    QCOMPARE(image.size(), QSize(60, 60));
    const QRgb blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0);
    for (int d = 15; d <= 18; ++d) {
        QCOMPARE(image.pixel(d, 16), blue);
        QCOMPARE(image.pixel(16, d), blue);
    }
    for (int d : {14, 20}) {
        QCOMPARE(image.pixel(d, 16), black);
        QCOMPARE(image.pixel(16, d), black);
    }
    // One dot and nothing else: at most 5 x 5 device pixels.
    const int covered = countColour(image, blue);
    QVERIFY2(covered >= 16 && covered <= 25, qPrintable(QString::number(covered)));
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
