// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmpendolo.h"
#include "app/identity.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    brovaci::reopenClosedStandardStreams();
    // Widgets repaint through the platform's update requests; without a
    // delay of their own every frame of a film reaches the screen at once.
    if (!qEnvironmentVariableIsSet("QT_QPA_UPDATE_IDLE_TIME"))
        qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    brovaci::watchStartUp();
    QApplication app(argc, argv);
    brovaci::endOfStartUp();
    brovaci::setUpApplication();

    brovaci::Frmpendolo window;
    window.Form_Load();
    // Ended, or closed, while the opening curve played: the event loop would
    // wait for a window that is gone.
    if (window.ended() || !window.isVisible())
        return 0;
    return app.exec();
}
