// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws Brovaci's icon: the figure eight a harmonograph draws for the period
// number 200, on a black tile with the dark red of "CHIUDI" around it, the
// same picture as brovaci.svg. Writes brovaci-16.png, brovaci-32.png and
// brovaci-48.png into the given folder, and brovaci-192.png and
// brovaci-512.png for a web page installed as an app. It paints into images only: it needs
// no display, nor even an application object, so that a cross build can run
// it through its emulator (wine, or node for the web).
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    painter.setPen(QPen(QColor(0xc0, 0, 0), 2));
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(1, 1, 46, 46), 7, 7);
    QPainterPath eight;
    constexpr int Steps = 240;
    for (int k = 0; k <= Steps; ++k) {
        const double t = 2 * std::numbers::pi * k / Steps;
        const QPointF p(24 + 17 * std::cos(t), 24 + 13 * std::sin(2 * t));
        k == 0 ? eight.moveTo(p) : eight.lineTo(p);
    }
    // Thin lines vanish at 16 pixels: the smaller the icon, the bolder the curve.
    painter.setPen(QPen(QColor(0x40, 0x80, 0xff),
                        size <= 16   ? 5.0
                        : size <= 32 ? 4.0
                                     : 3.2,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(eight);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 48, 192, 512})
        if (!drawIcon(size).save(folder.filePath(QStringLiteral("brovaci-%1.png").arg(size)), "PNG"))
            return 1;
    return 0;
}
