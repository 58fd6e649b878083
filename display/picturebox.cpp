// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/picturebox.h"

#include "display/announce.h"
#include "display/focusframe.h"
#include "display/presenter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

namespace brovaci {

PictureBox::PictureBox(Presenter &presenter, Colour backColour, Border border, QWidget *parent)
    : QFrame(parent), m_presenter(&presenter), m_canvas(backColour)
{
    if (border == Border::Sunken) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(SunkenBorderWidth);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    presenter.attach(this);
}

PictureBox::~PictureBox()
{
    if (m_presenter)
        m_presenter->detach(this);
}

void PictureBox::Cls()
{
    if (m_presenter)
        m_presenter->aboutToClear(this);
    m_canvas.Cls();
    if (m_presenter)
        m_presenter->cleared(this);
    if (!accessibleDescription().isEmpty())
        Describe(QString());
}

void PictureBox::Describe(const QString &words)
{
    if (words == accessibleDescription())
        return;
    setAccessibleDescription(words); // which tells a screen reader that it changed
    announce(this, words);
}

void PictureBox::PSet(float x, float y, Colour colour)
{
    m_canvas.PSet(x, y, colour);
    drawn();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, Colour colour)
{
    m_canvas.Line(x1, y1, x2, y2, colour);
    drawn();
}

void PictureBox::Circle(float x, float y, float radius, float aspect, Colour colour)
{
    m_canvas.Circle(x, y, radius, aspect, colour);
    drawn();
}

void PictureBox::Print(const QString &text)
{
    m_canvas.Print(text);
    drawn();
}

void PictureBox::setLeft(double left)
{
    move(qRound(left), y());
}

void PictureBox::setWidth(double width)
{
    resize(qRound(width), height());
}

void PictureBox::drawn()
{
    if (m_presenter)
        m_presenter->drawnOn(this);
}

bool PictureBox::updateChanged()
{
    const QRect changed = m_canvas.takeChanged();
    if (changed.isEmpty())
        return false;
    update(changed.translated(contentsRect().topLeft()));
    return true;
}

bool PictureBox::isOnScreen() const
{
    if (!isVisible())
        return false;
    const QWindow *handle = window()->windowHandle();
    return handle && handle->isExposed();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    // A frame of a film repaints the drawing area only: the border, which
    // the style draws at some cost, stays as it is.
    if (!contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    if (event->rect().contains(contentsRect()))
        m_canvas.takeChanged(); // all of it is painted now: no part is left to show
    // Only the part asked for is copied, as a film's frame asks for what
    // changed; at a fractional scale the whole picture, so that no pixel of
    // it is resampled.
    QPainter painter(this);
    const QImage &image = m_canvas.image();
    const qreal ratio = image.devicePixelRatio();
    if (ratio == std::floor(ratio)) {
        const QRect area = event->rect().intersected(contentsRect());
        const QPointF from = QPointF(area.topLeft() - contentsRect().topLeft()) * ratio;
        painter.drawImage(QRectF(area), image, QRectF(from, QSizeF(area.size()) * ratio));
    } else {
        painter.drawImage(contentsRect().topLeft(), image);
    }
    if (hasFocus()) {
        // The focus on the edge only: the picture's colours stay as drawn.
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(rect().adjusted(2, 2, -2, -2))));
        drawFocusFrame(*this, painter, rect());
    }
    if (m_presenter)
        m_presenter->painted(this);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_canvas.setDevicePixelRatio(devicePixelRatioF());
    m_canvas.resize(contentsRect().size());
}

bool PictureBox::event(QEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // The window scaled anew, or moved to a screen of another density.
    if (event->type() == QEvent::DevicePixelRatioChange) {
        m_canvas.setDevicePixelRatio(devicePixelRatioF());
        update();
    }
#endif
    return QFrame::event(event);
}

void PictureBox::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    m_canvas.setDevicePixelRatio(devicePixelRatioF());
}

} // namespace brovaci
