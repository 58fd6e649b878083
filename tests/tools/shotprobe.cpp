// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a screenshot for the end-to-end tests.
//   shotprobe count PNG X Y W H RRGGBB    pixels of that colour in the area
//   shotprobe bbox PNG RRGGBB             bounding box of that colour: X Y W H
//   shotprobe pattern PNG X Y W H RRGGBB  a hash of where that colour lies
//   shotprobe match PNG X Y SCENE TEXT    mismatching pixels between the area at
//                                         (X, Y) and the curve box as SCENE leaves it
//                                         for TEXT; SCENE is still or turning
#include "../canvasstage.h"
#include "scenes/scenes.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

using namespace Qt::StringLiterals;

using namespace brovaci;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: shotprobe count|bbox|pattern|match PNG ...\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString command = args[0];
    const QImage shot = QImage(args[1]).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    const auto num = [&](int i) { return args.value(i).toInt(); };
    const auto colour = [&](int i) { return QRgb(0xFF000000u | args.value(i).toUInt(nullptr, 16)); };
    const auto area = [&] { return QRect(num(2), num(3), num(4), num(5)) & shot.rect(); };

    if (command == u"count"_s && args.size() == 7) {
        const QRect r = area();
        const QRgb want = colour(6);
        long n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += shot.pixel(x, y) == want;
        std::printf("%ld\n", n);
        return 0;
    }
    if (command == u"bbox"_s && args.size() == 3) {
        const QRgb want = colour(2);
        QRect box;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == want)
                    box |= QRect(x, y, 1, 1);
        std::printf("%d %d %d %d\n", box.x(), box.y(), box.width(), box.height());
        return box.isEmpty() ? 1 : 0;
    }
    if (command == u"pattern"_s && args.size() == 7) {
        const QRect r = area();
        const QRgb want = colour(6);
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const char bit = shot.pixel(x, y) == want ? '1' : '0';
                hash.addData(QByteArrayView(&bit, 1));
            }
        std::printf("%s\n", hash.result().toHex().left(16).constData());
        return 0;
    }
    if (command == u"match"_s && args.size() == 6) {
        testing::CanvasStage stage;
        stage.text = args[5];
        if (args[4] == u"still"_s)
            scenes::Cmdpendolo_Click(stage);
        else if (args[4] == u"turning"_s)
            scenes::cmdtarmonica_Click(stage);
        else
            return usage();
        const QImage expected = stage.p3.canvas.image();
        long wrong = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QPoint at(num(2) + x, num(3) + y);
                if (!shot.rect().contains(at) || shot.pixel(at) != expected.pixel(x, y))
                    ++wrong;
            }
        std::printf("%ld\n", wrong);
        return 0;
    }
    return usage();
}
