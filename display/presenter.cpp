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
    for (auto &[box, frame] : m_frames)
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
    if (!frameOf(box))
        m_frames.emplace_back(box, Frame{});
}

void Presenter::detach(PictureBox *box)
{
    std::erase_if(m_frames, [box](const auto &entry) { return entry.first == box; });
}

Presenter::Frame *Presenter::frameOf(const PictureBox *box)
{
    for (auto &[b, frame] : m_frames)
        if (b == box)
            return &frame;
    return nullptr;
}

void Presenter::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_abandoned)
        throw SceneAbandoned{};
}

void Presenter::present()
{
    Boxes waiting;
    for (auto &[box, frame] : m_frames) {
        if (!frame.dirty)
            continue;
        if (box->isOnScreen())
            waiting.append(box);
        else
            shown(frame); // nobody can see it: nothing to wait for
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
        waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                                     [this](PictureBox *box) {
                                         const Frame *frame = frameOf(box);
                                         return !frame || !frame->dirty || !box->isOnScreen();
                                     }),
                      waiting.end());
        if (waiting.isEmpty() || Clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    m_stalled = !waiting.isEmpty();
    for (PictureBox *box : std::as_const(waiting))
        if (Frame *frame = frameOf(box))
            shown(*frame); // gave up waiting: do not hold its frame for ever
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
    const Frame *frame = frameOf(box);
    if (frame && frame->unshownDrawing)
        present();
}

void Presenter::cleared(PictureBox *box)
{
    if (Frame *frame = frameOf(box)) {
        frame->wiped = true;
        frame->unshownDrawing = false;
        frame->dirty = true;
        changed();
    }
}

void Presenter::drawnOn(PictureBox *box)
{
    if (Frame *frame = frameOf(box)) {
        frame->unshownDrawing = true;
        frame->dirty = true;
        changed();
    }
}

void Presenter::painted(PictureBox *box)
{
    if (Frame *frame = frameOf(box))
        shown(*frame);
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
void Presenter::holdShownFrames(const Boxes &boxes)
{
    if (m_refresh.count() <= 0)
        return;
    Clock::time_point until;
    for (PictureBox *box : boxes) {
        const Frame *frame = frameOf(box);
        if (frame && frame->wiped)
            until = std::max(until, frame->shownAt + m_refresh);
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
