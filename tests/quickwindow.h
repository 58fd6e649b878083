// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture box of the window shows: its drawing area, inside the
// border, grabbed as the screen would get it, at the device pixel ratio.
#pragma once

#include "app/frmpendolo.h"
#include "display/picturebox.h"

#include <QEvent>
#include <QImage>

namespace brovaci::testing {

inline QImage shownPicture(const Frmpendolo &w, const char *name)
{
    auto *box = w.findChild<PictureBox *>(QString::fromLatin1(name));
    return box->grab(box->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Counts the paints a widget gets: the frames that reached its screen.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

} // namespace brovaci::testing
