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
#pragma once

#include "surface/pacing.h"

#include <QList>
#include <chrono>

namespace brovaci {

class PictureBox;

class Presenter : public FrameSink {
public:
    static constexpr std::chrono::milliseconds ContinuousDrawing{16};
    // How long a present waits for its paint. A compositor that shows no
    // frames (a hidden window on Wayland gets no frame callbacks) is waited
    // for once; after that only a refresh interval, until a paint comes again.
    static constexpr std::chrono::milliseconds PaintTimeout{250};

    void add(PictureBox *box) { m_boxes.append(box); }

    void present() override;
    void idle(Clock::time_point until) override;

    // Called by a box before its clear: shows what is not yet shown.
    void beforeWipe(PictureBox &box);
    // Called by a box after it drew something.
    void drawn();

    void setRefreshInterval(std::chrono::nanoseconds interval) { m_refresh = interval; }
    std::chrono::nanoseconds refreshInterval() const { return m_refresh; }
    // The refresh interval of a display of the given rate; 60 Hz where unknown.
    static std::chrono::nanoseconds intervalForRate(double hertz);

    // Frames shown so far (tests and benchmarks read it).
    long long framesPresented() const { return m_frames; }

private:
    QList<PictureBox *> m_boxes;
    std::chrono::nanoseconds m_refresh = intervalForRate(60);
    void holdShownFrames(const QList<PictureBox *> &boxes);

    Clock::time_point m_dirtySince;
    bool m_anyDirty = false;
    int m_drawnSinceClockRead = 0;
    long long m_frames = 0;
    bool m_stalled = false;
};

} // namespace brovaci
