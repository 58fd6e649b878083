// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop sees it: name, version and icon, and every
// control as assistive technology reads it.
#include "app/frmpendolo.h"
#include "quickwindow.h"
#include "app/helppanel.h"
#include "app/identity.h"
#include "app/layout.h"
#include "app/windowwatch.h"
#include "design.h"
#include "display/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstring>

#ifdef BROVACI_X11
#include <xcb/xcb.h>
#endif

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void identity();
    void accessibility_data();
    void accessibility();
    void assistiveChangesWaitForTheScene();
    void characterPlaces_data();
    void characterPlaces();
    void destroyedWindow_data();
    void destroyedWindow();
};

void TestDesktop::identity()
{
    setUpApplication();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Brovaci"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("brovaci"));
    const QIcon icon = QApplication::windowIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {48, 48}}));
    for (int size : {16, 32, 48}) {
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The figure is drawn: blue in the tile, not an empty picture.
        int blue = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                blue += qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 128;
        QVERIFY2(blue > size, qPrintable(QString::number(blue)));
    }
    Frmpendolo w;
    QCOMPARE(w.windowIcon().availableSizes(), icon.availableSizes());
}

void TestDesktop::accessibility_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("description");
    const QHash<QString, int> roles{{u"picture"_s, QAccessible::Graphic},
                                    {u"text"_s, QAccessible::EditableText},
                                    {u"button"_s, QAccessible::Button},
                                    {u"label"_s, QAccessible::StaticText},
                                    {u"scrollbar"_s, QAccessible::ScrollBar}};
    for (const testing::DesignControl &c : testing::designControls()) {
        // The label is read by the caption start-up gives it.
        const QString name = c.kind == u"label"_s ? hintCaption() : c.accessibleName;
        QTest::addRow("%s", qPrintable(c.name)) << c.name << name << roles.value(c.kind, -1) << c.toolTip;
    }
}

void TestDesktop::accessibility()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, description);
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&w);
    QVERIFY(window);
    // Walk the window's accessible children to the control.
    QAccessibleInterface *found = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        if (child && child->object() && child->object()->objectName() == control)
            found = child;
    }
    QVERIFY2(found, qPrintable(control));
    QCOMPARE(found->text(QAccessible::Name), name);
    QCOMPARE(int(found->role()), role);
    QCOMPARE(found->text(QAccessible::Description), description);
    QCOMPARE(window->childCount(), 15);
    // The window is a frame named by its title.
    QCOMPARE(int(window->role()), int(QAccessible::Window));
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("pendolo"));
}

// A press, a scroll value and a text an assistive tool asks for during a
// film wait for it, like clicks, and are carried out after it, in order.
void TestDesktop::assistiveChangesWaitForTheScene()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *scroll = w.findChild<QScrollBar *>(u"VScroll1"_s);
    auto *box = w.findChild<QLineEdit *>(u"txtarmonica"_s);
    auto *still = w.findChild<QPushButton *>(u"Cmdpendolo"_s);
    QAccessibleInterface *scrollIface = QAccessible::queryAccessibleInterface(scroll);
    QAccessibleInterface *boxIface = QAccessible::queryAccessibleInterface(box);
    QAccessibleInterface *stillIface = QAccessible::queryAccessibleInterface(still);
    QVERIFY(scrollIface->valueInterface() && boxIface->editableTextInterface() && stillIface->actionInterface());
    QVERIFY(stillIface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    int scrollDuring = 0;
    QString textDuring;
    bool runningDuring = false;
    QTimer::singleShot(0, &w, [&] { // comes in the film's first pause
        runningDuring = w.sceneRunning();
        stillIface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        scrollIface->valueInterface()->setCurrentValue(500);
        boxIface->editableTextInterface()->replaceText(0, 3, QStringLiteral("100"));
        QTest::qWait(50); // long enough for a press to show, had it not waited
        scrollDuring = scroll->value();
        textDuring = box->text();
    });
    w.Cmddoppio_Click();
    QVERIFY(runningDuring);
    QCOMPARE(scrollDuring, 10);
    QCOMPARE(textDuring, QStringLiteral("200"));
    QCOMPARE(scroll->value(), 500);
    QCOMPARE(box->text(), QStringLiteral("100"));
    // The press ran after the film, with the period typed after it: the
    // still figure for 100, a circle, is on the curve box.
    const QImage shown = shownPicture(w, "Picture3");
    const QRgb blue = qRgb(0, 0, 255);
    QVERIFY(shown.pixel(190, 125) == blue || shown.pixel(189, 124) == blue); // radius 65 around (125, 125)
    QCOMPARE(shown.pixel(125, 125), qRgb(0, 0, 0));                          // the figure eight for 200 crosses there
}

void TestDesktop::characterPlaces_data()
{
    // A text box, its text, where the cursor stands, and the box's alignment.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("alignment");
    const QString longNumber = QStringLiteral("12345678901234567890123456789012345678901234567890");
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    QTest::addRow("period-short") << "txtarmonica"
                                  << "200" << 3 << left;
    QTest::addRow("period-scrolled-to-the-end") << "txtarmonica" << longNumber << int(longNumber.size()) << left;
    QTest::addRow("period-centred") << "txtarmonica"
                                    << "200" << 0 << int(Qt::AlignCenter);
    QTest::addRow("period-right") << "txtarmonica"
                                  << "1,5" << 1 << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::addRow("panel-scrolled-down") << "Txtistru" << QString() << -1 << left;
}

void TestDesktop::characterPlaces()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, alignment);
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    QWidget *box = w.findChild<QWidget *>(control);
    if (auto *edit = qobject_cast<QLineEdit *>(box)) {
        edit->setAlignment(Qt::Alignment(alignment));
        edit->setText(text);
        edit->setFocus();
        edit->setCursorPosition(cursor);
    } else {
        auto *panel = qobject_cast<HelpPanel *>(box);
        w.Cmdistruzioni_Click(); // long enough to scroll
        panel->verticalScrollBar()->setValue(panel->verticalScrollBar()->maximum() / 2);
    }
    QCoreApplication::processEvents();
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    QAccessibleTextInterface *textIface = iface->textInterface();
    QVERIFY(textIface);
    const QRect onScreen(box->mapToGlobal(QPoint(0, 0)), box->size());
    int shown = 0;
    for (int offset = 0; offset < textIface->characterCount(); ++offset) {
        const QRect r = textIface->characterRect(offset);
        QVERIFY2(r.isValid(), qPrintable(QString::number(offset)));
        // A point in the first quarter of a character is nearest the place
        // before it: the offset it stands for. (Blanks where a line wraps
        // take no room, and are left out.)
        const QPoint probe(r.left() + r.width() / 4, r.center().y());
        const bool blank = textIface->text(offset, offset + 1).trimmed().isEmpty();
        if (!blank && (onScreen.contains(probe) || qobject_cast<QLineEdit *>(box))) {
            QCOMPARE(textIface->offsetAtPoint(probe), offset);
            shown += onScreen.contains(r.center());
        }
    }
    QVERIFY(shown > 0); // some of the text is in view, and found there
    if (cursor >= 0) {
        // The character before the cursor is in view, whatever the scrolling.
        const QRect last = textIface->characterRect(std::max(0, cursor - 1));
        QVERIFY2(onScreen.contains(last.center()), qPrintable(QStringLiteral("%1,%2 outside %3,%4 %5x%6")
                                                                  .arg(last.center().x())
                                                                  .arg(last.center().y())
                                                                  .arg(onScreen.x())
                                                                  .arg(onScreen.y())
                                                                  .arg(onScreen.width())
                                                                  .arg(onScreen.height())));
    }
}

void TestDesktop::destroyedWindow_data()
{
    // What arrives from the X server: the event code, the window it names,
    // and whether the program must take it as the loss of its window.
    QTest::addColumn<QByteArray>("eventType");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("ours");
    QTest::addColumn<bool>("lost");
#ifdef BROVACI_X11
    QTest::addRow("our-window-destroyed")
        << QByteArray("xcb_generic_event_t") << int(XCB_DESTROY_NOTIFY) << true << true;
    QTest::addRow("our-window-destroyed-sent-by-another")
        << QByteArray("xcb_generic_event_t") << (XCB_DESTROY_NOTIFY | 0x80) << true << true;
    QTest::addRow("another-window-destroyed")
        << QByteArray("xcb_generic_event_t") << int(XCB_DESTROY_NOTIFY) << false << false;
    QTest::addRow("our-window-unmapped") << QByteArray("xcb_generic_event_t") << int(XCB_UNMAP_NOTIFY) << true << false;
    QTest::addRow("not-an-x-event") << QByteArray("windows_generic_MSG") << int(XCB_DESTROY_NOTIFY) << true << false;
#else
    QTest::addRow("no-x11") << QByteArray() << 0 << false << false;
#endif
}

void TestDesktop::destroyedWindow()
{
    QFETCH(QByteArray, eventType);
    QFETCH(int, code);
    QFETCH(bool, ours);
    QFETCH(bool, lost);
#ifdef BROVACI_X11
    QWidget window;
    const WId id = window.winId();
    QVERIFY(id != 0);
    int losses = 0;
    WindowWatch watch(window, [&losses] { ++losses; });
    // The event as xcb delivers it (an unmap notice has the window in the
    // same place), with xcb's own definition.
    xcb_destroy_notify_event_t event{};
    event.response_type = std::uint8_t(code);
    event.window = ours ? xcb_window_t(id) : xcb_window_t(id) + 1;
    qintptr result = 0;
    QVERIFY(!watch.nativeEventFilter(eventType, &event, &result)); // Qt still sees every event
    QCOMPARE(losses, lost ? 1 : 0);
#else
    Q_UNUSED(eventType)
    Q_UNUSED(code)
    Q_UNUSED(ours)
    Q_UNUSED(lost)
    QSKIP("no other program can destroy the window here");
#endif
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
