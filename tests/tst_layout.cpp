// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/layout.h"

#include <QTest>

using namespace brovaci;

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void places_data();
    void places();
    void arrangement();
};

void TestLayout::places_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QPointF>("reference");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRectF>("rect");

    const QSize xga(1024, 768), svga(800, 600), sxga(1280, 1024);
    QTest::addRow("xga-picture1") << xga << 96.0 << QPointF(512, 384) << "Picture1" << QRectF(522, 94, 250, 140);
    QTest::addRow("xga-picture3") << xga << 96.0 << QPointF(512, 384) << "Picture3" << QRectF(522, 324, 280, 200);
    QTest::addRow("xga-txtistru") << xga << 96.0 << QPointF(512, 384) << "Txtistru" << QRectF(132, 134, 380, 450);
    QTest::addRow("xga-cmdfine") << xga << 96.0 << QPointF(512, 384) << "cmdfine" << QRectF(297, 585, 50, 50);
    QTest::addRow("xga-cmdperde") << xga << 96.0 << QPointF(512, 384) << "Cmdperde" << QRectF(522, 597, 271, 30);
    QTest::addRow("svga-picture1") << svga << 96.0 << QPointF(400, 300) << "Picture1" << QRectF(410, 10, 250, 140);
    QTest::addRow("svga-cmdfine") << svga << 96.0 << QPointF(400, 300) << "cmdfine" << QRectF(185, 501, 50, 50);
    QTest::addRow("sxga-120dpi-picture1")
        << sxga << 120.0 << QPointF(512, 409.6) << "Picture1" << QRectF(522, 409.6 - 290, 250, 140);
    QTest::addRow("sxga-120dpi-vscroll1")
        << sxga << 120.0 << QPointF(512, 409.6) << "VScroll1" << QRectF(802, 409.6 + 50, 20, 190);
}

void TestLayout::places()
{
    QFETCH(QSize, screen);
    QFETCH(double, dpi);
    QFETCH(QPointF, reference);
    QFETCH(QString, control);
    QFETCH(QRectF, rect);
    const QSizeF twips = twipsOf(screen, dpi);
    QCOMPARE(referencePoint(twips), reference);
    const auto steps = startupLayout(twips);
    const auto it = std::find_if(steps.begin(), steps.end(), [&](const LayoutStep &s) { return s.control == control; });
    QVERIFY(it != steps.end());
    QCOMPARE(it->rect.x(), rect.x());
    QCOMPARE(it->rect.y(), rect.y());
    QCOMPARE(it->rect.size(), rect.size());
}

void TestLayout::arrangement()
{
    const auto steps = startupLayout(twipsOf({1024, 768}, 96));
    QStringList order;
    QRectF all;
    for (const LayoutStep &s : steps) {
        order << s.control;
        all |= QRectF(s.rect.topLeft(), QSizeF(s.rect.width(), s.setsHeight ? s.rect.height() : 1));
    }
    QCOMPARE(order, QStringList({"Picture1", "Picture2", "Picture3", "Cmdpendolo", "cmdtarmonica", "VScroll1",
                                 "txtarmonica", "lblarmonica", "Txtistru", "Cmdcosafa", "Cmdistruzioni",
                                 "cmdmovimento", "Cmddoppio", "Cmdperde", "cmdfine"}));
    // 690 x 541 pixels, from X - 380 to X + 310 and Y - 290 to Y + 251.
    QCOMPARE(all, QRectF(512 - 380, 384 - 290, 690, 541));
    QStringList shown;
    for (const LayoutStep &s : steps)
        if (s.makesVisible)
            shown << s.control;
    QCOMPARE(shown, QStringList({"Picture2", "Picture3"}));
    QCOMPARE(hintCaption().size(), 125);
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
