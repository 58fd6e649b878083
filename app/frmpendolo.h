// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The one window of the program, "pendolo": fifteen controls built from one
// table, their events wired in one place, each event handed to its scene.
// While a scene runs the window acts on no input: input waits in the queue
// and is handled in order afterwards, and a close request is remembered and
// carried out once the scene has ended.
#pragma once

#include "scenes/stage.h"
#include "surface/pacing.h"
#include "surface/presenter.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace brovaci {

class HelpPanel;
class PictureBox;

class Frmpendolo : public QWidget, public Stage {
    Q_OBJECT
public:
    explicit Frmpendolo(QWidget *parent = nullptr);

    // Lays out the controls for the screen, shows the window maximized,
    // focuses "Movimento Pendolo Singolo " and plays the opening curve.
    void Form_Load();

    // Stage
    Surface &picture1() override;
    Surface &picture2() override;
    Surface &picture3() override;
    QString periodText() const override;
    void showPeriodBox() override;
    int scrollValue() const override;
    double screenWidthTwips() const override;
    void IdlePause(std::int16_t count) override;

    QSizeF screenTwips() const;
    Pacer &pacer() { return m_pacer; }
    Presenter &presenter() { return m_presenter; }
    bool sceneRunning() const { return m_running; }
    // The controls in the order of the focus chain.
    QList<QWidget *> controls() const;

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void wireEvents();
    void waitUntilExposed();
    // Runs one handler to its end; a handler asked for meanwhile runs after it.
    void run(const std::function<void()> &handler);

    Presenter m_presenter;
    Pacer m_pacer{&m_presenter};
    bool m_running = false;
    bool m_closeRequested = false;
    QList<std::function<void()>> m_deferred;

    PictureBox *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;
    PictureBox *Picture3 = nullptr;
    QLineEdit *txtarmonica = nullptr;
    QPushButton *Cmdperde = nullptr;
    QPushButton *Cmddoppio = nullptr;
    QPushButton *cmdmovimento = nullptr;
    QPushButton *Cmdpendolo = nullptr;
    HelpPanel *Txtistru = nullptr;
    QPushButton *cmdtarmonica = nullptr;
    QLabel *lblarmonica = nullptr;
    QPushButton *cmdfine = nullptr;
    QPushButton *Cmdcosafa = nullptr;
    QPushButton *Cmdistruzioni = nullptr;
    QScrollBar *VScroll1 = nullptr;
};

} // namespace brovaci
