// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/presenter.h"

#include "display/picturebox.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

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
    // The hold processed events: look each box up again.
    const auto gone = [this](const QPointer<PictureBox> &box) {
        const Frame *frame = box ? frameOf(box) : nullptr;
        return !frame || !frame->dirty || !box->isOnScreen();
    };
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(), gone), waiting.end());
    for (const QPointer<PictureBox> &box : std::as_const(waiting))
        if (!box->updateChanged())
            shown(*frameOf(box)); // its pixels did not change: nothing to paint
    const auto timeout =
        m_stalled ? std::max<Clock::duration>(m_refresh, std::chrono::milliseconds(5)) : Clock::duration(PaintTimeout);
    const auto deadline = m_clock.now() + timeout;
    for (;;) {
        waiting.erase(std::remove_if(waiting.begin(), waiting.end(), gone), waiting.end());
        if (waiting.isEmpty() || m_clock.now() >= deadline)
            break;
        processEvents();
        waiting.erase(std::remove_if(waiting.begin(), waiting.end(), gone), waiting.end());
        if (waiting.isEmpty() || m_clock.now() >= deadline)
            break;
        m_clock.sleepFor(std::chrono::microseconds(100));
    }
    m_stalled = !waiting.isEmpty();
    for (const QPointer<PictureBox> &box : std::as_const(waiting))
        if (Frame *frame = frameOf(box))
            shown(*frame); // gave up waiting: do not hold its frame for ever
}

bool Presenter::idle(Clock::time_point until)
{
    processEvents();
    const auto now = m_clock.now();
    if (now >= until)
        return true;
    if (m_clock.displayFrames() < 0) {
        m_clock.sleepFor(std::min<Clock::duration>(until - now, m_clock.idleSlice()));
        return false;
    }
    // What the scene draws next reaches the screen at the display's next
    // frame at the earliest. Once that frame comes at or after the end, the
    // pause is over: the scene draws while the display shows this frame, and
    // the next is on time, where waking at the end would leave it the rest
    // of a refresh at best. Near the end, the display's frames are waited for.
    if (m_clock.nextDisplayFrame() >= until)
        return true;
    const auto watch = 2 * std::max<Clock::duration>(m_refresh, std::chrono::milliseconds(5));
    if (until - now > watch)
        m_clock.sleepFor(std::min<Clock::duration>(until - now - watch, m_clock.idleSlice()));
    else
        m_clock.awaitDisplayFrame(until);
    return false;
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
    frame.shownAt = m_clock.now();
    frame.shownBeforeDisplayFrame = m_clock.displayFrames();
}

// A box whose picture was cleared since it was last shown replaces a frame on
// screen: that frame stays for one refresh interval from when it was painted,
// or, where the display counts its frames, until the display has taken it.
void Presenter::holdShownFrames(const Boxes &boxes)
{
    if (m_refresh.count() <= 0)
        return;
    Clock::time_point until;
    std::int64_t untilDisplayFrame = -1;
    for (const QPointer<PictureBox> &box : boxes) {
        const Frame *frame = box ? frameOf(box) : nullptr;
        if (frame && frame->wiped) {
            until = std::max(until, frame->shownAt + m_refresh);
            untilDisplayFrame = std::max(untilDisplayFrame, frame->shownBeforeDisplayFrame);
        }
    }
    if (m_clock.displayFrames() >= 0) {
        while (m_clock.displayFrames() <= untilDisplayFrame) {
            m_clock.awaitDisplayFrame(Clock::time_point::max());
            processEvents();
        }
        return;
    }
    while (m_clock.now() < until)
        idle(until);
}

void Presenter::changed()
{
    if (!m_anyDirty) {
        m_anyDirty = true;
        m_dirtySince = m_clock.now();
        m_drawnSinceClockRead = 0;
    } else if (++m_drawnSinceClockRead >= 16) { // the clock costs more than a dot
        m_drawnSinceClockRead = 0;
        if (m_clock.now() - m_dirtySince >= ContinuousDrawing)
            present();
    }
}

} // namespace brovaci
