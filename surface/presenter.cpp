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
            box->requestPaint();
            waiting.append(box);
        } else {
            box->markShown(); // nobody can see it: nothing to wait for
        }
    }
    m_anyDirty = false;
    if (waiting.isEmpty())
        return;
    ++m_frames;
    const auto deadline = Clock::now() + PaintTimeout;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        waiting.removeIf([](PictureBox *box) { return !box->isDirty() || !box->isOnScreen(); });
        if (waiting.isEmpty() || Clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
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
    if (box.isDirty())
        present();
    if (m_refresh.count() <= 0 || !box.isOnScreen())
        return;
    const auto until = box.shownAt() + m_refresh;
    while (Clock::now() < until)
        idle(until);
}

void Presenter::drawn(PictureBox &box)
{
    Q_UNUSED(box);
    const auto now = Clock::now();
    if (!m_anyDirty) {
        m_anyDirty = true;
        m_dirtySince = now;
    } else if (now - m_dirtySince >= ContinuousDrawing) {
        present();
    }
}

} // namespace brovaci
