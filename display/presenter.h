// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Gets the frames of a running scene onto the screen. A scene runs inside its
// handler and never returns to the event loop, so at every frame boundary
// (a pause, a clear that would wipe drawing not yet shown, the end of the
// handler, and every 16 ms of continuous drawing) the dirty picture boxes ask
// for a repaint and the UI thread processes non-input events until they have
// been painted. That is what makes a frame reach the screen on X11 and on
// Wayland alike. Input stays queued and is handled after the scene.
//
// No frame is replaced on screen before it has been there for one refresh
// interval, so a film never plays faster than the display can show it. The
// hold comes when the next frame is presented, so drawing that frame overlaps it.
// Where the display says when it has taken a frame (a browser's animation
// frames), the hold lasts until it has, rather than for a fixed interval.
#pragma once

#include "surface/pacing.h"

#include <QPointer>
#include <QVarLengthArray>

#include <chrono>
#include <utility>
#include <vector>

namespace brovaci {

class PictureBox;

class Presenter : public FrameSink {
public:
    static constexpr std::chrono::milliseconds ContinuousDrawing{16};
    // How long a present waits for its paint. A compositor that shows no
    // frames (a hidden window on Wayland gets no frame callbacks) is waited
    // for once; after that only a refresh interval, until a paint comes again.
    static constexpr std::chrono::milliseconds PaintTimeout{250};

    explicit Presenter(std::chrono::nanoseconds refresh = intervalForRate(60), FrameClock &clock = steadyClock())
        : m_refresh(refresh), m_clock(clock)
    { }
    ~Presenter() override;
    Presenter(const Presenter &) = delete;
    Presenter &operator=(const Presenter &) = delete;

    void present() override;
    bool idle(Clock::time_point until) override;

    void setRefreshInterval(std::chrono::nanoseconds interval) { m_refresh = interval; }
    // The refresh interval of a display of the given rate; 60 Hz where unknown.
    static std::chrono::nanoseconds intervalForRate(double hertz);

    // The program is ending under a running scene: every frame boundary
    // from now on throws SceneAbandoned.
    void abandon() { m_abandoned = true; }

    // What a picture box reports about itself.
    void attach(PictureBox *box);
    void detach(PictureBox *box);
    void aboutToClear(PictureBox *box); // shows what is not yet shown
    void cleared(PictureBox *box);
    void drawnOn(PictureBox *box);
    void painted(PictureBox *box);

private:
    struct Frame {
        bool dirty = false;          // changed since last shown
        bool wiped = false;          // cleared since last shown
        bool unshownDrawing = false; // drawn on since the last clear, not shown
        Clock::time_point shownAt;
        std::int64_t shownBeforeDisplayFrame = -1; // the display's frame count when shown
    };

    // A window has a handful of boxes: a short list is faster than a hash
    // for a lookup made at every point drawn.
    Frame *frameOf(const PictureBox *box);
    void changed();
    void shown(Frame &frame);
    // Events are processed while a present waits, and a box may be
    // destroyed meanwhile: what a present collected, it holds weakly.
    using Boxes = QVarLengthArray<QPointer<PictureBox>, 4>; // no allocation per frame
    void holdShownFrames(const Boxes &boxes);
    void processEvents();

    std::vector<std::pair<PictureBox *, Frame>> m_frames;
    std::chrono::nanoseconds m_refresh;
    FrameClock &m_clock;
    Clock::time_point m_dirtySince;
    bool m_anyDirty = false;
    int m_drawnSinceClockRead = 0;
    bool m_stalled = false;
    bool m_abandoned = false;
};

} // namespace brovaci
