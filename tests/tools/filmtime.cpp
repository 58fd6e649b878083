// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the films take on the real display: starts the window as
// the program does (opening curve included), then plays each film named on
// the command line and prints its wall time.
// "sleeps" measures the frame clock's short sleeps instead, with the timer
// raised as it is while a scene runs.
//   filmtime tarmonica:10 tarmonica:3000 movimento doppio perde
//   filmtime sleeps
#include "../quickwindow.h"
#include "app/frmpendolo.h"
#include "surface/frameclock.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>

using namespace brovaci;

namespace {

// How long the frame clock's sleeps of 1 ms and of 100 us really last.
int measureSleeps()
{
    const FineTimer fine;
    for (const auto asked : {std::chrono::microseconds(1000), std::chrono::microseconds(100)}) {
        double total = 0, longest = 0;
        constexpr int Runs = 500;
        for (int i = 0; i < Runs; ++i) {
            const auto t0 = Clock::now();
            steadyClock().sleepFor(asked);
            const double took = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
            total += took;
            longest = std::max(longest, took);
        }
        std::printf("sleep of %5lld us: %8.1f us on average, %8.1f us at most (%d runs)\n",
                    static_cast<long long>(asked.count()), total / Runs, longest, Runs);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::string_view(argv[1]) == "sleeps")
        return measureSleeps();
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    Frmpendolo window;
    const auto start = std::chrono::steady_clock::now();
    window.Form_Load();
    const auto seconds = [](auto from) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
    };
    std::printf("%-16s %8.3f s\n", "start-up", seconds(start));
    // Frames shown: paints of the box each film animates.
    testing::PaintCounter curve(window.findChild<QWidget *>("Picture3"));
    testing::PaintCounter pendulum(window.findChild<QWidget *>("Picture1"));
    for (const QString &arg : app.arguments().mid(1)) {
        const QString film = arg.section(':', 0, 0);
        if (arg.contains(':'))
            window.findChild<QScrollBar *>("VScroll1")->setValue(arg.section(':', 1).toInt());
        const int framesBefore = curve.count + pendulum.count;
        const auto t0 = std::chrono::steady_clock::now();
        if (film == "tarmonica")
            window.cmdtarmonica_Click();
        else if (film == "movimento")
            window.cmdmovimento_Click();
        else if (film == "doppio")
            window.Cmddoppio_Click();
        else if (film == "perde")
            window.Cmdperde_Click();
        else if (film == "pendolo")
            window.Cmdpendolo_Click();
        else
            continue;
        std::printf("%-16s %8.3f s  %d paints\n", qPrintable(arg), seconds(t0),
                    curve.count + pendulum.count - framesBefore);
        std::fflush(stdout);
    }
    return 0;
}
