// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box of the window: keeps its picture in a Canvas at the device
// pixel ratio and only copies it to the screen in paintEvent, so the picture
// survives being covered and uncovered. Its drawing area is the inside of its
// border. Drawing calls mark it dirty; the Presenter gets it onto the screen.
#pragma once

#include "surface/canvas.h"
#include "surface/pacing.h"
#include "surface/surface.h"

#include <QFrame>

namespace brovaci {

class Presenter;

class PictureBox : public QFrame, public Surface {
    Q_OBJECT
public:
    PictureBox(Presenter &presenter, Colour backColour, bool sunkenBorder, QWidget *parent = nullptr);

    void Cls() override;
    void PSet(float x, float y, Colour colour) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, float aspect, Colour colour) override;
    void Print(const QString &text) override;
    void setForeColor(Colour colour) override { m_canvas.setForeColor(colour); }
    void setFontSize(int points) override { m_canvas.setFontSize(points); }
    void setVisible(bool visible) override { QFrame::setVisible(visible); }
    void setLeft(double left) override;
    void setWidth(double width) override;

    const Canvas &canvas() const { return m_canvas; }
    void setCanvasFont(const QFont &font) { m_canvas.setFont(font); }

    // Presentation state, for the Presenter.
    bool isDirty() const { return m_dirty; }
    bool isWiped() const { return m_wiped; } // cleared since last shown
    bool hasUnshownDrawing() const { return m_unshownDrawing; } // drawn on since the last clear, not shown
    bool isOnScreen() const;
    void requestPaint() { update(contentsRect()); }
    void markShown();
    Clock::time_point shownAt() const { return m_shownAt; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void drawn();      // something was drawn
    void markDirty();  // the picture changed since it was last shown

    Presenter &m_presenter;
    Canvas m_canvas;
    bool m_dirty = false;
    bool m_wiped = false;
    bool m_unshownDrawing = false;
    Clock::time_point m_shownAt;
};

} // namespace brovaci
