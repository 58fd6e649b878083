// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accessibility.h"

#include "display/picturebox.h"

#include <QAccessibleWidget>

namespace brovaci {

namespace {

QAccessibleInterface *accessibleControl(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    // A picture box is a picture.
    if (className == QLatin1String("brovaci::PictureBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(accessibleControl), true);
    Q_UNUSED(installed);
}

} // namespace brovaci
