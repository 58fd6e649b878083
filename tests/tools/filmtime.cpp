// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long the films take on the real display: starts the window as
// the program does (opening curve included), then plays each film named on
// the command line and prints its wall time.
//   filmtime tarmonica:10 tarmonica:3000 movimento doppio perde
#include "../quickwindow.h"
#include "app/frmpendolo.h"

#include <QApplication>
#include <QScrollBar>

#include <chrono>
#include <cstdio>

using namespace brovaci;

int main(int argc, char *argv[])
{
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
