// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture box of the window: keeps its picture in a Canvas at the device
// pixel ratio and only copies it to the screen in paintEvent, so the picture
// survives being covered and uncovered. Its drawing area is the inside of its
// border. It tells its Presenter what it draws and when it is painted; the
// presenter gets the frames onto the screen.
#pragma once

#include "surface/canvas.h"
#include "surface/surface.h"

#include <QFrame>

namespace brovaci {

class Presenter;

class PictureBox : public QFrame, public Surface {
    Q_OBJECT
public:
    enum class Border { None, Sunken };
    static constexpr int SunkenBorderWidth = 2;

    PictureBox(Presenter &presenter, Colour backColour, Border border, QWidget *parent = nullptr);
    ~PictureBox() override;

    void Cls() override;
    void PSet(float x, float y, Colour colour) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Circle(float x, float y, float radius, float aspect, Colour colour) override;
    void Print(const QString &text) override;
    // The box's accessible description, announced to a screen reader.
    void Describe(const QString &words) override;
    void setForeColor(Colour colour) override { m_canvas.setForeColor(colour); }
    void setFontSize(int points) override { m_canvas.setFontSize(points); }
    void setVisible(bool visible) override { QFrame::setVisible(visible); }
    void setLeft(double left) override;
    void setWidth(double width) override;

    // The face of printed text; its size is set by setFontSize.
    void setTextFont(const QFont &font) { m_canvas.setFont(font); }

    // Visible, in a window the platform shows.
    bool isOnScreen() const;
    // Asks for a repaint of what changed since the last call; false if
    // nothing did, and there is nothing to wait for.
    bool updateChanged();
    // The presenter is going away before the box.
    void forgetPresenter() { m_presenter = nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void drawn();

    Presenter *m_presenter;
    Canvas m_canvas;
};

} // namespace brovaci
