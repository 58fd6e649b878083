// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws Brovaci's icon: the figure eight a harmonograph draws for the period
// number 200, on a black tile with the dark red of "CHIUDI" around it, the
// same picture as brovaci.svg. Writes brovaci-16.png, brovaci-32.png,
// brovaci-48.png and brovaci.ico (the three images) into the given folder.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QBuffer>
#include <QtEndian>

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
    painter.setPen(QPen(QColor(0x40, 0x80, 0xff), size <= 16 ? 5.0 : size <= 32 ? 4.0 : 3.2, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(eight);
    return image;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico file holding PNG images, one directory entry each.
QByteArray ico(const QList<QImage> &images)
{
    QByteArray header(6, '\0');
    qToLittleEndian<quint16>(1, header.data() + 2);
    qToLittleEndian<quint16>(quint16(images.size()), header.data() + 4);
    QByteArray directory, data;
    quint32 offset = quint32(6 + 16 * images.size());
    for (const QImage &image : images) {
        const QByteArray bytes = png(image);
        QByteArray entry(16, '\0');
        entry[0] = char(image.width() % 256);
        entry[1] = char(image.height() % 256);
        qToLittleEndian<quint16>(1, entry.data() + 4);  // planes
        qToLittleEndian<quint16>(32, entry.data() + 6); // bits per pixel
        qToLittleEndian<quint32>(quint32(bytes.size()), entry.data() + 8);
        qToLittleEndian<quint32>(offset, entry.data() + 12);
        offset += quint32(bytes.size());
        directory += entry;
        data += bytes;
    }
    return header + directory + data;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    // It draws into images only: no display is needed, nor used.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QList<QImage> images;
    for (int size : {16, 32, 48}) {
        images << drawIcon(size);
        if (!write(folder.filePath(QStringLiteral("brovaci-%1.png").arg(size)), png(images.last())))
            return 1;
    }
    return write(folder.filePath(QStringLiteral("brovaci.ico")), ico(images)) ? 0 : 1;
}
