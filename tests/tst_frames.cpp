// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The frame engine on the offscreen platform, on a clock the test drives:
// how long a pause holds, when presenting waits for a paint and when it does
// not, the refresh hold of a frame about to be wiped, what a present asks to
// repaint, and a box that goes away while a present waits. The times are
// exact, whatever the machine is doing; the benchmark measures them on the
// real clock.
#include "display/picturebox.h"
#include "display/presenter.h"
#include "manualclock.h"
#include "surface/pacing.h"

#include <QPaintEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <chrono>

using namespace brovaci;
using namespace brovaci::testing;
using namespace std::chrono_literals;

namespace {

// A box on screen in a window of its own; its paints are logged on the
// test's clock, with the area each one repainted.
class ShownBox : public QObject {
public:
    ShownBox(Presenter &presenter, ManualClock &clock)
        : clock(clock), box(new PictureBox(presenter, Black, PictureBox::Border::None, &top))
    {
        box->setGeometry(0, 0, 100, 100);
        top.resize(100, 100);
        box->installEventFilter(this);
    }
    bool show()
    {
        top.show();
        const bool exposed = QTest::qWaitForWindowExposed(&top);
        QCoreApplication::processEvents();
        paints.clear();
        areas.clear();
        return exposed;
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            paints.append(clock.now());
            areas.append(static_cast<QPaintEvent *>(event)->rect());
        }
        return false;
    }
    ManualClock &clock;
    QWidget top;
    QPointer<PictureBox> box;
    QList<Clock::time_point> paints;
    QList<QRect> areas;
};

} // namespace

class TestFrames : public QObject {
    Q_OBJECT
private slots:
    void pauseLength_data();
    void pauseLength();
    void unexposedBoxReturnsAtOnce();
    void afterATimeoutOnlyARefresh();
    void wipedFrameStaysOneRefresh();
    void wipedFrameStaysUntilTheDisplayTookIt();
    void pauseEndsWithTheDisplaysFrames_data();
    void pauseEndsWithTheDisplaysFrames();
    void repaintsOnlyWhatChanged();
    void boxDestroyedWhileAPresentWaits();
};

void TestFrames::pauseLength_data()
{
    QTest::addColumn<int>("passes");
    QTest::addColumn<qint64>("passNanoseconds");
    QTest::addColumn<qint64>("expectedNanoseconds");
    QTest::addRow("one-long-pass") << 1 << qint64(20'000'000) << qint64(20'000'000);
    QTest::addRow("many-short-passes") << 400 << qint64(250'000) << qint64(100'000'000);
    // 3150 x 31.75 us = 100.0125 ms: the board of the double pendulum in six frames.
    QTest::addRow("the-real-pass") << 3150 << qint64(Pacer::DefaultPass.count()) << qint64(100'012'500);
    QTest::addRow("a-pass-shorter-than-a-sleep") << 3 << qint64(100'000) << qint64(300'000);
    QTest::addRow("no-pass") << 0 << qint64(Pacer::DefaultPass.count()) << qint64(0);
    QTest::addRow("negative-count") << -5 << qint64(Pacer::DefaultPass.count()) << qint64(0);
}

void TestFrames::pauseLength()
{
    QFETCH(int, passes);
    QFETCH(qint64, passNanoseconds);
    QFETCH(qint64, expectedNanoseconds);
    ManualClock clock;
    Presenter presenter(0ns, clock);
    ShownBox shown(presenter, clock);
    QVERIFY(shown.show());
    Pacer pacer(&presenter, std::chrono::nanoseconds(passNanoseconds), clock);
    shown.box->PSet(10, 10, Blue);
    const auto start = clock.now();
    pacer.IdlePause(std::int16_t(passes));
    QCOMPARE(clock.since(start), std::chrono::nanoseconds(expectedNanoseconds));
    QCOMPARE(pacer.textLine(), std::max(passes, 0));
    if (expectedNanoseconds > 0) {
        // The frame drawn so far reached the screen before the wait ...
        QCOMPARE(shown.paints.size(), 1);
        QCOMPARE(shown.paints.first(), start);
        // ... and the wait slept, a millisecond at most at a time, with the
        // events processed in between.
        QVERIFY(clock.longestSleep <= 1ms);
        QVERIFY(clock.sleeps >= expectedNanoseconds / 1'000'000);
    } else {
        QVERIFY(shown.paints.isEmpty()); // no pass, no frame boundary
    }
}

void TestFrames::unexposedBoxReturnsAtOnce()
{
    ManualClock clock;
    Presenter presenter(100ms, clock);
    QWidget top; // never shown
    auto *box = new PictureBox(presenter, Black, PictureBox::Border::None, &top);
    box->resize(50, 50);
    const auto start = clock.now();
    for (int frame = 0; frame < 3; ++frame) {
        box->Cls();
        box->PSet(10, 10, Blue);
        presenter.present();
    }
    QCOMPARE(clock.since(start), 0ns);
}

void TestFrames::afterATimeoutOnlyARefresh()
{
    ManualClock clock;
    Presenter presenter(40ms, clock);
    ShownBox shown(presenter, clock);
    QVERIFY(shown.show());
    const auto timed = [&](QPointF at) {
        shown.box->PSet(at.x(), at.y(), Blue);
        const auto start = clock.now();
        presenter.present();
        return clock.since(start);
    };
    // Exposed, but its paints never come: a compositor that shows no frames.
    shown.box->setUpdatesEnabled(false);
    QCOMPARE(timed({10, 10}), Clock::duration(Presenter::PaintTimeout)); // waited for once
    QCOMPARE(timed({20, 20}), Clock::duration(40ms));                    // then a refresh at most
    QCOMPARE(timed({30, 30}), Clock::duration(40ms));
    // Once paints come through again, a present waits only for its paint ...
    shown.box->setUpdatesEnabled(true);
    QVERIFY(timed({40, 40}) < 40ms);
    QVERIFY(!shown.paints.isEmpty());
    // ... and a stall after that is waited for in full again.
    shown.box->setUpdatesEnabled(false);
    QCOMPARE(timed({50, 50}), Clock::duration(Presenter::PaintTimeout));
}

void TestFrames::wipedFrameStaysOneRefresh()
{
    constexpr auto Refresh = 120ms;
    ManualClock clock;
    Presenter presenter(Refresh, clock);
    ShownBox shown(presenter, clock);
    QVERIFY(shown.show());
    shown.box->PSet(10, 10, Blue);
    presenter.present();
    QCOMPARE(shown.paints.size(), 1);
    const auto firstShown = shown.paints.last();
    // The next frame wipes it at once: the wipe waits for the refresh.
    shown.box->Cls();
    shown.box->PSet(20, 20, Red);
    presenter.present();
    QCOMPARE(shown.paints.size(), 2);
    QCOMPARE(shown.paints.last() - firstShown, Clock::duration(Refresh));
    // Drawing on top of a frame without wiping it is not held.
    const auto start = clock.now();
    shown.box->PSet(30, 30, Red);
    presenter.present();
    QCOMPARE(shown.paints.size(), 3);
    QVERIFY(clock.since(start) < Refresh);
}

// In a browser the display says when it has taken a frame: a wiped frame
// waits for that, not for a fixed interval, and a pause sleeps in one go.
void TestFrames::wipedFrameStaysUntilTheDisplayTookIt()
{
    constexpr auto Interval = 10ms;
    DisplayClock clock(Interval);
    Presenter presenter(120ms, clock); // the refresh interval the screen reports: not used
    ShownBox shown(presenter, clock);
    QVERIFY(shown.show());
    clock.sleepFor(3ms); // between two of the display's frames
    shown.box->PSet(10, 10, Blue);
    presenter.present();
    QCOMPARE(shown.paints.size(), 1);
    // The next frame wipes it at once: it waits for the display's next frame.
    shown.box->Cls();
    shown.box->PSet(20, 20, Red);
    presenter.present();
    QCOMPARE(shown.paints.size(), 2);
    QCOMPARE(shown.paints.last(), shown.paints.first() + 7ms);
    QCOMPARE(clock.waits, 1);
    // A frame the display has taken already is wiped without a wait.
    clock.sleepFor(Interval);
    shown.box->Cls();
    presenter.present();
    QCOMPARE(clock.waits, 1);
}

// Where the display says when it takes its frames, what the scene draws
// after a pause reaches the screen at the display's first frame at or after
// the pause's end: the pause returns at the display's frame before that,
// so that the scene has a whole frame to draw in. Until near the end it
// sleeps in one go, the browser running the events meanwhile.
void TestFrames::pauseEndsWithTheDisplaysFrames_data()
{
    QTest::addColumn<int>("passes"); // of 1 ms, from 3 ms after a frame of the display's
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<int>("returnsAfter"); // ms
    QTest::addColumn<int>("framesWaitedFor");
    QTest::newRow("ends before the display's next frame") << 4 << false << 0 << 0;
    QTest::newRow("ends on the display's next frame") << 7 << false << 0 << 0;
    QTest::newRow("ends just after it") << 8 << false << 7 << 1;
    QTest::newRow("a frame and a half") << 15 << false << 7 << 1;
    QTest::newRow("long: sleeps, then watches") << 95 << false << 87 << 2;
    QTest::newRow("a page the browser does not show") << 95 << true << 95 << 1;
}

void TestFrames::pauseEndsWithTheDisplaysFrames()
{
    QFETCH(int, passes);
    QFETCH(bool, hidden);
    QFETCH(int, returnsAfter);
    QFETCH(int, framesWaitedFor);
    constexpr auto Interval = 10ms;
    DisplayClock clock(Interval);
    Presenter presenter(Interval, clock);
    ShownBox shown(presenter, clock);
    QVERIFY(shown.show());
    clock.sleepFor(3ms);
    clock.hidden = hidden;
    Pacer pacer(&presenter, 1ms, clock);
    const auto start = clock.now();
    const auto end = start + passes * 1ms;
    const int waits = clock.waits;
    shown.box->PSet(10, 10, Blue);
    pacer.IdlePause(std::int16_t(passes));
    QCOMPARE(clock.since(start), Clock::duration(returnsAfter * 1ms));
    QCOMPARE(clock.waits - waits, framesWaitedFor);
    QCOMPARE(pacer.textLine(), passes);
    if (!hidden) { // the next frame is the display's first at or after the end, never one before
        QVERIFY(clock.nextDisplayFrame() >= end);
        QVERIFY(clock.nextDisplayFrame() - Interval < end);
    }
}

void TestFrames::repaintsOnlyWhatChanged()
{
    ManualClock clock;
    Presenter presenter(0ns, clock);
    ShownBox shown(presenter, clock);
    QVERIFY(shown.show());
    // A dot at (10, 10) covers pixels 9 to 11: its paint needs little more.
    shown.box->PSet(10, 10, Blue);
    presenter.present();
    QCOMPARE(shown.areas.size(), 1);
    QVERIFY(shown.areas.last().contains(QRect(9, 9, 3, 3)));
    QVERIFY2(shown.areas.last().width() <= 8 && shown.areas.last().height() <= 8,
             qPrintable(
                 QStringLiteral("repainted %1 x %2").arg(shown.areas.last().width()).arg(shown.areas.last().height())));
    // A clear repaints what the dots covered, and the new dot.
    shown.box->Cls();
    shown.box->PSet(80, 80, Blue);
    presenter.present();
    QCOMPARE(shown.areas.size(), 2);
    QVERIFY(shown.areas.last().contains(QRect(9, 9, 3, 3)));
    QVERIFY(shown.areas.last().contains(QRect(79, 79, 3, 3)));
    // Drawing that lands nowhere in the box repaints nothing, and is not waited for.
    const auto start = clock.now();
    shown.box->PSet(-50, 500, Blue);
    presenter.present();
    QCOMPARE(shown.areas.size(), 2);
    QCOMPARE(clock.since(start), 0ns);
    const QImage picture = shown.box->grab().toImage();
    QCOMPARE(picture.pixel(80, 80), qRgb(0, 0, 255));
    QCOMPARE(picture.pixel(10, 10), qRgb(0, 0, 0));
}

void TestFrames::boxDestroyedWhileAPresentWaits()
{
    ManualClock clock;
    Presenter presenter(50ms, clock);
    ShownBox doomed(presenter, clock), kept(presenter, clock);
    QVERIFY(doomed.show() && kept.show());
    for (ShownBox *shown : {&doomed, &kept})
        shown->box->PSet(10, 10, Blue);
    presenter.present();
    // Both frames are wiped: the present holds them for the refresh, and
    // processes events while it does; one of those destroys a box.
    for (ShownBox *shown : {&doomed, &kept}) {
        shown->box->Cls();
        shown->box->PSet(20, 20, Red);
    }
    QTimer::singleShot(0, &doomed, [&doomed] { delete doomed.box; });
    presenter.present();
    QVERIFY(doomed.box.isNull());
    QCOMPARE(kept.paints.size(), 2);
    QCOMPARE(kept.box->grab().toImage().pixel(20, 20), qRgb(255, 0, 0));
}

QTEST_MAIN(TestFrames)
#include "tst_frames.moc"
