// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/scenerunner.h"

#include "surface/frameclock.h"
#include "surface/pacing.h"

#include <QAbstractEventDispatcher>

#include <cstdio>
#include <exception>

namespace brovaci {

void SceneRunner::run(std::function<void()> action)
{
    if (m_ended)
        return;
    if (m_running) {
        m_waiting.append(std::move(action));
        return;
    }
    m_running = true;
    const FineTimer fine; // short waits last what they ask for while scenes run
    runOne(action);
    while (!m_waiting.isEmpty() && !m_ended)
        runOne(m_waiting.takeFirst());
    m_waiting.clear();
    m_running = false;
    // Input that arrived during the scene was set aside by the platform; the
    // event loop only looks at it again once woken, so wake it now rather
    // than at the next unrelated event. What was held here goes on after it.
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    if (m_ended)
        m_input.drop();
    else
        m_input.release();
    if (m_closeAsked && !m_ended) {
        m_closeAsked = false;
        if (m_closeLater)
            m_closeLater();
    }
}

void SceneRunner::runOne(const std::function<void()> &action)
{
    // Nothing may leave through the event handler that called us: Qt does
    // not carry exceptions through its signals, and the program would end.
    // A scene that fails in a way it does not handle itself (memory running
    // out, say) ends where it stands; what it drew so far is shown, and the
    // program goes on.
    try {
        try {
            action();
        } catch (const SceneAbandoned &) {
            throw;
        } catch (const std::exception &failure) {
            report(failure.what());
        } catch (...) {
            report("unknown exception");
        }
        m_frames.present();
    } catch (const SceneAbandoned &) {
        end();
    } catch (...) {
        report("the frame could not be shown");
    }
}

void SceneRunner::report(const char *what)
{
    std::fprintf(stderr, "brovaci: a scene ended early: %s\n", what);
    std::fflush(stderr);
}

bool SceneRunner::deferClose()
{
    if (!m_running)
        return false;
    m_closeAsked = true;
    return true;
}

void SceneRunner::end()
{
    m_ended = true;
    m_waiting.clear();
    m_input.drop();
}

} // namespace brovaci
