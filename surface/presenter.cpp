// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/presenter.h"

#include "surface/picturebox.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <thread>

namespace brovaci {

std::chrono::nanoseconds Presenter::intervalForRate(double hertz)
{
    if (!(hertz >= 1.0 && hertz <= 1000.0))
        hertz = 60.0;
    return std::chrono::nanoseconds(static_cast<long long>(1e9 / hertz));
}

void Presenter::present()
{
    QList<PictureBox *> waiting;
    for (PictureBox *box : std::as_const(m_boxes)) {
        if (!box->isDirty())
            continue;
        if (box->isOnScreen()) {
            waiting.append(box);
        } else {
            box->markShown(); // nobody can see it: nothing to wait for
        }
    }
    m_anyDirty = false;
    if (waiting.isEmpty())
        return;
    holdShownFrames(waiting);
    for (PictureBox *box : std::as_const(waiting))
        box->requestPaint();
    ++m_frames;
    const auto timeout = m_stalled ? std::max<Clock::duration>(m_refresh, std::chrono::milliseconds(5))
                                   : Clock::duration(PaintTimeout);
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        waiting.removeIf([](PictureBox *box) { return !box->isDirty() || !box->isOnScreen(); });
        if (waiting.isEmpty() || Clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    m_stalled = !waiting.isEmpty();
    for (PictureBox *box : std::as_const(waiting))
        box->markShown(); // gave up waiting: do not hold its frame for ever
}

void Presenter::idle(Clock::time_point until)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const auto now = Clock::now();
    if (now < until)
        std::this_thread::sleep_for(std::min<Clock::duration>(until - now, std::chrono::milliseconds(1)));
}

void Presenter::beforeWipe(PictureBox &box)
{
    if (box.hasUnshownDrawing())
        present();
}

// A box whose picture was cleared since it was last shown replaces a frame on
// screen: that frame stays for one refresh interval from when it was painted.
void Presenter::holdShownFrames(const QList<PictureBox *> &boxes)
{
    if (m_refresh.count() <= 0)
        return;
    Clock::time_point until;
    for (const PictureBox *box : boxes)
        if (box->isWiped())
            until = std::max(until, box->shownAt() + m_refresh);
    while (Clock::now() < until)
        idle(until);
}

void Presenter::drawn()
{
    if (!m_anyDirty) {
        m_anyDirty = true;
        m_dirtySince = Clock::now();
        m_drawnSinceClockRead = 0;
    } else if (++m_drawnSinceClockRead >= 16) { // the clock costs more than a dot
        m_drawnSinceClockRead = 0;
        if (Clock::now() - m_dirtySince >= ContinuousDrawing)
            present();
    }
}

} // namespace brovaci
