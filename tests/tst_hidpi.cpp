// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// On a screen of device pixel ratio 2 the picture boxes keep their pictures
// at full resolution: a point is drawn on device pixels, not scaled up blurry.
// Runs with QT_SCALE_FACTOR=2 on the offscreen platform.
#include "app/frmpendolo.h"
#include "quickwindow.h"
#include "display/picturebox.h"

#include <QLineEdit>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void pointsCoverDevicePixels();
};

void TestHiDpi::pointsCoverDevicePixels()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    QCOMPARE(w.devicePixelRatioF(), 2.0);
    auto *box = w.findChild<PictureBox *>(u"Picture3"_s);
    QCOMPARE(box->size(), QSize(280, 200)); // logical pixels, as laid out
    w.findChild<QLineEdit *>(u"txtarmonica"_s)->setText(u"0"_s);
    w.Cmdpendolo_Click();
    const QImage image = shownPicture(w, "Picture3");
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.size(), QSize(2 * 276, 2 * 196));
    // Period 0: a row of points at y = 125 from x = 60 to 190. A dot centred
    // on logical pixel (x, 125) covers logical pixels x - 1 .. x + 1 and
    // 124 .. 126: device rows 248 .. 253, with sharp edges at 247 and 254.
    const QRgb blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0);
    for (int row = 248; row <= 253; ++row)
        QCOMPARE(image.pixel(2 * 125, row), blue);
    QCOMPARE(image.pixel(2 * 125, 247), black);
    QCOMPARE(image.pixel(2 * 125, 254), black);
    // The row ends at logical 190 (dot to 191): device columns up to 383, black from 384.
    QCOMPARE(image.pixel(383, 250), blue);
    QCOMPARE(image.pixel(384, 250), black);
    QCOMPARE(image.pixel(2 * 59 - 1, 250), black);
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
