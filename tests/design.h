// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The design's numbers for the Qt Test programs: tests/design.json, the one
// copy every test reads, compiled in as a resource so that it is found under
// wine too. It is kept apart from the program's own control table.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRectF>
#include <QString>

namespace brovaci::testing {

struct DesignControl {
    QString name;
    QString kind; // picture, text, button, label or scrollbar
    QString text;
    QString toolTip;
    QString accessibleName; // as a screen reader reads it: the caption's words where none is given
    QRectF place;           // where start-up puts it on a 1024 x 768 screen at 96 dpi
};

// The fifteen controls, in the focus order.
inline QList<DesignControl> designControls()
{
    QFile file(QStringLiteral(":/design.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("design.json is not among the test's resources");
    QList<DesignControl> controls;
    for (const QJsonValue &value :
         QJsonDocument::fromJson(file.readAll()).object()[QLatin1String("controls")].toArray()) {
        const QJsonObject c = value.toObject();
        const QJsonArray p = c[QLatin1String("place")].toArray();
        const QString text = c[QLatin1String("text")].toString();
        const QString name = c[QLatin1String("accessibleName")].toString();
        controls.append({c[QLatin1String("name")].toString(), c[QLatin1String("kind")].toString(), text,
                         c[QLatin1String("toolTip")].toString(), name.isEmpty() ? text.simplified() : name,
                         QRectF(p[0].toDouble(), p[1].toDouble(), p[2].toDouble(), p[3].toDouble())});
    }
    return controls;
}

} // namespace brovaci::testing
