// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the window's handlers one at a time, each to its end. A scene runs
// inside its handler and never returns to the event loop, so whatever asks
// for a handler meanwhile (an assistive tool pressing a button, another
// handler) waits and runs after it, in order; no scene ever starts inside
// another. A close asked for during a scene is carried out once the queue is
// empty. Once the program ends, nothing more runs: what waits is dropped.
// A handler that throws ends there, with one line on standard error; the
// next one runs as usual. The user's input that reaches the program during a
// scene is held and handed on after it (InputHold).
#pragma once

#include "runner/inputhold.h"

#include <QList>

#include <functional>

namespace brovaci {

class FrameSink;

class SceneRunner {
public:
    // frames shows what each handler drew before the next one starts.
    explicit SceneRunner(FrameSink &frames) : m_frames(frames) { }

    // Runs the action now when nothing runs, otherwise after what runs.
    void run(std::function<void()> action);

    // A close asked for while a handler runs is remembered, and closeLater
    // is called once the queue is empty; returns whether it had to wait.
    bool deferClose();
    void setCloseLater(std::function<void()> close) { m_closeLater = std::move(close); }

    // The program is ending: nothing more runs, and what waits is dropped.
    void end();
    bool ended() const { return m_ended; }
    bool running() const { return m_running; }

private:
    void runOne(const std::function<void()> &action);
    static void report(const char *what);

    FrameSink &m_frames;
    InputHold m_input{[this] { return m_running; }};
    QList<std::function<void()>> m_waiting;
    std::function<void()> m_closeLater;
    bool m_running = false;
    bool m_closeAsked = false;
    bool m_ended = false;
};

} // namespace brovaci
