// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/period.h"
#include "scenes/notice.h"
#include "recordingstage.h"
#include "surface/pacing.h"

#include <QTest>

using namespace brovaci;
using namespace brovaci::testing;

class TestPeriod : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void notice();
    void speedLimiter_data();
    void speedLimiter();
};

void TestPeriod::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    const QLocale it(QLocale::Italian, QLocale::Italy);
    const QLocale c = QLocale::c();
    QTest::addRow("initial-200") << "200" << it << true << 200.0;
    QTest::addRow("blanks-around") << " 150 " << it << true << 150.0;
    QTest::addRow("tab-and-blanks") << "\t 150  " << c << true << 150.0;
    QTest::addRow("zero") << "0" << it << true << 0.0;
    QTest::addRow("negative") << "-200" << it << true << -200.0;
    QTest::addRow("decimal-comma-italian") << "1,5" << it << true << 1.5;
    QTest::addRow("decimal-comma-fraction") << "120,25" << it << true << 120.25;
    QTest::addRow("decimal-point-c") << "1.5" << c << true << 1.5;
    QTest::addRow("exponent") << "2e2" << c << true << 200.0;
    QTest::addRow("largest-finite") << "1e308" << c << true << 1e308;
    QTest::addRow("empty") << "" << it << false << 0.0;
    QTest::addRow("only-blanks") << "   " << it << false << 0.0;
    QTest::addRow("letters") << "abc" << it << false << 0.0;
    QTest::addRow("letters-after-digits") << "12abc" << it << false << 0.0;
    QTest::addRow("letters-after-digits-c") << "12abc" << c << false << 0.0;
    QTest::addRow("digits-then-blank-then-digits") << "12 3" << c << false << 0.0;
    QTest::addRow("inf") << "inf" << c << false << 0.0;
    QTest::addRow("minus-inf") << "-inf" << c << false << 0.0;
    QTest::addRow("nan") << "nan" << c << false << 0.0;
    QTest::addRow("nan-italian") << "nan" << it << false << 0.0;
    QTest::addRow("beyond-double-range") << "1e400" << c << false << 0.0;
    QTest::addRow("beyond-double-range-negative") << "-1e400" << it << false << 0.0;
    QTest::addRow("decimal-comma-under-c") << "1,5" << c << false << 0.0;
}

void TestPeriod::reading()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, accepted);
    QFETCH(double, value);
    if (accepted) {
        QCOMPARE(ReadPeriodNumber(text, locale), value);
    } else {
        QVERIFY_THROWS_EXCEPTION(ConversionFailure, ReadPeriodNumber(text, locale));
    }
}

void TestPeriod::notice()
{
    RecordingStage stage;
    stage.p3.PSet(1, 1, Blue);
    stage.log.clear();
    ShowIncompatibleDataNotice(stage.p3);
    QCOMPARE(stage.log.size(), size_t(6));
    QCOMPARE(stage.log[0].kind, OpKind::Cls);
    QCOMPARE(stage.log[1].kind, OpKind::ForeColor);
    QCOMPARE(stage.log[1].colour, Colour(0x000000FF));
    QCOMPARE(stage.log[2].kind, OpKind::FontSize);
    QCOMPARE(stage.log[2].a, 14.f);
    QCOMPARE(stage.printed(3), expectedNotice());
    QVERIFY(!stage.touched(1) && !stage.touched(2));
}

void TestPeriod::speedLimiter_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<int>("count"); // -1: overflow
    QTest::addRow("top-of-range") << 10 << 80;
    QTest::addRow("bottom-of-range") << 3000 << 24000;
    QTest::addRow("largest-that-fits") << 4095 << 32760;
    QTest::addRow("product-overflows") << 4096 << -1;
    QTest::addRow("value-beyond-16-bits") << 70000 << -1;
    QTest::addRow("zero") << 0 << 0;
}

void TestPeriod::speedLimiter()
{
    QFETCH(int, scroll);
    QFETCH(int, count);
    if (count < 0)
        QVERIFY_THROWS_EXCEPTION(Overflow, speedLimiterCount(scroll));
    else
        QCOMPARE(int(speedLimiterCount(scroll)), count);
}

QTEST_GUILESS_MAIN(TestPeriod)
#include "tst_period.moc"
