// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/picturebox.h"

#include "surface/presenter.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QWindow>

namespace brovaci {

namespace {

// Assistive technology sees a picture box as a picture.
QAccessibleInterface *accessiblePicture(const QString &className, QObject *object)
{
    if (className == QLatin1String("brovaci::PictureBox") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(Presenter &presenter, Colour backColour, bool sunkenBorder, QWidget *parent)
    : QFrame(parent), m_presenter(presenter), m_canvas(backColour)
{
    if (sunkenBorder) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessible = (QAccessible::installFactory(accessiblePicture), true);
    Q_UNUSED(accessible);
    presenter.add(this);
}

void PictureBox::Cls()
{
    m_presenter.beforeWipe(*this);
    m_canvas.Cls();
    m_wiped = true;
    m_unshownDrawing = false;
    markDirty();
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
    m_unshownDrawing = true;
    markDirty();
}

void PictureBox::markDirty()
{
    m_dirty = true;
    m_presenter.drawn();
}

bool PictureBox::isOnScreen() const
{
    if (!isVisible())
        return false;
    const QWindow *handle = window()->windowHandle();
    return handle && handle->isExposed();
}

void PictureBox::markShown()
{
    m_dirty = false;
    m_wiped = false;
    m_unshownDrawing = false;
    m_shownAt = Clock::now();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_canvas.image());
    markShown();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_canvas.setDevicePixelRatio(devicePixelRatioF());
    m_canvas.resize(contentsRect().size());
}

void PictureBox::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    m_canvas.setDevicePixelRatio(devicePixelRatioF());
}

} // namespace brovaci
