// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/scenerunner.h"

#include "surface/pacing.h"

#include <QAbstractEventDispatcher>

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
    runOne(action);
    while (!m_waiting.isEmpty() && !m_ended)
        runOne(m_waiting.takeFirst());
    m_waiting.clear();
    m_running = false;
    // Input that arrived during the scene was set aside by the platform; the
    // event loop only looks at it again once woken, so wake it now rather
    // than at the next unrelated event.
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    if (m_closeAsked && !m_ended) {
        m_closeAsked = false;
        if (m_closeLater)
            m_closeLater();
    }
}

void SceneRunner::runOne(const std::function<void()> &action)
{
    try {
        action();
        m_frames.present();
    } catch (const SceneAbandoned &) {
        end();
    }
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
}

} // namespace brovaci
