// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene runner's rules, without a window: one handler at a time, what is
// asked for meanwhile after it and in order, a close asked for during a
// scene once it has ended, nothing after the end, and a scene abandoned when
// the program ends under it. And the user's input that reaches a window
// during a scene, as a browser delivers it: held, and handed on after it.
#include "runner/scenerunner.h"
#include "surface/frameclock.h"
#include "surface/pacing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <new>
#include <stdexcept>

using namespace brovaci;
using namespace Qt::StringLiterals;

namespace {

class Frames : public FrameSink {
public:
    void present() override
    {
        ++presents;
        if (abandonAt == presents)
            throw SceneAbandoned{};
        if (throwAt == presents)
            throw std::bad_alloc();
    }
    bool idle(Clock::time_point) override { return true; }
    int presents = 0;
    int abandonAt = -1;
    int throwAt = -1;
};

} // namespace

class TestRunner : public QObject {
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void failuresStayInTheRunner_data();
    void failuresStayInTheRunner();
    void closeDuringAScene();
    void abandonedScene();
    void inputDuringAScene_data();
    void inputDuringAScene();
    void heldClickStartsAScene();
};

void TestRunner::order_data()
{
    // What the first handler asks for while it runs, and what runs, in order.
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("ran");
    QTest::addColumn<int>("presents");
    QTest::addColumn<bool>("endsTheProgram");
    QTest::addRow("alone") << QStringList{} << QStringList{u"first"_s} << 1 << false;
    QTest::addRow("two-asked-meanwhile") << QStringList{u"b"_s, u"c"_s} << QStringList{u"first"_s, u"b"_s, u"c"_s} << 3
                                         << false;
    QTest::addRow("end-drops-the-rest") << QStringList{u"b"_s, u"end"_s, u"c"_s}
                                        << QStringList{u"first"_s, u"b"_s, u"end"_s} << 3 << true;
    QTest::addRow("end-first") << QStringList{u"end"_s, u"b"_s} << QStringList{u"first"_s, u"end"_s} << 2 << true;
    QTest::addRow("a-throwing-handler-ends-alone")
        << QStringList{u"throw"_s, u"c"_s} << QStringList{u"first"_s, u"throw"_s, u"c"_s} << 3 << false;
}

void TestRunner::order()
{
    QFETCH(QStringList, asked);
    QFETCH(QStringList, ran);
    QFETCH(int, presents);
    QFETCH(bool, endsTheProgram);
    Frames frames;
    SceneRunner runner(frames);
    QStringList log;
    const auto handler = [&](const QString &name) {
        return [&, name] {
            log << name;
            if (name == u"end"_s)
                runner.end();
            if (name == u"throw"_s)
                throw std::bad_alloc();
        };
    };
    QCOMPARE(FineTimer::active(), 0);
    runner.run([&] {
        log << u"first"_s;
        QVERIFY(runner.running());
        QCOMPARE(FineTimer::active(), 1); // short waits are precise while scenes run
        for (const QString &name : asked)
            runner.run(handler(name));
        QCOMPARE(log, QStringList{u"first"_s}); // nothing ran inside the scene
    });
    QCOMPARE(log, ran);
    QCOMPARE(frames.presents, presents); // each handler's last frame is shown
    QVERIFY(!runner.running());
    QCOMPARE(FineTimer::active(), 0);
    QCOMPARE(runner.ended(), endsTheProgram);
    // After the end, nothing more runs.
    runner.run(handler(u"late"_s));
    QCOMPARE(log.contains(u"late"_s), !endsTheProgram);
}

void TestRunner::failuresStayInTheRunner_data()
{
    QTest::addColumn<int>("kind");
    QTest::addRow("out-of-memory") << 0;
    QTest::addRow("a-standard-failure") << 1;
    QTest::addRow("not-a-std-exception") << 2;
    QTest::addRow("while-showing-the-last-frame") << 3;
}

void TestRunner::failuresStayInTheRunner()
{
    QFETCH(int, kind);
    Frames frames;
    SceneRunner runner(frames);
    QStringList log;
    if (kind == 3)
        frames.throwAt = 1;
    runner.run([&] {
        log << u"scene"_s;
        runner.run([&] { log << u"waiting"_s; });
        switch (kind) {
        case 0: throw std::bad_alloc();
        case 1: throw std::runtime_error("broken");
        case 2: throw 42;
        default: break;
        }
    });
    // The failing scene ended there; what waited ran after it, in its turn.
    QCOMPARE(log, QStringList({u"scene"_s, u"waiting"_s}));
    QVERIFY(!runner.running());
    QVERIFY(!runner.ended());
    runner.run([&] { log << u"next"_s; });
    QCOMPARE(log.last(), QStringLiteral("next"));
}

void TestRunner::closeDuringAScene()
{
    Frames frames;
    SceneRunner runner(frames);
    QStringList log;
    runner.setCloseLater([&] { log << u"close"_s; });
    QVERIFY(!runner.deferClose()); // no scene: the close goes ahead at once
    runner.run([&] {
        log << u"scene"_s;
        QVERIFY(runner.deferClose());
        runner.run([&] { log << u"waiting"_s; });
    });
    QCOMPARE(log, QStringList({u"scene"_s, u"waiting"_s, u"close"_s}));
    runner.run([&] { log << u"next"_s; });
    QCOMPARE(log.last(), QStringLiteral("next")); // the close was carried out once

    // A close asked for before CHIUDI ends the program is not carried out after it.
    log.clear();
    runner.run([&] {
        QVERIFY(runner.deferClose());
        runner.end();
    });
    QVERIFY(log.isEmpty());
}

void TestRunner::abandonedScene()
{
    Frames frames;
    SceneRunner runner(frames);
    QStringList log;
    runner.run([&] {
        log << u"scene"_s;
        runner.run([&] { log << u"waiting"_s; });
        frames.present(); // a frame boundary in the middle of the scene
        log << u"after the boundary"_s;
    });
    QCOMPARE(log, QStringList({u"scene"_s, u"after the boundary"_s, u"waiting"_s}));

    frames.abandonAt = frames.presents + 1;
    log.clear();
    runner.run([&] {
        log << u"scene"_s;
        runner.run([&] { log << u"waiting"_s; });
        frames.present();
        log << u"after the boundary"_s;
    });
    QCOMPARE(log, QStringList{u"scene"_s});
    QVERIFY(runner.ended());
    QVERIFY(!runner.running());
}

namespace {

// A window that logs what reaches it, and what it did with it.
class LoggingWindow : public QWindow {
public:
    QStringList log;
    std::function<void(const QString &)> onInput;

protected:
    bool event(QEvent *event) override
    {
        QString what;
        switch (event->type()) {
        case QEvent::MouseButtonPress: what = u"press"_s; break;
        case QEvent::MouseButtonRelease: what = u"release"_s; break;
        case QEvent::KeyPress: what = u"key "_s + static_cast<QKeyEvent *>(event)->text(); break;
        case QEvent::Wheel: what = u"wheel"_s; break;
        case QEvent::TouchBegin: what = u"touch"_s; break;
        case QEvent::Expose: what = u"expose"_s; break;
        default: return QWindow::event(event);
        }
        log << what;
        if (onInput)
            onInput(what);
        return true;
    }
};

void send(LoggingWindow &window, const QString &what)
{
    const QPointF at(5, 5);
    if (what == u"press"_s || what == u"release"_s) {
        QMouseEvent e(what == u"press"_s ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at, at, at,
                      Qt::LeftButton, what == u"press"_s ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &e);
    } else if (what.startsWith(u"key "_s)) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, what.mid(4));
        QCoreApplication::sendEvent(&window, &e);
    } else if (what == u"wheel"_s) {
        QWheelEvent e(at, at, QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &e);
    } else if (what == u"touch"_s) {
        QTouchEvent e(QEvent::TouchBegin);
        QCoreApplication::sendEvent(&window, &e);
        QVERIFY2(!e.isAccepted() || window.log.contains(u"touch"_s), "a held touch is left for Qt to make a click of");
    } else if (what == u"expose"_s) {
        QExposeEvent e(QRegion(0, 0, 10, 10));
        QCoreApplication::sendEvent(&window, &e);
    }
}

} // namespace

void TestRunner::inputDuringAScene_data()
{
    // What reaches the window during a scene; what it sees during the scene;
    // what it sees once the scene has ended and the event loop has turned.
    QTest::addColumn<QStringList>("during");
    QTest::addColumn<QStringList>("seenDuring");
    QTest::addColumn<QStringList>("seenAfter");
    QTest::addColumn<bool>("endsTheProgram");
    const QStringList click{u"press"_s, u"release"_s};
    QTest::addRow("a-click-waits") << click << QStringList{} << click << false;
    QTest::addRow("keys-and-wheel-in-order")
        << QStringList{u"key a"_s, u"wheel"_s, u"key b"_s, u"press"_s, u"release"_s} << QStringList{}
        << QStringList{u"key a"_s, u"wheel"_s, u"key b"_s, u"press"_s, u"release"_s} << false;
    QTest::addRow("painting-goes-on") << QStringList{u"expose"_s, u"key a"_s, u"expose"_s}
                                      << QStringList{u"expose"_s, u"expose"_s}
                                      << QStringList{u"expose"_s, u"expose"_s, u"key a"_s} << false;
    // Qt makes a click of a touch nobody took: the touch itself is dropped.
    QTest::addRow("a-touch-is-left-to-qt") << QStringList{u"touch"_s} << QStringList{} << QStringList{} << false;
    QTest::addRow("after-the-end-nothing") << click << QStringList{} << QStringList{} << true;
}

void TestRunner::inputDuringAScene()
{
    QFETCH(QStringList, during);
    QFETCH(QStringList, seenDuring);
    QFETCH(QStringList, seenAfter);
    QFETCH(bool, endsTheProgram);
    Frames frames;
    SceneRunner runner(frames);
    LoggingWindow window;
    runner.run([&] {
        for (const QString &what : during)
            send(window, what);
        QCOMPARE(window.log, seenDuring);
        if (endsTheProgram)
            runner.end();
    });
    QCOMPARE(window.log, seenDuring); // handed on from the event loop, not from inside the handler
    // A key pressed before the held input has been handed on goes behind it;
    // with nothing held, straight through.
    const bool held = seenAfter != seenDuring;
    send(window, u"key b"_s);
    QCOMPARE(window.log, held ? seenDuring : seenDuring + QStringList{u"key b"_s});
    QCoreApplication::processEvents();
    QCOMPARE(window.log, (held ? seenAfter : seenDuring) + QStringList{u"key b"_s});
    // Outside a scene, input goes straight through.
    window.log.clear();
    send(window, u"key z"_s);
    QCOMPARE(window.log, QStringList{u"key z"_s});
}

// A held click that starts a scene: what came after it waits for that scene
// too, and input that arrives meanwhile goes behind it.
void TestRunner::heldClickStartsAScene()
{
    Frames frames;
    SceneRunner runner(frames);
    LoggingWindow window;
    window.onInput = [&](const QString &what) {
        if (what == u"release"_s)
            runner.run([&] {
                send(window, u"key late"_s);
                QCOMPARE(window.log.last(), QStringLiteral("release"));
            });
    };
    runner.run([&] {
        for (const char *what : {"press", "release", "key a"})
            send(window, QString::fromLatin1(what));
    });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(window.log, QStringList({u"press"_s, u"release"_s, u"key a"_s, u"key late"_s}));
}

QTEST_MAIN(TestRunner)
#include "tst_runner.moc"
