// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/identity.h"

#include <QGuiApplication>

namespace brovaci {

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/brovaci-%1.png").arg(size), QSize(size, size));
    return icon;
}

void setUpApplication()
{
    QGuiApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("brovaci"));
    QGuiApplication::setWindowIcon(applicationIcon());
}

} // namespace brovaci
