// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Every scene 200 times back to back on the window's own surfaces (offscreen,
// no pacing): nothing grows. Resident memory after the first round and after
// the last may differ by less than 1 MiB.
#include "app/frmpendolo.h"
#include "quickwindow.h"

#include <QLineEdit>
#include <QTest>

#include <functional>

#if defined(Q_OS_LINUX)
#include <fstream>
#include <unistd.h> // Linux only: sysconf, for the page size of /proc/self/statm
#endif

using namespace brovaci;
using namespace brovaci::testing;

class TestStress : public QObject {
    Q_OBJECT
private slots:
    void scenesDoNotGrow_data();
    void scenesDoNotGrow();
};

namespace {

// Resident set size in bytes; 0 where it cannot be read.
long long residentBytes()
{
#if defined(Q_OS_LINUX)
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
#else
    return 0;
#endif
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryIsMeasurable = false; // the sanitizer's quarantine holds freed memory
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MemoryIsMeasurable = false;
#else
constexpr bool MemoryIsMeasurable = true;
#endif
#else
constexpr bool MemoryIsMeasurable = true;
#endif

} // namespace

void TestStress::scenesDoNotGrow_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("text");
    for (const char *scene : {"Cmdpendolo", "cmdtarmonica", "cmdmovimento", "Cmddoppio", "Cmdperde", "freeze"})
        QTest::addRow("%s", scene) << scene << "200";
    QTest::addRow("notice") << "Cmdpendolo" << "12abc";
}

void TestStress::scenesDoNotGrow()
{
    QFETCH(QString, scene);
    QFETCH(QString, text);
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    w.findChild<QLineEdit *>("txtarmonica")->setText(text);
    const std::function<void()> play = [&]() -> std::function<void()> {
        if (scene == "Cmdpendolo") return [&w] { w.Cmdpendolo_Click(); };
        if (scene == "cmdtarmonica") return [&w] { w.cmdtarmonica_Click(); };
        if (scene == "cmdmovimento") return [&w] { w.cmdmovimento_Click(); };
        if (scene == "Cmddoppio") return [&w] { w.Cmddoppio_Click(); };
        if (scene == "Cmdperde") return [&w] { w.Cmdperde_Click(); };
        return [&w] { w.Cmdperde_MouseDown(2, 0, 5, 5); };
    }();

    constexpr int Rounds = 200;
    const auto linesPerRound = [&] {
        const auto before = w.pacer().textLine();
        play();
        return w.pacer().textLine() - before;
    }();
    const long long afterFirst = residentBytes();
    for (int i = 1; i < Rounds; ++i)
        play();
    const long long afterLast = residentBytes();
    QCOMPARE(w.pacer().textLine(), 119 * 80 + Rounds * linesPerRound); // every round ran whole
    if (!MemoryIsMeasurable || afterFirst == 0)
        QSKIP("resident memory is not measurable in this build");
    const long long growth = afterLast - afterFirst;
    qInfo("%s: resident %lld KiB after the first round, %lld KiB after round %d", qPrintable(scene),
          afterFirst / 1024, afterLast / 1024, Rounds);
    QVERIFY2(growth < 1024 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth / 1024)));
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
