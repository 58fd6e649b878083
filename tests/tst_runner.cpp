// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene runner's rules, without a window: one handler at a time, what is
// asked for meanwhile after it and in order, a close asked for during a
// scene once it has ended, nothing after the end, and a scene abandoned when
// the program ends under it.
#include "runner/scenerunner.h"
#include "surface/frameclock.h"
#include "surface/pacing.h"

#include <QStringList>
#include <QTest>

#include <new>
#include <stdexcept>

using namespace brovaci;

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
    void idle(Clock::time_point) override {}
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
};

void TestRunner::order_data()
{
    // What the first handler asks for while it runs, and what runs, in order.
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("ran");
    QTest::addColumn<int>("presents");
    QTest::addColumn<bool>("endsTheProgram");
    QTest::addRow("alone") << QStringList{} << QStringList{"first"} << 1 << false;
    QTest::addRow("two-asked-meanwhile") << QStringList{"b", "c"} << QStringList{"first", "b", "c"} << 3 << false;
    QTest::addRow("end-drops-the-rest") << QStringList{"b", "end", "c"} << QStringList{"first", "b", "end"} << 3 << true;
    QTest::addRow("end-first") << QStringList{"end", "b"} << QStringList{"first", "end"} << 2 << true;
    QTest::addRow("a-throwing-handler-ends-alone") << QStringList{"throw", "c"} << QStringList{"first", "throw", "c"} << 3
                                                 << false;
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
            if (name == "end")
                runner.end();
            if (name == "throw")
                throw std::bad_alloc();
        };
    };
    QCOMPARE(FineTimer::active(), 0);
    runner.run([&] {
        log << "first";
        QVERIFY(runner.running());
        QCOMPARE(FineTimer::active(), 1); // short waits are precise while scenes run
        for (const QString &name : asked)
            runner.run(handler(name));
        QCOMPARE(log, QStringList{"first"}); // nothing ran inside the scene
    });
    QCOMPARE(log, ran);
    QCOMPARE(frames.presents, presents); // each handler's last frame is shown
    QVERIFY(!runner.running());
    QCOMPARE(FineTimer::active(), 0);
    QCOMPARE(runner.ended(), endsTheProgram);
    // After the end, nothing more runs.
    runner.run(handler("late"));
    QCOMPARE(log.contains("late"), !endsTheProgram);
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
        log << "scene";
        runner.run([&] { log << "waiting"; });
        switch (kind) {
        case 0: throw std::bad_alloc();
        case 1: throw std::runtime_error("broken");
        case 2: throw 42;
        default: break;
        }
    });
    // The failing scene ended there; what waited ran after it, in its turn.
    QCOMPARE(log, QStringList({"scene", "waiting"}));
    QVERIFY(!runner.running());
    QVERIFY(!runner.ended());
    runner.run([&] { log << "next"; });
    QCOMPARE(log.last(), QStringLiteral("next"));
}

void TestRunner::closeDuringAScene()
{
    Frames frames;
    SceneRunner runner(frames);
    QStringList log;
    runner.setCloseLater([&] { log << "close"; });
    QVERIFY(!runner.deferClose()); // no scene: the close goes ahead at once
    runner.run([&] {
        log << "scene";
        QVERIFY(runner.deferClose());
        runner.run([&] { log << "waiting"; });
    });
    QCOMPARE(log, QStringList({"scene", "waiting", "close"}));
    runner.run([&] { log << "next"; });
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
        log << "scene";
        runner.run([&] { log << "waiting"; });
        frames.present(); // a frame boundary in the middle of the scene
        log << "after the boundary";
    });
    QCOMPARE(log, QStringList({"scene", "after the boundary", "waiting"}));

    frames.abandonAt = frames.presents + 1;
    log.clear();
    runner.run([&] {
        log << "scene";
        runner.run([&] { log << "waiting"; });
        frames.present();
        log << "after the boundary";
    });
    QCOMPARE(log, QStringList{"scene"});
    QVERIFY(runner.ended());
    QVERIFY(!runner.running());
}

QTEST_GUILESS_MAIN(TestRunner)
#include "tst_runner.moc"
