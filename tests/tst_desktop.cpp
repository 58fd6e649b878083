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
#include <QTest>

using namespace brovaci;
using namespace brovaci::testing;

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void identity();
    void accessibility_data();
    void accessibility();
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
    const int button = QAccessible::Button, graphic = QAccessible::Graphic, text = QAccessible::EditableText;
    QTest::addRow("Picture1") << "Picture1" << "Pendoli" << graphic;
    QTest::addRow("Picture2") << "Picture2" << "Foglio scorrevole" << graphic;
    QTest::addRow("Picture3") << "Picture3" << "Figura delle curve" << graphic;
    QTest::addRow("txtarmonica") << "txtarmonica" << "Numero del periodo" << text;
    QTest::addRow("Cmdperde") << "Cmdperde" << "Perdita di spinta dei due brovaci" << button;
    QTest::addRow("Cmddoppio") << "Cmddoppio" << "Movimento Doppio Pendolo" << button;
    QTest::addRow("cmdmovimento") << "cmdmovimento" << "Movimento Pendolo Singolo" << button;
    QTest::addRow("Cmdpendolo") << "Cmdpendolo" << "Curva Statica" << button;
    QTest::addRow("Txtistru") << "Txtistru" << "Istruzioni e descrizione" << text;
    QTest::addRow("cmdtarmonica") << "cmdtarmonica" << "Curva Tridimensionale" << button;
    QTest::addRow("lblarmonica") << "lblarmonica" << hintCaption() << int(QAccessible::StaticText);
    QTest::addRow("cmdfine") << "cmdfine" << "CHIUDI" << button;
    QTest::addRow("Cmdcosafa") << "Cmdcosafa" << "Cosa fa il programma" << button;
    QTest::addRow("Cmdistruzioni") << "Cmdistruzioni" << "Istruzioni" << button;
    QTest::addRow("VScroll1") << "VScroll1" << QString::fromUtf8("Limitatore di velocità") << int(QAccessible::ScrollBar);
}

void TestDesktop::accessibility()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
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
    QCOMPARE(window->childCount(), 15);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
