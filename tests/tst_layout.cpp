// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmpendolo.h"
#include "app/layout.h"
#include "design.h"
#include "surface/twips.h"

#include <algorithm>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace brovaci;

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void places_data();
    void places();
    void arrangement();
    void fitToPage_data();
    void fitToPage();
};

void TestLayout::places_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QPointF>("reference");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRectF>("rect");

    const QSize xga(1024, 768), svga(800, 600), sxga(1280, 1024);
    // Every control on the design's screen, where the end-to-end tests click.
    for (const testing::DesignControl &c : testing::designControls())
        QTest::addRow("xga-%s", qPrintable(c.name)) << xga << 96.0 << QPointF(512, 384) << c.name << c.place;
    QTest::addRow("svga-picture1") << svga << 96.0 << QPointF(400, 300) << "Picture1" << QRectF(410, 10, 250, 140);
    QTest::addRow("svga-cmdfine") << svga << 96.0 << QPointF(400, 300) << "cmdfine" << QRectF(185, 501, 50, 50);
    QTest::addRow("sxga-120dpi-picture1")
        << sxga << 120.0 << QPointF(512, 409.6) << "Picture1" << QRectF(522, 119.6, 250, 140);
    QTest::addRow("sxga-120dpi-vscroll1")
        << sxga << 120.0 << QPointF(512, 409.6) << "VScroll1" << QRectF(802, 459.6, 20, 190);
}

void TestLayout::places()
{
    QFETCH(QSize, screen);
    QFETCH(double, dpi);
    QFETCH(QPointF, reference);
    QFETCH(QString, control);
    QFETCH(QRectF, rect);
    const QPointF at = referencePoint(twipsOf(screen, dpi));
    QCOMPARE(at, reference);
    const auto rows = Frmpendolo::controlTable();
    const auto row = std::ranges::find_if(rows, [&](const auto &r) { return control == QLatin1String(r.name); });
    QVERIFY(row != rows.end());
    const QRectF placed = placeAround(at, row->startup);
    QCOMPARE(placed.x(), rect.x());
    QCOMPARE(placed.y(), rect.y());
    QCOMPARE(placed.size(), rect.size());
}

void TestLayout::arrangement()
{
    const QPointF at = referencePoint(twipsOf({1024, 768}, 96));
    std::vector<Frmpendolo::ControlRow> steps(Frmpendolo::controlTable().begin(), Frmpendolo::controlTable().end());
    std::ranges::sort(steps, {}, [](const auto &row) { return row.startup.step; });
    QStringList order;
    QRectF all;
    for (const auto &row : steps) {
        order << QLatin1String(row.name);
        const QRectF r = placeAround(at, row.startup);
        all |= QRectF(r.topLeft(), QSizeF(r.width(), row.startup.sizedByCaption ? 1 : r.height()));
    }
    QCOMPARE(order, QStringList({u"Picture1"_s, u"Picture2"_s, u"Picture3"_s, u"Cmdpendolo"_s, u"cmdtarmonica"_s,
                                 u"VScroll1"_s, u"txtarmonica"_s, u"lblarmonica"_s, u"Txtistru"_s, u"Cmdcosafa"_s,
                                 u"Cmdistruzioni"_s, u"cmdmovimento"_s, u"Cmddoppio"_s, u"Cmdperde"_s, u"cmdfine"_s}));
    // 690 x 541 pixels, from X - 380 to X + 310 and Y - 290 to Y + 251:
    // on a 1024 x 768 screen, from (132, 94).
    QCOMPARE(all, QRectF(132, 94, 690, 541));
    QStringList shown;
    for (const auto &row : steps)
        if (row.startup.shows)
            shown << QLatin1String(row.name);
    QCOMPARE(shown, QStringList({u"Picture2"_s, u"Picture3"_s}));
    QCOMPARE(hintCaption().size(), 125);
}

// The page is the screen: where the controls fit around its centre it is
// used as it is; a phone's or a small window's shows them scaled down, as
// large as they still fit.
void TestLayout::fitToPage_data()
{
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<qreal>("scale");
    QTest::newRow("phone, upright") << QSizeF(390, 844) << 390.0 / 760;
    QTest::newRow("phone, sideways") << QSizeF(844, 390) << 390.0 / 580;
    QTest::newRow("tablet, upright") << QSizeF(768, 1024) << 1.0;
    QTest::newRow("laptop") << QSizeF(1366, 657) << 1.0;
    QTest::newRow("the design's screen") << QSizeF(1024, 768) << 1.0;
    QTest::newRow("just too narrow") << QSizeF(759, 900) << 759.0 / 760;
    QTest::newRow("no page yet") << QSizeF(0, 0) << 1.0;
}

void TestLayout::fitToPage()
{
    QFETCH(QSizeF, page);
    QFETCH(qreal, scale);
    QCOMPARE(Frmpendolo::screenNeeded(), QSizeF(760, 580));
    QCOMPARE(fitScale(page, Frmpendolo::screenNeeded()), scale);
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
