// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmpendolo.h"

#include "app/captionbutton.h"
#include "app/help/helptexts.h"
#include "app/helppanel.h"
#include "app/layout.h"
#include "input/period.h"
#include "scenes/scenes.h"
#include "surface/picturebox.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include <thread>

namespace brovaci {

namespace {

// The controls in focus order, with their creation-time rectangles in twips.
// The accessible name is the caption, read without its extra blanks, or a
// short Italian description where there is no caption.
struct ControlRow {
    const char *name;
    const char *text;
    const char *toolTip;
    const char *accessibleName;
    int left, top, width, height;
};

constexpr ControlRow Controls[] = {
    {"Picture1", nullptr, nullptr, "Pendoli", -120, 0, 4500, 3000},
    {"Picture2", nullptr, nullptr, "Foglio scorrevole", 2280, 2880, 3855, 1695},
    {"Picture3", nullptr, nullptr, "Figura delle curve", 5520, 840, 1215, 495},
    {"txtarmonica", "200", nullptr, "Numero del periodo", 5400, 1560, 1215, 420},
    {"Cmdperde", "Perdita di spinta dei due brovaci", "Con il tasto destro hai un fermo immagine. ", nullptr,
     6840, 720, 1575, 495},
    {"Cmddoppio", "Movimento   Doppio Pendolo", nullptr, nullptr, 5400, 2040, 1215, 495},
    {"cmdmovimento", "Movimento Pendolo Singolo ", nullptr, nullptr, 6960, 1440, 1215, 495},
    {"Cmdpendolo", "Curva Statica", nullptr, nullptr, 6840, 2280, 1215, 495},
    {"Txtistru", nullptr, nullptr, "Istruzioni e descrizione", 600, 3120, 4815, 1935},
    {"cmdtarmonica", "Curva Tridimensionale", "Per rallentare il movimento usa la barra a destra", nullptr,
     4200, 840, 1500, 495},
    {"lblarmonica", "", nullptr, nullptr, 6840, 3360, 915, 555}, // read by its caption
    {"cmdfine", "CHIUDI", nullptr, nullptr, 6120, 120, 1215, 495},
    {"Cmdcosafa", "Cosa fa il programma", nullptr, nullptr, 6360, 4560, 1215, 495},
    {"Cmdistruzioni", "Istruzioni", nullptr, nullptr, 6960, 2760, 1215, 495},
    {"VScroll1", nullptr, nullptr, "Limitatore di velocità", 4200, 1800, 255, 2775},
};

constexpr int TwipsPerPixel = 15;

QString initialHelpText()
{
    // The lines of the panel as the program opens; the credit line is
    // followed by a run of blanks, then comes a line of twelve blanks.
    return QStringLiteral("Curve armoniche di \nLissajous     \n\nClicca qui per le istruzioni. \n")
        + help::credit() + QString(8, QChar(' ')) + QStringLiteral("\n") + QString(12, QChar(' '))
        + QStringLiteral("\n");
}

// The face of the curve box's text: the window's sans-serif face, narrowed
// where needed so that every line of the notice fits the box's drawing area
// (280 pixels less its border) at the notice's size.
QFont noticeFace(QFont face)
{
    constexpr int DrawingWidth = 280 - 2 * 2;
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
    for (int stretch = 99; widest() > DrawingWidth - Margin && stretch >= 60; --stretch)
        face.setStretch(stretch);
    return face;
}

QColor colourOf(Colour bgr)
{
    return QColor::fromRgb(toRgb(bgr));
}

} // namespace

Frmpendolo::Frmpendolo(QWidget *parent) : QWidget(parent)
{
    setObjectName("Frmpendolo");
    setWindowTitle(QStringLiteral("pendolo"));
    QPalette black = palette();
    black.setColor(QPalette::Window, colourOf(Black));
    setPalette(black);
    setAutoFillBackground(true);
    // The controls' default face: a small sans-serif.
    QFont face(QStringLiteral("MS Sans Serif"), 8);
    face.setStyleHint(QFont::SansSerif);
    setFont(face);
    resize(9240 / TwipsPerPixel, 5715 / TwipsPerPixel);
    buildControls();
    wireEvents();
    if (const QScreen *s = screen())
        m_presenter.setRefreshInterval(Presenter::intervalForRate(s->refreshRate()));
}

void Frmpendolo::buildControls()
{
    // The window-text colour of the system: the back colour of the sliding sheet.
    const QRgb windowText = QApplication::palette().color(QPalette::WindowText).rgb();
    const Colour sheetBack = Colour(qRed(windowText)) | Colour(qGreen(windowText)) << 8
        | Colour(qBlue(windowText)) << 16;

    Picture1 = new PictureBox(m_presenter, Black, false, this);
    Picture2 = new PictureBox(m_presenter, sheetBack, false, this);
    Picture3 = new PictureBox(m_presenter, Black, true, this);
    txtarmonica = new QLineEdit(this);
    Cmdperde = new CaptionButton(this);
    Cmddoppio = new CaptionButton(this);
    cmdmovimento = new CaptionButton(this);
    Cmdpendolo = new CaptionButton(this);
    Txtistru = new HelpPanel(this);
    cmdtarmonica = new CaptionButton(this);
    lblarmonica = new QLabel(this);
    cmdfine = new CaptionButton(this);
    Cmdcosafa = new CaptionButton(this);
    Cmdistruzioni = new CaptionButton(this);
    VScroll1 = new QScrollBar(Qt::Vertical, this);

    const QList<QWidget *> widgets = controls();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        QWidget *w = widgets[i];
        const ControlRow &row = Controls[i];
        w->setObjectName(QString::fromLatin1(row.name));
        w->setGeometry(row.left / TwipsPerPixel, row.top / TwipsPerPixel, row.width / TwipsPerPixel,
                       row.height / TwipsPerPixel);
        if (row.toolTip)
            w->setToolTip(QString::fromUtf8(row.toolTip));
        w->setAccessibleName(QString::fromUtf8(row.accessibleName ? row.accessibleName : row.text).simplified());
        if (!row.text)
            continue;
        const QString text = QString::fromUtf8(row.text);
        if (auto *button = qobject_cast<QPushButton *>(w))
            button->setText(text);
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->setText(text);
        else if (auto *label = qobject_cast<QLabel *>(w))
            label->setText(text);
    }
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);

    Picture3->setCanvasFont(noticeFace(font()));

    // Shown by start-up: Picture2 when it is laid out, Picture1 after the opening curve.
    Picture1->hide();
    Picture2->hide();

    for (QPushButton *button : findChildren<QPushButton *>())
        button->setFocusPolicy(Qt::StrongFocus);

    // The graphical style: the button face is its own colour, dark red.
    cmdfine->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #c00000; color: white; border: 2px outset #e04040; }"
        "QPushButton:pressed { border-style: inset; }"
        "QPushButton:focus { border-color: #ffffff; }"));

    QFont panelFont(QStringLiteral("MS Sans Serif"), 18, QFont::Bold);
    panelFont.setStyleHint(QFont::SansSerif);
    panelFont.setItalic(false);
    panelFont.setUnderline(false);
    panelFont.setStrikeOut(false);
    Txtistru->setFont(panelFont);
    QPalette panelColours = Txtistru->palette();
    panelColours.setColor(QPalette::Base, colourOf(0x00C0FFC0));
    panelColours.setColor(QPalette::Text, colourOf(0x00800080));
    Txtistru->setPalette(panelColours);
    Txtistru->setPlainText(initialHelpText());

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

QList<QWidget *> Frmpendolo::controls() const
{
    return {Picture1,   Picture2,     Picture3,     txtarmonica, Cmdperde,
            Cmddoppio,  cmdmovimento, Cmdpendolo,   Txtistru,    cmdtarmonica,
            lblarmonica, cmdfine,     Cmdcosafa,    Cmdistruzioni, VScroll1};
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
    // A button reports no right or middle press as a click: watch its presses.
    Cmdperde->installEventFilter(this);
}

bool Frmpendolo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Cmdperde && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        int button = 0;
        switch (mouse->button()) {
        case Qt::LeftButton: button = 1; break;
        case Qt::RightButton: button = 2; break;
        case Qt::MiddleButton: button = 4; break;
        default: break;
        }
        int shift = 0;
        if (mouse->modifiers() & Qt::ShiftModifier) shift |= 1;
        if (mouse->modifiers() & Qt::ControlModifier) shift |= 2;
        if (mouse->modifiers() & Qt::AltModifier) shift |= 4;
        if (button != 0)
            Cmdperde_MouseDown(button, shift, float(mouse->position().x()), float(mouse->position().y()));
    }
    return QWidget::eventFilter(watched, event);
}

QSizeF Frmpendolo::screenTwips() const
{
    const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return {9240, 5715};
    return twipsOf(s->size(), s->logicalDotsPerInch());
}

void Frmpendolo::Form_Load()
{
    for (const LayoutStep &step : startupLayout(screenTwips())) {
        auto *w = findChild<QWidget *>(step.control);
        const QRect r(qRound(step.rect.x()), qRound(step.rect.y()), qRound(step.rect.width()),
                      qRound(step.rect.height()));
        if (w == lblarmonica) {
            lblarmonica->setText(hintCaption());
            lblarmonica->setGeometry(r.x(), r.y(), r.width(), lblarmonica->heightForWidth(r.width()));
        } else {
            w->setGeometry(r);
        }
        if (step.makesVisible)
            w->setVisible(true);
    }

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
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (Clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (windowHandle() && windowHandle()->isExposed())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    // Let the first paint of the whole window through before the curve starts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Frmpendolo::run(const std::function<void()> &handler)
{
    if (m_running) {
        m_deferred.append(handler);
        return;
    }
    m_running = true;
    handler();
    m_presenter.present();
    while (!m_deferred.isEmpty()) {
        m_deferred.takeFirst()();
        m_presenter.present();
    }
    m_running = false;
    // Input that arrived during the scene was set aside by the platform; the
    // event loop only looks at it again once woken, so wake it now rather
    // than at the next unrelated event.
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    if (m_closeRequested) {
        m_closeRequested = false;
        close();
    }
}

void Frmpendolo::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        // Carried out when the scene has ended.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Frmpendolo::cmdfine_Click()
{
    run([this] {
        hide();
        QCoreApplication::quit();
    });
}

void Frmpendolo::Txtistru_Click()
{
    run([this] {
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
    run([this] {
        Txtistru->setFontSize(12);
        Txtistru->setForeColor(colourOf(Black));
        Txtistru->setText(help::description());
    });
}

void Frmpendolo::Cmdpendolo_Click() { run([this] { scenes::Cmdpendolo_Click(*this); }); }
void Frmpendolo::cmdtarmonica_Click() { run([this] { scenes::cmdtarmonica_Click(*this); }); }
void Frmpendolo::cmdmovimento_Click() { run([this] { scenes::cmdmovimento_Click(*this); }); }
void Frmpendolo::Cmddoppio_Click() { run([this] { scenes::Cmddoppio_Click(*this); }); }
void Frmpendolo::Cmdperde_Click() { run([this] { scenes::Cmdperde_Click(*this); }); }

void Frmpendolo::Cmdperde_MouseDown(int button, int shift, float x, float y)
{
    run([=, this] { scenes::Cmdperde_MouseDown(*this, button, shift, x, y); });
}

Surface &Frmpendolo::picture1() { return *Picture1; }
Surface &Frmpendolo::picture2() { return *Picture2; }
Surface &Frmpendolo::picture3() { return *Picture3; }
QString Frmpendolo::periodText() const { return txtarmonica->text(); }
void Frmpendolo::showPeriodBox() { txtarmonica->setVisible(true); }
int Frmpendolo::scrollValue() const { return VScroll1->value(); }
double Frmpendolo::screenWidthTwips() const { return screenTwips().width(); }
void Frmpendolo::IdlePause(std::int16_t count) { m_pacer.IdlePause(count); }

} // namespace brovaci
