// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel: the two texts, the handlers that show them, and the limit
// on what can be typed into the panel.
#include "app/frmpendolo.h"
#include "quickwindow.h"
#include "app/help/helptexts.h"
#include "app/helppanel.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>

using namespace Qt::StringLiterals;
using namespace brovaci;
using namespace brovaci::testing;

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void instructionPieces_data();
    void instructionPieces();
    void descriptionPieces_data();
    void descriptionPieces();
    void wholeTexts();
    void handlers();
    void clicksOnThePanel();
    void typingLimit();
    void limitThroughPasteAndDrop_data();
    void limitThroughPasteAndDrop();
};

namespace {
// The colour the panel's text is painted in: its own, or the palette's.
QColor ink(const HelpPanel &panel)
{
    QTextCursor first(panel.document());
    first.movePosition(QTextCursor::NextCharacter);
    const QBrush own = first.charFormat().foreground();
    return own.style() == Qt::NoBrush ? panel.palette().color(QPalette::Text) : own.color();
}
// Every colour the panel's text is painted in, from its first character to its last.
QSet<QRgb> inks(const HelpPanel &panel)
{
    QSet<QRgb> found;
    for (QTextBlock block = panel.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            found.insert(fragment.fragment().charFormat().foreground().color().rgb());
    return found;
}
QString stars(int n)
{
    return QString(n, u'*');
}
QString blanks(int n)
{
    return QString(n, u' ');
}
} // namespace

void TestHelp::instructionPieces_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("ending");
    QTest::addRow("1-single-pendulum")
        << 1 << 175 << "Cliccando su  -(Movimento  Pendolo  Singolo)- viene simulato il movimento di un pendolo"
        << u"ipotetico foglio che scorre sotto di lui."_s + blanks(14);
    QTest::addRow("2-separator") << 2 << 64 << stars(39) + blanks(25) << stars(39) + blanks(25);
    QTest::addRow("3-double-pendulum")
        << 3 << 131 << "Cliccando su  -(Movimento Doppio Pendolo)-  ottieni la simulazione di 2 brovaci"
        << u"uno all'altro,"_s + blanks(3);
    QTest::addRow("4-its-trace")
        << 4 << 145
        << "quello superiore lascia la traccia sulla tavola appesa al pendolo inferiore, per vederne la "
           "traccia devi cliccare su  -(Curva Statica)-"
        << u"-(Curva Statica)-"_s + blanks(10);
    QTest::addRow("5-separator") << 5 << 77 << stars(40) + blanks(37) << stars(40) + blanks(37);
    QTest::addRow("6-turning-curve") << 6 << 220 << "Cliccando su  -(Curva Tridimensionale )-  vedrai un serie di curve"
                                     << "movimento. ";
    QTest::addRow("7-separator") << 7 << 57 << stars(40) + blanks(17) << stars(40) + blanks(17);
    QTest::addRow("8-speed-limiter")
        << 8 << 256
        << QString::fromUtf8("In previsione di futuri calcolatori con elevate velocità di calcolo.    Ho inserito "
                             "un limitatore.   Spostando la barra di scorrimento verso il basso, potrai "
                             "rallentare la velocità di movimento del disegno. ")
               + stars(35) + blanks(14)
        << QString::fromUtf8("del disegno. ") + stars(35) + blanks(14);
    QTest::addRow("9-period-number")
        << 9 << 288
        << "Cambiando il numero della finestrella si ottengono curve diverse, il numero 200 corrisponde a "
           "200 centesimi di secondo"
        << QString::fromUtf8(" perchè ");
    QTest::addRow("10-lower-pendulum")
        << 10 << 164 << "il pendolo inferiore, compie un movimento completo in 100 centesimi di secondo"
        << QString::fromUtf8("perchè i tempi ");
    QTest::addRow("11-three-hundred") << 11 << 173
                                      << "di durata del movimento sono uguali, se invece metti il numero 300"
                                      << "ottieni ";
    QTest::addRow("12-sentence-end") << 12 << 16 << " curve diverse. "
                                     << " curve diverse. ";
    QTest::addRow("13-damping")
        << 13 << 219
        << stars(39) + blanks(16)
               + u"-(Perdita di spinta dei due brovaci)- Cliccandoci sopra vedrai la simulazione di prima"_s
        << "fino a fermarsi.";
}

void TestHelp::instructionPieces()
{
    QFETCH(int, piece);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QFETCH(QString, ending);
    const QStringList pieces = help::instructionPieces();
    QCOMPARE(pieces.size(), 13);
    const QString p = pieces.at(piece - 1);
    QCOMPARE(p.size(), length);
    QVERIFY2(p.startsWith(opening), qPrintable(p));
    QVERIFY2(p.endsWith(ending), qPrintable(p));
    if (piece == 6) // one blank, not more
        QVERIFY(!p.endsWith(u"  "_s));
}

void TestHelp::descriptionPieces_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("inner"); // the words after the section's row of asterisks
    QTest::addColumn<int>("separator");
    QTest::addColumn<int>("trailingBlanks");
    QTest::addRow("2-what-is-simulated")
        << 2 << 618 << " Simula il disegno che si otterrebbe se si facessero oscillare in modo perpendicolare"
        << " Il moto combinato dei due brovaci, produce delle curve" << 40 << 2;
    QTest::addRow("3-why-simulate") << 3 << 649
                                    << " Il vantaggio di questo programma, e che non devi realizzare i due brovaci"
                                    << " Ecco in breve come si svolge l'azione," << 36 << 2;
    QTest::addRow("4-one-hundred")
        << 4 << 665
        << QString::fromUtf8(" Se ad esempio immetti il numero 100, si avrà una durata di oscillazione uguale")
        << "  Se immetti il numero 200, quello in uso, otterrai un doppio cerchio," << 48 << 2;
    QTest::addRow("5-multiples")
        << 5 << 667 << " Se immetti multipli esatti di cento, otterrai disegni formati da cerchi"
        << "  Cliccando su (Curva Tridimensionale) potrai vedere vedere lo stesso disegno in movimento," << 43 << 0;
    QTest::addRow("6-shifted-copies") << 6 << 690
                                      << QString::fromUtf8(" spostato verso destra, il terzo ancora più spostato,")
                                      << " Cliccando su (Perdita di spinta dei due brovaci) avrai un disegno," << 49
                                      << 1;
    QTest::addRow("7-closing") << 7 << 70 << u" "_s + stars(50) + u" Buon divertimento."_s << QString() << 50 << 0;
}

void TestHelp::descriptionPieces()
{
    QFETCH(int, piece);
    QFETCH(int, length);
    QFETCH(QString, opening);
    QFETCH(QString, inner);
    QFETCH(int, separator);
    QFETCH(int, trailingBlanks);
    const QStringList pieces = help::descriptionPieces();
    QCOMPARE(pieces.size(), 7);
    const QString p = pieces.at(piece - 1);
    QCOMPARE(p.size(), length);
    QVERIFY2(p.startsWith(opening), qPrintable(p));
    if (!inner.isEmpty())
        QVERIFY2(p.contains(stars(separator) + inner) && !p.contains(stars(separator + 1)), qPrintable(p));
    QVERIFY(p.endsWith(blanks(trailingBlanks)));
    QVERIFY(!p.endsWith(blanks(trailingBlanks + 1)));
}

void TestHelp::wholeTexts()
{
    const QString ins = help::instructions();
    const QString des = help::description();
    QCOMPARE(ins.size(), 1985);
    int described = 0;
    for (const QString &p : help::descriptionPieces().mid(1))
        described += p.size();
    QCOMPARE(described, 3359);
    QCOMPARE(des.size(), 3359 + help::descriptionPieces().first().size());
    for (const QString &text : {ins, des}) {
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
        QVERIFY(!text.contains(u"http"_s) && !text.contains(u"www"_s) && !text.contains(u'@'));
    }
    // The credit names the program and its version, then 31 asterisks.
    const QString credit = help::descriptionPieces().first();
    QVERIFY(credit.startsWith(u"Brovaci"_s) && credit.contains(u"1.00"_s));
    QVERIFY(credit.endsWith(u" "_s + stars(31)) && !credit.endsWith(stars(32)));
    QVERIFY(des.endsWith(u" Buon divertimento."_s));
}

void TestHelp::handlers()
{
    Frmpendolo w;
    auto *panel = w.findChild<HelpPanel *>(u"Txtistru"_s);
    const QColor blue(0, 0, 255), black(0, 0, 0);

    w.Cmdistruzioni_Click();
    QCOMPARE(panel->toPlainText(), help::instructions());
    QCOMPARE(ink(*panel), blue);
    QCOMPARE(panel->font().pointSize(), 12);
    QVERIFY(panel->font().bold()); // only the size changes

    w.Cmdcosafa_Click();
    QCOMPARE(panel->toPlainText(), help::description());
    QCOMPARE(ink(*panel), black);
    QCOMPARE(panel->font().pointSize(), 12);
    // All of the new text in its colour, and nothing of the old one to undo.
    QCOMPARE(inks(*panel), QSet<QRgb>{black.rgb()});
    QVERIFY(!panel->document()->isUndoAvailable());

    w.Txtistru_Click();
    QCOMPARE(panel->toPlainText(), help::instructions());
    QCOMPARE(ink(*panel), blue);
    QCOMPARE(inks(*panel), QSet<QRgb>{blue.rgb()});
}

void TestHelp::clicksOnThePanel()
{
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *panel = w.findChild<HelpPanel *>(u"Txtistru"_s);
    auto *instructionsButton = w.findChild<QPushButton *>(u"Cmdistruzioni"_s);
    auto *descriptionButton = w.findChild<QPushButton *>(u"Cmdcosafa"_s);

    // "Istruzioni" and a click on the panel give the same text, colour and size.
    QTest::mouseClick(instructionsButton, Qt::LeftButton);
    const QString byButton = panel->toPlainText();
    const QColor colourByButton = ink(*panel);
    panel->setPlainText(u"altro"_s);
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(panel->toPlainText(), byButton);
    QCOMPARE(ink(*panel), colourByButton);
    QCOMPARE(panel->font().pointSize(), 12);

    // The description, then a click on the panel: the blue instructions.
    QTest::mouseClick(descriptionButton, Qt::LeftButton);
    QCOMPARE(ink(*panel), QColor(0, 0, 0));
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, QPoint(30, 40));
    QCOMPARE(panel->toPlainText(), help::instructions());
    QCOMPARE(ink(*panel), QColor(0, 0, 255));

    // The description twice: the same text, shown from its beginning.
    QTest::mouseClick(descriptionButton, Qt::LeftButton);
    panel->verticalScrollBar()->setValue(panel->verticalScrollBar()->maximum());
    panel->moveCursor(QTextCursor::End);
    QVERIFY(panel->verticalScrollBar()->value() > 0);
    QTest::mouseClick(descriptionButton, Qt::LeftButton);
    QCOMPARE(panel->toPlainText(), help::description());
    QCOMPARE(panel->verticalScrollBar()->value(), 0);
    QCOMPARE(panel->textCursor().position(), 0);

    // Moving through the text with the keyboard or the scroll bar is no click.
    panel->setPlainText(u"altro testo"_s);
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_End);
    QTest::keyClick(panel, Qt::Key_PageDown);
    QTest::mouseClick(panel->verticalScrollBar(), Qt::LeftButton);
    QCOMPARE(panel->toPlainText(), QStringLiteral("altro testo"));
    // A right click is no click either.
    QTest::mouseClick(panel->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    QCOMPARE(panel->toPlainText(), QStringLiteral("altro testo"));
}

void TestHelp::typingLimit()
{
    HelpPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.setPlainText(QString(HelpPanel::MaxLength - 5, u'a'));
    panel.moveCursor(QTextCursor::End);
    QTest::keyClicks(&panel, u"bcdefghij"_s);
    QCOMPARE(panel.toPlainText().size(), HelpPanel::MaxLength);
    QVERIFY(panel.toPlainText().endsWith(u"abcdef"_s));
    // At the limit, typing over a selection still works.
    QTest::keyClick(&panel, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(&panel, u"Z"_s);
    QVERIFY(panel.toPlainText().endsWith(u"abcdeZ"_s));
    QCOMPARE(panel.toPlainText().size(), HelpPanel::MaxLength);

    // A paste that would pass the limit is cut at the limit.
    panel.setPlainText(QString(HelpPanel::MaxLength - 10, u'a'));
    panel.moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QString(20, u'x'));
    panel.paste();
    QCOMPARE(panel.toPlainText().size(), HelpPanel::MaxLength);
    QVERIFY(panel.toPlainText().endsWith(QString(10, u'x')));
    // Deleting makes room again.
    QTest::keyClick(&panel, Qt::Key_Backspace);
    QTest::keyClicks(&panel, u"y"_s);
    QVERIFY(panel.toPlainText().endsWith(u"y"_s));
    QCOMPARE(panel.toPlainText().size(), HelpPanel::MaxLength);
}

void TestHelp::limitThroughPasteAndDrop_data()
{
    // How the text comes in, how full the panel is, how much of its end is
    // selected (and replaced), what comes in, and how many characters of it
    // get in.
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("incoming");
    QTest::addColumn<int>("fits");
    const int max = HelpPanel::MaxLength;
    for (const bool dropped : {false, true}) {
        const char *how = dropped ? "drop" : "paste";
        QTest::addRow("%s-with-room", how) << dropped << 100 << 0 << 50 << 50;
        QTest::addRow("%s-past-the-limit", how) << dropped << max - 10 << 0 << 20 << 10;
        QTest::addRow("%s-into-a-full-panel", how) << dropped << max << 0 << 20 << 0;
        QTest::addRow("%s-of-a-whole-book", how) << dropped << 0 << 0 << 5 * max << max;
    }
    QTest::addRow("paste-over-a-selection") << false << max << 5 << 20 << 5;
}

void TestHelp::limitThroughPasteAndDrop()
{
    QFETCH(bool, dropped);
    QFETCH(int, length);
    QFETCH(int, selected);
    QFETCH(int, incoming);
    QFETCH(int, fits);
    Frmpendolo w(Frmpendolo::Pacing::Off);
    w.Form_Load();
    auto *panel = w.findChild<HelpPanel *>(u"Txtistru"_s);
    panel->setPlainText(QString(length, u'a'));
    panel->moveCursor(QTextCursor::End);
    for (int i = 0; i < selected; ++i)
        panel->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
    const QString text(incoming, u'x');
    if (dropped) {
        // Dropped from another program, at the end of the text.
        QMimeData data;
        data.setText(text);
        panel->moveCursor(QTextCursor::End);
        const QPoint at = panel->cursorRect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel->viewport(), &drop);
    } else {
        QApplication::clipboard()->setText(text);
        panel->paste();
    }
    const QString now = panel->toPlainText();
    QCOMPARE(now.size(), length - selected + fits);
    QCOMPARE(now.count(u'x'), fits);
    QVERIFY(now.size() <= HelpPanel::MaxLength);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
