// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps back the user's input while a scene runs and hands it on, in order,
// once the scene has ended. Where the window system queues input, Qt keeps it
// in that queue while a scene processes only other events, and nothing ever
// reaches this hold. In a browser, Qt delivers input straight from the page's
// callbacks, while the scene waits for the browser: this hold then stands in
// for the queue. Clicks, keys, the wheel and the scroll bar alike wait.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>

namespace brovaci {

class InputHold : public QObject {
public:
    // busy says whether a scene runs now. The hold watches every window of
    // the application, from the moment it is made.
    explicit InputHold(std::function<bool()> busy);
    ~InputHold() override;

    // The scene has ended: what was held is handed on from the event loop,
    // in order, each in turn once the scene it may start has ended.
    void release();
    // The program is ending: what was held is dropped.
    void drop() { m_held.clear(); }
    std::size_t held() const { return m_held.size(); }

    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    bool event(QEvent *event) override;

private:
    struct Held {
        QPointer<QObject> target;
        std::unique_ptr<QEvent> event;
    };
    void handOn();

    std::function<bool()> m_busy;
    std::deque<Held> m_held;
    QEvent *m_handingOn = nullptr;
    bool m_releasePosted = false;
};

} // namespace brovaci
