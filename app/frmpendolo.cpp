// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmpendolo.h"

#include "app/accessibility.h"
#include "app/captionbutton.h"
#include "app/help/helptexts.h"
#include "app/helppanel.h"
#include "display/picturebox.h"
#include "scenes/notice.h"
#include "scenes/scenes.h"
#include "surface/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>
#include <numeric>
#include <vector>

namespace brovaci {

namespace {

// The window's client area as it is created, before start-up maximizes it.
constexpr QSize FormTwips(9240, 5715);

// The face of the curve box's text: the window's sans-serif face, narrowed
// (or, failing that, its letters set closer) where needed so that every line
// of the notice fits the drawing area at the notice's size.
QFont noticeFace(QFont face, int drawingWidth)
{
    constexpr int Margin = 8;
    face.setPointSize(NoticeFontSize);
    const auto widest = [&face] {
        const QImage probe(1, 1, QImage::Format_RGB32); // measured as the canvas draws it
        const QFontMetricsF metrics(face, &probe);
        qreal w = 0;
        for (const QString &line : noticeLines())
            w = std::max(w, metrics.horizontalAdvance(line.trimmed()));
        return w;
    };
    for (int stretch = 99; widest() > drawingWidth - Margin && stretch >= 60; --stretch)
        face.setStretch(stretch);
    // Where the font engine cannot narrow the face (DirectWrite, or a face
    // with no narrower cut), the letters move closer instead.
    for (int spacing = 99; widest() > drawingWidth - Margin && spacing >= 70; --spacing)
        face.setLetterSpacing(QFont::PercentageSpacing, spacing);
    return face;
}

// The design's face: MS Sans Serif, or the closest sans-serif face the
// system has. The names are tried in order; without them Qt on Windows falls
// back to Arial and, where that is missing too (under Wine), to the first
// family it knows, which may be a serif face.
QFont sansSerif(int points, QFont::Weight weight)
{
    QFont face(QStringLiteral("MS Sans Serif"), points, weight);
    face.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    face.setStyleHint(QFont::SansSerif);
    return face;
}

QColor colourOf(Colour bgr)
{
    return QColor::fromRgb(toRgb(bgr));
}

std::chrono::nanoseconds passFor(Frmpendolo::Pacing pacing)
{
    return pacing == Frmpendolo::Pacing::Real ? Pacer::DefaultPass : std::chrono::nanoseconds(0);
}

} // namespace

Frmpendolo::Frmpendolo(Pacing pacing, QWidget *parent)
    : QWidget(parent), m_presenter(std::chrono::nanoseconds(0)), m_pacer(&m_presenter, passFor(pacing))
{
    installAccessibility();
    setObjectName("Frmpendolo");
    setWindowTitle(QStringLiteral("pendolo"));
    QPalette black = palette();
    black.setColor(QPalette::Window, colourOf(Black));
    setPalette(black);
    setAutoFillBackground(true);
    // The controls' default face: a small sans-serif.
    setFont(sansSerif(8, QFont::Normal));
    resize(FormTwips / TwipsPerPixel);
    buildControls();
    wireEvents();
    m_runner.setCloseLater([this] { close(); });
    if (const QScreen *s = screen(); s && pacing == Pacing::Real)
        m_presenter.setRefreshInterval(Presenter::intervalForRate(s->refreshRate()));
}

void Frmpendolo::buildControls()
{
    for (const ControlRow &row : controlTable()) {
        QWidget *w = row.create(*this);
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(QRect(row.twips.topLeft() / TwipsPerPixel, row.twips.size() / TwipsPerPixel));
        if (row.toolTip)
            w->setToolTip(QString::fromUtf8(row.toolTip));
        if (const char *name = row.accessibleName ? row.accessibleName : row.text; name && *name)
            w->setAccessibleName(QString::fromUtf8(name).simplified());
        if (row.text) {
            const QString text = QString::fromUtf8(row.text);
            if (auto *button = qobject_cast<QAbstractButton *>(w))
                button->setText(text);
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                edit->setText(text);
            else if (auto *label = qobject_cast<QLabel *>(w))
                label->setText(text);
        }
        if (!m_controls.isEmpty())
            QWidget::setTabOrder(m_controls.last(), w);
        m_controls.append(w);
    }

    // Shown by start-up: Picture2 when it is laid out, Picture1 after the opening curve.
    Picture1->hide();
    Picture2->hide();

    // The graphical style: the button face is its own colour, dark red; the
    // caption keeps the system's button-text colour, and the focus is shown
    // as the platform style shows it on every button.
    cmdfine->setStyleSheet(QStringLiteral("QPushButton { background-color: #c00000; border: 2px outset #e04040; }"
                                          "QPushButton:pressed { border-style: inset; }"));

    Txtistru->setFont(sansSerif(18, QFont::Bold));
    QPalette panelColours = Txtistru->palette();
    panelColours.setColor(QPalette::Base, colourOf(0x00C0FFC0));
    panelColours.setColor(QPalette::Text, colourOf(0x00800080));
    Txtistru->setPalette(panelColours);
    Txtistru->setPlainText(help::opening());

    QPalette plain = QApplication::palette();
    txtarmonica->setPalette(plain);
    plain.setColor(QPalette::Window, plain.color(QPalette::Button));
    plain.setColor(QPalette::WindowText, plain.color(QPalette::ButtonText));
    lblarmonica->setPalette(plain);
    lblarmonica->setAutoFillBackground(true);
    lblarmonica->setWordWrap(true);
    lblarmonica->setFocusPolicy(Qt::NoFocus);
    // The label is painted on the window itself, beneath every other control.
    lblarmonica->lower();

    VScroll1->setRange(10, 3000);
    VScroll1->setSingleStep(10);
    VScroll1->setPageStep(100);
    VScroll1->setValue(10);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
}

void Frmpendolo::wireEvents()
{
    connect(cmdfine, &QPushButton::clicked, this, &Frmpendolo::cmdfine_Click);
    connect(Cmdistruzioni, &QPushButton::clicked, this, &Frmpendolo::Cmdistruzioni_Click);
    connect(Cmdcosafa, &QPushButton::clicked, this, &Frmpendolo::Cmdcosafa_Click);
    connect(Txtistru, &HelpPanel::clicked, this, &Frmpendolo::Txtistru_Click);
    connect(Cmdpendolo, &QPushButton::clicked, this, &Frmpendolo::Cmdpendolo_Click);
    connect(cmdtarmonica, &QPushButton::clicked, this, &Frmpendolo::cmdtarmonica_Click);
    connect(cmdmovimento, &QPushButton::clicked, this, &Frmpendolo::cmdmovimento_Click);
    connect(Cmddoppio, &QPushButton::clicked, this, &Frmpendolo::Cmddoppio_Click);
    connect(Cmdperde, &QPushButton::clicked, this, &Frmpendolo::Cmdperde_Click);
    connect(Cmdperde, &CaptionButton::mouseDown, this, &Frmpendolo::Cmdperde_MouseDown);
    // A finger has no right button: held on the button, it gives the freeze frame.
    Cmdperde->setLongPressIsRightButton(true);
}

QSizeF Frmpendolo::screenTwips() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return FormTwips;
    return twipsOf(s->size(), s->logicalDotsPerInch());
}

void Frmpendolo::Form_Load()
{
    const QPointF reference = referencePoint(screenTwips());
    std::vector<qsizetype> steps(m_controls.size());
    std::iota(steps.begin(), steps.end(), 0);
    std::ranges::sort(steps, {}, [](qsizetype i) { return controlTable()[i].startup.step; });
    for (qsizetype i : steps) {
        const StartupPlace &place = controlTable()[i].startup;
        QWidget *w = m_controls[i];
        const QRect r = wholePixels(placeAround(reference, place));
        if (place.sizedByCaption) {
            lblarmonica->setText(hintCaption());
            w->setGeometry(r.x(), r.y(), r.width(), w->heightForWidth(r.width()));
        } else {
            w->setGeometry(r);
        }
        if (place.shows)
            w->setVisible(true);
    }
    Picture3->setTextFont(noticeFace(font(), Picture3->contentsRect().width()));

    // Where no window manager maximizes the window, it still fills the screen.
    if (const QScreen *s = screen())
        setGeometry(s->availableGeometry());
    showMaximized();
    activateWindow();
    cmdmovimento->setFocus();
    waitUntilExposed();
    cmdtarmonica_Click();
    Picture1->setVisible(true);
}

void Frmpendolo::waitUntilExposed()
{
    // The platform's own sleep: in a browser, the window is exposed only
    // while the program gives the page back to it.
    FrameClock &clock = steadyClock();
    const auto deadline = clock.now() + std::chrono::seconds(2);
    while (clock.now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (windowHandle() && windowHandle()->isExposed())
            break;
        clock.sleepFor(std::chrono::milliseconds(2));
    }
    // Let the first paint of the whole window through before the curve starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Another program destroyed the window. With nothing left to show and no
// data to lose, the program ends, in the middle of a scene if need be.
void Frmpendolo::windowLost()
{
    // What is still asked of the gone window fails; that is no news.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.xcb.warning=false"));
    if (m_runner.running())
        m_presenter.abandon();
    m_runner.end();
    QCoreApplication::exit(0);
}

void Frmpendolo::closeEvent(QCloseEvent *event)
{
    if (m_runner.deferClose()) {
        event->ignore(); // carried out when the scene has ended
        return;
    }
    QWidget::closeEvent(event);
}

void Frmpendolo::cmdfine_Click()
{
    m_runner.run([this] {
        m_runner.end(); // nothing queued after it runs
        hide();
        // Before the event loop runs too (CHIUDI during the opening curve),
        // which quit() would ignore.
        QCoreApplication::exit(0);
    });
}

void Frmpendolo::Txtistru_Click()
{
    m_runner.run([this] {
        Txtistru->setFontSize(12);
        Txtistru->setForeColor(colourOf(Blue));
        Txtistru->setText(help::instructions());
    });
}

void Frmpendolo::Cmdistruzioni_Click()
{
    Txtistru_Click();
}

void Frmpendolo::Cmdcosafa_Click()
{
    m_runner.run([this] {
        Txtistru->setFontSize(12);
        Txtistru->setForeColor(colourOf(Black));
        Txtistru->setText(help::description());
    });
}

void Frmpendolo::Cmdpendolo_Click()
{
    m_runner.run([this] { scenes::Cmdpendolo_Click(*this); });
}
void Frmpendolo::cmdtarmonica_Click()
{
    m_runner.run([this] { scenes::cmdtarmonica_Click(*this); });
}
void Frmpendolo::cmdmovimento_Click()
{
    m_runner.run([this] { scenes::cmdmovimento_Click(*this); });
}
void Frmpendolo::Cmddoppio_Click()
{
    m_runner.run([this] { scenes::Cmddoppio_Click(*this); });
}
void Frmpendolo::Cmdperde_Click()
{
    m_runner.run([this] { scenes::Cmdperde_Click(*this); });
}

void Frmpendolo::Cmdperde_MouseDown(int button, int shift, float x, float y)
{
    m_runner.run([=, this] { scenes::Cmdperde_MouseDown(*this, button, shift, x, y); });
}

Surface &Frmpendolo::picture1()
{
    return *Picture1;
}
Surface &Frmpendolo::picture2()
{
    return *Picture2;
}
Surface &Frmpendolo::picture3()
{
    return *Picture3;
}
QString Frmpendolo::periodText() const
{
    return txtarmonica->text();
}
void Frmpendolo::showPeriodBox()
{
    txtarmonica->setVisible(true);
}
int Frmpendolo::scrollValue() const
{
    return VScroll1->value();
}
double Frmpendolo::screenWidthTwips() const
{
    return screenTwips().width();
}
void Frmpendolo::IdlePause(std::int16_t count)
{
    m_pacer.IdlePause(count);
}

} // namespace brovaci
