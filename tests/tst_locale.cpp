// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The period number as an Italian user types it, into the real window: run
// with the user's locale set to Italian (LC_ALL on Linux; on Windows, under
// wine, LANG sets the user locale), the decimal comma is read as such.
#include "app/frmpendolo.h"
#include "quickwindow.h"
#include "surface/canvas.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

namespace {

// The still figure for the period number n, as the design states it: 6281
// blue points at (125 + 65 cos(100 t), 125 + 65 sin(n t)), t from -3.14 by
// 0.001 while at most 3.14.
QImage figureFor(double n)
{
    Canvas canvas(Black);
    canvas.resize({276, 196});
    for (double t = -3.14; t <= 3.14; t += 0.001)
        canvas.PSet(float(125 + 65 * std::cos(100 * t)), float(125 + 65 * std::sin(n * t)), Blue);
    return canvas.image();
}

int reddish(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qRed(image.pixel(x, y)) > 128 && qGreen(image.pixel(x, y)) < 64 && qBlue(image.pixel(x, y)) < 64;
    return n;
}

} // namespace

class TestLocale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typedInItalian_data();
    void typedInItalian();
};

void TestLocale::initTestCase()
{
    // The environment this test is registered with makes the user Italian.
    QCOMPARE(QLocale::system().language(), QLocale::Italian);
    QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
}

void TestLocale::typedInItalian_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("number"); // NaN: not a number, the notice
    QTest::addRow("decimal-comma") << "1,5" << 1.5;
    QTest::addRow("negative-decimal-comma") << "-0,25" << -0.25;
    QTest::addRow("whole-number") << "100" << 100.0;
    QTest::addRow("exponent-with-comma") << "2,5e2" << 250.0;
    QTest::addRow("letters") << "1,5x" << qQNaN();
}

void TestLocale::typedInItalian()
{
    QFETCH(QString, typed);
    QFETCH(double, number);
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed);
    QTest::mouseClick(w.findChild<QPushButton *>(u"Cmdpendolo"_s), Qt::LeftButton);
    const QImage shown = shownPicture(w, "Picture3");
    if (std::isnan(number)) {
        QVERIFY(reddish(shown) > 100); // the notice
        return;
    }
    QCOMPARE(reddish(shown), 0);
    QCOMPARE(shown, figureFor(number));
}

QTEST_MAIN(TestLocale)
#include "tst_locale.moc"
