// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its controls on the offscreen platform: texts, tool tips,
// focus order, start-up, the picture boxes' pixels, and the rule that a
// scene never starts inside another.
#include "app/frmpendolo.h"
#include "design.h"
#include "quickwindow.h"
#include "app/helppanel.h"
#include "display/picturebox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <new>

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

namespace {

// The window, with a period box whose reading fails as nothing in the
// program itself would: as if memory ran out.
class FailingWindow : public Frmpendolo {
public:
    using Frmpendolo::Frmpendolo;
    QString periodText() const override
    {
        if (failures > 0) {
            --failures;
            throw std::bad_alloc();
        }
        return Frmpendolo::periodText();
    }
    mutable int failures = 0;
};

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void settings();
    void focusOrder();
    void enterClicksTheFocusedButton_data();
    void enterClicksTheFocusedButton();
    void startUp();
    void staticCurvePixels();
    void noticePixels();
    void noticeIsToldToAScreenReader();
    void handlerAskedForDuringASceneRunsAfterIt();
    void closeDuringASceneClosesAfterIt();
    void aFailingSceneLeavesTheWindowUsable();

private:
    static PictureBox *picture(Frmpendolo &w, const char *name)
    {
        return w.findChild<PictureBox *>(QLatin1StringView(name));
    }
    static int countColour(const QImage &image, QRgb rgb)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == rgb;
        return n;
    }
};

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    for (const testing::DesignControl &c : testing::designControls())
        QTest::addRow("%s", qPrintable(c.name)) << c.name << c.kind << c.text << c.toolTip;
}

void TestWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    Frmpendolo w;
    QCOMPARE(w.windowTitle(), QStringLiteral("pendolo"));
    QCOMPARE(w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 15);
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    // The kind of control the design names, whatever the class that makes it.
    const bool isKind = kind == u"picture"_s  ? qobject_cast<PictureBox *>(control) != nullptr
                        : kind == u"button"_s ? qobject_cast<QPushButton *>(control) != nullptr
                        : kind == u"text"_s
                            ? qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control)
                        : kind == u"label"_s     ? qobject_cast<QLabel *>(control) != nullptr
                        : kind == u"scrollbar"_s ? qobject_cast<QScrollBar *>(control) != nullptr
                                                 : false;
    QVERIFY2(isKind, qPrintable(QStringLiteral("%1 is a %2, not a %3")
                                    .arg(name, QLatin1StringView(control->metaObject()->className()), kind)));
    QCOMPARE(control->toolTip(), toolTip);
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        QCOMPARE(edit->text(), text);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
}

void TestWindow::settings()
{
    Frmpendolo w;
    auto *scroll = w.findChild<QScrollBar *>(u"VScroll1"_s);
    QCOMPARE(scroll->orientation(), Qt::Vertical);
    QCOMPARE(scroll->minimum(), 10);
    QCOMPARE(scroll->maximum(), 3000);
    QCOMPARE(scroll->value(), 10);
    QCOMPARE(scroll->singleStep(), 10);
    QCOMPARE(scroll->pageStep(), 100);

    auto *panel = w.findChild<HelpPanel *>(u"Txtistru"_s);
    QCOMPARE(panel->palette().color(QPalette::Base), QColor(0xC0, 0xFF, 0xC0));
    QCOMPARE(panel->palette().color(QPalette::Text), QColor(0x80, 0x00, 0x80));
    QCOMPARE(panel->font().pointSize(), 18);
    QCOMPARE(panel->font().weight(), QFont::Bold);
    QVERIFY(panel->tabChangesFocus());
    const QStringList lines = panel->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QStringLiteral("Curve armoniche di "));
    QCOMPARE(lines[1], QStringLiteral("Lissajous     "));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], QStringLiteral("Clicca qui per le istruzioni. "));
    QVERIFY(lines[4].startsWith(QStringLiteral("Brovaci")) && lines[4].endsWith(QStringLiteral("  ")));
    QCOMPARE(lines[5], QString(12, u' '));
    QCOMPARE(lines[6], QString());

    // Before start-up: the pendulum boxes are hidden, the curve box is not.
    QVERIFY(picture(w, "Picture1")->isHidden());
    QVERIFY(picture(w, "Picture2")->isHidden());
    QVERIFY(!picture(w, "Picture3")->isHidden());
    QCOMPARE(picture(w, "Picture3")->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::black));
}

void TestWindow::focusOrder()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdmovimento"));

    const QStringList expected = {u"Picture1"_s,      u"Picture2"_s,     u"Picture3"_s,     u"txtarmonica"_s,
                                  u"Cmdperde"_s,      u"Cmddoppio"_s,    u"cmdmovimento"_s, u"Cmdpendolo"_s,
                                  u"Txtistru"_s,      u"cmdtarmonica"_s, u"cmdfine"_s,      u"Cmdcosafa"_s,
                                  u"Cmdistruzioni"_s, u"VScroll1"_s};
    w.findChild<QWidget *>(u"Picture1"_s)->setFocus();
    QStringList walked;
    for (int i = 0; i < expected.size(); ++i) {
        walked << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(walked, expected);
    // The walk comes round again to the first control.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
    // Shift+Tab walks it backwards.
    QStringList back;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(back, expected);
}

void TestWindow::enterClicksTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    for (const char *name : {"Cmdperde", "Cmddoppio", "cmdmovimento", "Cmdpendolo", "cmdtarmonica", "cmdfine",
                             "Cmdcosafa", "Cmdistruzioni"}) {
        QTest::addRow("%s-enter", name) << name << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
        QTest::addRow("%s-keypad-enter", name) << name << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    }
    QTest::addRow("ctrl-enter-is-no-click") << "Cmdpendolo" << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
}

void TestWindow::enterClicksTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    // A bare window: clicking must not run the scenes here, only be counted.
    Frmpendolo w(Frmpendolo::Pacing::Off);
    auto *b = w.findChild<QPushButton *>(button);
    QSignalSpy clicked(b, &QPushButton::clicked);
    QObject::disconnect(b, &QPushButton::clicked, &w, nullptr);
    QTest::keyClick(b, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.size(), clicks);
    // Held down, Enter clicks once.
    QTest::keyPress(b, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
    QApplication::sendEvent(b, &repeat);
    QCOMPARE(clicked.size(), 2 * clicks);
}

void TestWindow::startUp()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    QVERIFY(w.isVisible());
    for (const char *name : {"Picture1", "Picture2", "Picture3"})
        QVERIFY2(picture(w, name)->isVisible(), name);
    QVERIFY(w.pacer().textLine() == 119 * 80);
    // The opening curve's last frame stays: blue dots on the curve box.
    QVERIFY(countColour(shownPicture(w, "Picture3"), qRgb(0, 0, 255)) > 1000);
    auto *label = w.findChild<QLabel *>(u"lblarmonica"_s);
    QCOMPARE(label->text().size(), 125);
    QCOMPARE(label->width(), 271);
    QVERIFY(label->height() >= label->fontMetrics().height());
    QCOMPARE(picture(w, "Picture3")->size(), QSize(280, 200));
    QCOMPARE(picture(w, "Picture1")->size(), QSize(250, 140));
    QCOMPARE(picture(w, "Picture2")->size(), QSize(10, 90));
}

void TestWindow::staticCurvePixels()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    w.findChild<QLineEdit *>(u"txtarmonica"_s)->setText(u"100"_s);
    w.Cmdpendolo_Click();
    const QImage image = shownPicture(w, "Picture3");
    const QRgb blue = qRgb(0, 0, 255);
    // A circle of radius 65 around (125, 125): its four extremes, the 3-pixel
    // dots around them, and an empty centre.
    for (const QPoint p : {QPoint(190, 125), QPoint(60, 125), QPoint(125, 190), QPoint(125, 60)})
        QVERIFY2(image.pixel(p) == blue || image.pixel(p + QPoint(-1, -1)) == blue,
                 qPrintable(u"%1,%2"_s.arg(p.x()).arg(p.y())));
    QCOMPARE(image.pixel(125, 125), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(200, 125), qRgb(0, 0, 0));
    // Only black and blue: no stray colour.
    QCOMPARE(countColour(image, blue) + countColour(image, qRgb(0, 0, 0)), image.width() * image.height());
}

void TestWindow::noticePixels()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    box->setText(u"12abc"_s);
    w.Cmdpendolo_Click();
    QCOMPARE(box->text(), QStringLiteral("12abc"));
    const QImage image = shownPicture(w, "Picture3");
    QVERIFY(countColour(image, qRgb(0, 0, 255)) == 0);
    // Red text in the top rows only: three lines of 14 points.
    int lowest = -1, rightmost = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 128 && qGreen(image.pixel(x, y)) < 64) {
                lowest = y;
                rightmost = std::max(rightmost, x);
            }
    QVERIFY(lowest > 20);
    QVERIFY(lowest < 100);
    // Every line can be read whole: none runs into the right edge.
    QVERIFY2(rightmost < image.width() - 3, qPrintable(QString::number(rightmost)));
}

// The notice in words for a screen reader: the curve box's description
// (announced to it: tests/e2e/accessibility.py), gone with the next curve.
void TestWindow::noticeIsToldToAScreenReader()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *picture = w.findChild<PictureBox *>(u"Picture3"_s);
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    QCOMPARE(picture->accessibleDescription(), QString());
    box->setText(u"abc"_s);
    w.Cmdpendolo_Click();
    QCOMPARE(picture->accessibleDescription(),
             u"Hai immesso dati non compatibili nella finestrella bianca, cancella e cambiali."_s);
    box->setText(u"200"_s);
    w.Cmdpendolo_Click();
    QCOMPARE(picture->accessibleDescription(), QString());
}

void TestWindow::handlerAskedForDuringASceneRunsAfterIt()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    // Arrives while the turning curve runs (its pauses process posted events).
    const auto before = w.pacer().textLine();
    QMetaObject::invokeMethod(&w, "Cmdpendolo_Click", Qt::QueuedConnection);
    w.cmdtarmonica_Click();
    QCOMPARE(w.pacer().textLine() - before, 119 * 80); // the film played whole
    // ... and the still figure ran after it: it is what the box shows.
    const QImage shown = shownPicture(w, "Picture3");
    w.cmdtarmonica_Click();
    QVERIFY(shownPicture(w, "Picture3") != shown);
    w.Cmdpendolo_Click();
    QCOMPARE(shownPicture(w, "Picture3"), shown);
}

void TestWindow::closeDuringASceneClosesAfterIt()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    QVERIFY(w.isVisible());
    QCoreApplication::postEvent(&w, new QCloseEvent);
    const auto before = w.pacer().textLine();
    PaintCounter paints(picture(w, "Picture3"));
    w.Cmddoppio_Click();
    // The film played to its end on a visible window, then the window closed.
    QCOMPARE(w.pacer().textLine() - before, 378000);
    QVERIFY2(paints.count >= 756, qPrintable(QString::number(paints.count)));
    QVERIFY(!w.isVisible());
}

void TestWindow::aFailingSceneLeavesTheWindowUsable()
{
    FailingWindow w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *still = w.findChild<QPushButton *>(u"Cmdpendolo"_s);
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    box->setText(u"100"_s);
    w.failures = 1;
    // Clicked as the user clicks: the failure must not leave through the click.
    QTest::mouseClick(still, Qt::LeftButton);
    QCOMPARE(w.failures, 0);
    QVERIFY(w.isVisible());
    QVERIFY(!w.sceneRunning());
    QVERIFY(!w.ended());
    // The next click draws the circle of 100, as if nothing had happened.
    QTest::mouseClick(still, Qt::LeftButton);
    const QImage image = shownPicture(w, "Picture3");
    QVERIFY(image.pixel(190, 125) == qRgb(0, 0, 255) || image.pixel(189, 124) == qRgb(0, 0, 255));
    QCOMPARE(image.pixel(125, 125), qRgb(0, 0, 0));
    QVERIFY(countColour(image, qRgb(0, 0, 255)) > 1000);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
