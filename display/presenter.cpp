// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/presenter.h"

#include "display/picturebox.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <thread>

namespace brovaci {

Presenter::~Presenter()
{
    for (PictureBox *box : m_frames.keys())
        box->forgetPresenter();
}

std::chrono::nanoseconds Presenter::intervalForRate(double hertz)
{
    if (!(hertz >= 1.0 && hertz <= 1000.0))
        hertz = 60.0;
    return std::chrono::nanoseconds(static_cast<long long>(1e9 / hertz));
}

void Presenter::attach(PictureBox *box)
{
    m_frames.insert(box, Frame{});
}

void Presenter::detach(PictureBox *box)
{
    m_frames.remove(box);
}

void Presenter::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_abandoned)
        throw SceneAbandoned{};
}

void Presenter::present()
{
    QList<PictureBox *> waiting;
    for (auto it = m_frames.begin(); it != m_frames.end(); ++it) {
        if (!it->dirty)
            continue;
        if (it.key()->isOnScreen())
            waiting.append(it.key());
        else
            shown(*it); // nobody can see it: nothing to wait for
    }
    m_anyDirty = false;
    if (waiting.isEmpty())
        return;
    holdShownFrames(waiting);
    for (PictureBox *box : std::as_const(waiting))
        box->update(box->contentsRect());
    const auto timeout = m_stalled ? std::max<Clock::duration>(m_refresh, std::chrono::milliseconds(5))
                                   : Clock::duration(PaintTimeout);
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        processEvents();
        waiting.removeIf([this](PictureBox *box) {
            return !m_frames.contains(box) || !m_frames[box].dirty || !box->isOnScreen();
        });
        if (waiting.isEmpty() || Clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    m_stalled = !waiting.isEmpty();
    for (PictureBox *box : std::as_const(waiting))
        shown(m_frames[box]); // gave up waiting: do not hold its frame for ever
}

void Presenter::idle(Clock::time_point until)
{
    processEvents();
    const auto now = Clock::now();
    if (now < until)
        std::this_thread::sleep_for(std::min<Clock::duration>(until - now, std::chrono::milliseconds(1)));
}

void Presenter::aboutToClear(PictureBox *box)
{
    const auto it = m_frames.constFind(box);
    if (it != m_frames.cend() && it->unshownDrawing)
        present();
}

void Presenter::cleared(PictureBox *box)
{
    Frame &frame = m_frames[box];
    frame.wiped = true;
    frame.unshownDrawing = false;
    frame.dirty = true;
    changed();
}

void Presenter::drawnOn(PictureBox *box)
{
    Frame &frame = m_frames[box];
    frame.unshownDrawing = true;
    frame.dirty = true;
    changed();
}

void Presenter::painted(PictureBox *box)
{
    shown(m_frames[box]);
}

void Presenter::shown(Frame &frame)
{
    frame.dirty = false;
    frame.wiped = false;
    frame.unshownDrawing = false;
    frame.shownAt = Clock::now();
}

// A box whose picture was cleared since it was last shown replaces a frame on
// screen: that frame stays for one refresh interval from when it was painted.
void Presenter::holdShownFrames(const QList<PictureBox *> &boxes)
{
    if (m_refresh.count() <= 0)
        return;
    Clock::time_point until;
    for (PictureBox *box : boxes) {
        const Frame &frame = m_frames[box];
        if (frame.wiped)
            until = std::max(until, frame.shownAt + m_refresh);
    }
    while (Clock::now() < until)
        idle(until);
}

void Presenter::changed()
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
