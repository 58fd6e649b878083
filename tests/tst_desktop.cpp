// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop sees it: name, version and icon, and every
// control as assistive technology reads it.
#include "app/frmpendolo.h"
#include "quickwindow.h"
#include "app/identity.h"
#include "app/layout.h"
#include "display/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace brovaci;
using namespace brovaci::testing;

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void identity();
    void accessibility_data();
    void accessibility();
    void assistiveChangesWaitForTheScene();
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
    const int button = QAccessible::Button, graphic = QAccessible::Graphic, text = QAccessible::EditableText;
    QTest::addRow("Picture1") << "Picture1" << "Pendoli" << graphic << "";
    QTest::addRow("Picture2") << "Picture2" << "Foglio scorrevole" << graphic << "";
    QTest::addRow("Picture3") << "Picture3" << "Figura delle curve" << graphic << "";
    QTest::addRow("txtarmonica") << "txtarmonica" << "Numero del periodo" << text << "";
    QTest::addRow("Cmdperde") << "Cmdperde" << "Perdita di spinta dei due brovaci" << button << "Con il tasto destro hai un fermo immagine. ";
    QTest::addRow("Cmddoppio") << "Cmddoppio" << "Movimento Doppio Pendolo" << button << "";
    QTest::addRow("cmdmovimento") << "cmdmovimento" << "Movimento Pendolo Singolo" << button << "";
    QTest::addRow("Cmdpendolo") << "Cmdpendolo" << "Curva Statica" << button << "";
    QTest::addRow("Txtistru") << "Txtistru" << "Istruzioni e descrizione" << text << "";
    QTest::addRow("cmdtarmonica") << "cmdtarmonica" << "Curva Tridimensionale" << button << "Per rallentare il movimento usa la barra a destra";
    QTest::addRow("lblarmonica") << "lblarmonica" << hintCaption() << int(QAccessible::StaticText) << "";
    QTest::addRow("cmdfine") << "cmdfine" << "CHIUDI" << button << "";
    QTest::addRow("Cmdcosafa") << "Cmdcosafa" << "Cosa fa il programma" << button << "";
    QTest::addRow("Cmdistruzioni") << "Cmdistruzioni" << "Istruzioni" << button << "";
    QTest::addRow("VScroll1") << "VScroll1" << QString::fromUtf8("Limitatore di velocità") << int(QAccessible::ScrollBar) << "";
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
    auto *scroll = w.findChild<QScrollBar *>("VScroll1");
    auto *box = w.findChild<QLineEdit *>("txtarmonica");
    auto *still = w.findChild<QPushButton *>("Cmdpendolo");
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
    QCOMPARE(shown.pixel(125, 125), qRgb(0, 0, 0)); // the figure eight for 200 crosses there
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
