// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The one window of the program, "pendolo": fifteen controls built from one
// table, their events wired in one place, each event handed to its scene
// through the scene runner, and the three picture boxes as the stage the
// scenes draw on.
#pragma once

#include "app/layout.h"
#include "app/windowwatch.h"
#include "display/presenter.h"
#include "runner/scenerunner.h"
#include "scenes/stage.h"
#include "surface/pacing.h"

#include <QWidget>

#include <span>

class QLabel;
class QLineEdit;
class QScrollBar;

namespace brovaci {

class CaptionButton;
class HelpPanel;
class PictureBox;

class Frmpendolo : public QWidget, public Stage {
    Q_OBJECT
public:
    // Off plays the films as fast as they can be drawn: no pass length and
    // no refresh hold.
    enum class Pacing { Real, Off };

    // One control of the window, in the focus order: the member it fills,
    // its creation-time place in twips, where start-up puts it, its texts.
    struct ControlRow {
        const char *name;                 // the object's and the member's name
        QWidget *(*create)(Frmpendolo &); // makes the control into its member
        QRect twips;
        StartupPlace startup;
        const char *text = nullptr; // caption or initial text
        const char *toolTip = nullptr;
        const char *accessibleName = nullptr; // where the caption does not say it
    };
    static std::span<const ControlRow> controlTable();
    // The screen the start-up places need, with the reference point at its centre.
    static QSizeF screenNeeded();

    explicit Frmpendolo(Pacing pacing = Pacing::Real, QWidget *parent = nullptr);

    // Lays out the controls for the screen, shows the window maximized,
    // focuses "Movimento Pendolo Singolo " and plays the opening curve.
    void Form_Load();

    // CHIUDI was clicked, or the window was destroyed under the program.
    bool ended() const { return m_runner.ended(); }
    bool sceneRunning() const { return m_runner.running(); }
    // Carries out a change asked for from outside (an assistive tool) now,
    // or once the running scene has ended, in turn with what waits.
    void afterScene(std::function<void()> change) { m_runner.run(std::move(change)); }

    // The pauses' text position: how many passes have been paused.
    const Pacer &pacer() const { return m_pacer; }

    // Stage
    Surface &picture1() override;
    Surface &picture2() override;
    Surface &picture3() override;
    QString periodText() const override;
    void showPeriodBox() override;
    int scrollValue() const override;
    double screenWidthTwips() const override;
    void IdlePause(std::int16_t count) override;

public slots:
    void cmdfine_Click();
    void Cmdistruzioni_Click();
    void Cmdcosafa_Click();
    void Txtistru_Click();
    void Cmdpendolo_Click();
    void cmdtarmonica_Click();
    void cmdmovimento_Click();
    void Cmddoppio_Click();
    void Cmdperde_Click();
    void Cmdperde_MouseDown(int button, int shift, float x, float y);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void wireEvents();
    void waitUntilExposed();
    void windowLost();
    QSizeF screenTwips() const;

    Presenter m_presenter;
    Pacer m_pacer;
    SceneRunner m_runner{m_presenter};
    QList<QWidget *> m_controls; // as the table makes them: the focus chain
    WindowWatch m_watch{*this, [this] { windowLost(); }};

    PictureBox *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;
    PictureBox *Picture3 = nullptr;
    QLineEdit *txtarmonica = nullptr;
    CaptionButton *Cmdperde = nullptr;
    CaptionButton *Cmddoppio = nullptr;
    CaptionButton *cmdmovimento = nullptr;
    CaptionButton *Cmdpendolo = nullptr;
    HelpPanel *Txtistru = nullptr;
    CaptionButton *cmdtarmonica = nullptr;
    QLabel *lblarmonica = nullptr;
    CaptionButton *cmdfine = nullptr;
    CaptionButton *Cmdcosafa = nullptr;
    CaptionButton *Cmdistruzioni = nullptr;
    QScrollBar *VScroll1 = nullptr;
};

} // namespace brovaci
