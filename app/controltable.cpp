// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fifteen controls, one row each, in the focus order: the
// member each fills, its creation-time rectangle in twips, the place
// start-up gives it around the reference point (X, Y), and its texts.
// The accessible name is the caption, read without its extra blanks, or a
// short Italian description where there is no caption.
#include "app/captionbutton.h"
#include "app/frmpendolo.h"
#include "app/helppanel.h"
#include "app/scrollbar.h"
#include "display/picturebox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

namespace brovaci {

namespace {

template<typename Widget, auto Member> QWidget *make(Frmpendolo &window)
{
    return window.*Member = new Widget(&window);
}

// The system's window-text colour: the back colour of the sliding sheet.
Colour windowText()
{
    return fromRgb(QApplication::palette().color(QPalette::WindowText).rgb());
}

} // namespace

QSizeF Frmpendolo::screenNeeded()
{
    QList<QRectF> places;
    for (const ControlRow &row : controlTable())
        places.append(row.startup.around);
    return neededScreen(places);
}

std::span<const Frmpendolo::ControlRow> Frmpendolo::controlTable()
{
    using Border = PictureBox::Border;
    static const ControlRow rows[] = {
        {.name = "Picture1",
         .create = [](Frmpendolo &w) -> QWidget * {
             return w.Picture1 = new PictureBox(w.m_presenter, Black, Border::None, &w);
         },
         .twips = {-120, 0, 4500, 3000},
         .startup = {.step = 1, .around = {10, -290, 250, 140}},
         .accessibleName = "Pendoli"},
        {.name = "Picture2",
         .create = [](Frmpendolo &w) -> QWidget * {
             return w.Picture2 = new PictureBox(w.m_presenter, windowText(), Border::None, &w);
         },
         .twips = {2280, 2880, 3855, 1695},
         .startup = {.step = 2, .around = {50, -150, 10, 90}, .shows = true},
         .accessibleName = "Foglio scorrevole"},
        {.name = "Picture3",
         .create = [](Frmpendolo &w) -> QWidget * {
             return w.Picture3 = new PictureBox(w.m_presenter, Black, Border::Sunken, &w);
         },
         .twips = {5520, 840, 1215, 495},
         .startup = {.step = 3, .around = {10, -60, 280, 200}, .shows = true},
         .accessibleName = "Figura delle curve"},
        {.name = "txtarmonica",
         .create = make<QLineEdit, &Frmpendolo::txtarmonica>,
         .twips = {5400, 1560, 1215, 420},
         .startup = {.step = 7, .around = {191, 141, 90, 30}},
         .text = "200",
         .accessibleName = "Numero del periodo"},
        {.name = "Cmdperde",
         .create = make<CaptionButton, &Frmpendolo::Cmdperde>,
         .twips = {6840, 720, 1575, 495},
         .startup = {.step = 14, .around = {10, 213, 271, 30}},
         .text = "Perdita di spinta dei due brovaci",
         .toolTip = "Con il tasto destro hai un fermo immagine. "},
        {.name = "Cmddoppio",
         .create = make<CaptionButton, &Frmpendolo::Cmddoppio>,
         .twips = {5400, 2040, 1215, 495},
         .startup = {.step = 13, .around = {-165, 201, 165, 40}},
         .text = "Movimento   Doppio Pendolo"},
        {.name = "cmdmovimento",
         .create = make<CaptionButton, &Frmpendolo::cmdmovimento>,
         .twips = {6960, 1440, 1215, 495},
         .startup = {.step = 12, .around = {-380, 201, 165, 40}},
         .text = "Movimento Pendolo Singolo "},
        {.name = "Cmdpendolo",
         .create = make<CaptionButton, &Frmpendolo::Cmdpendolo>,
         .twips = {6840, 2280, 1215, 495},
         .startup = {.step = 4, .around = {10, 141, 90, 30}},
         .text = "Curva Statica"},
        {.name = "Txtistru",
         .create = make<HelpPanel, &Frmpendolo::Txtistru>,
         .twips = {600, 3120, 4815, 1935},
         .startup = {.step = 9, .around = {-380, -250, 380, 450}},
         .accessibleName = "Istruzioni e descrizione"},
        {.name = "cmdtarmonica",
         .create = make<CaptionButton, &Frmpendolo::cmdtarmonica>,
         .twips = {4200, 840, 1500, 495},
         .startup = {.step = 5, .around = {100, 141, 90, 30}},
         .text = "Curva Tridimensionale",
         .toolTip = "Per rallentare il movimento usa la barra a destra"},
        {.name = "lblarmonica",
         .create = make<QLabel, &Frmpendolo::lblarmonica>,
         .twips = {6840, 3360, 915, 555},
         .startup = {.step = 8, .around = {10, 173, 271, 0}, .sizedByCaption = true},
         .text = ""}, // read by its caption, which start-up sets
        {.name = "cmdfine",
         .create = make<CaptionButton, &Frmpendolo::cmdfine>,
         .twips = {6120, 120, 1215, 495},
         .startup = {.step = 15, .around = {-215, 201, 50, 50}},
         .text = "CHIUDI"},
        {.name = "Cmdcosafa",
         .create = make<CaptionButton, &Frmpendolo::Cmdcosafa>,
         .twips = {6360, 4560, 1215, 495},
         .startup = {.step = 10, .around = {-380, -280, 190, 30}},
         .text = "Cosa fa il programma"},
        {.name = "Cmdistruzioni",
         .create = make<CaptionButton, &Frmpendolo::Cmdistruzioni>,
         .twips = {6960, 2760, 1215, 495},
         .startup = {.step = 11, .around = {-190, -280, 190, 30}},
         .text = "Istruzioni"},
        {.name = "VScroll1",
         .create = [](Frmpendolo &w) -> QWidget * { return w.VScroll1 = new ScrollBar(Qt::Vertical, &w); },
         .twips = {4200, 1800, 255, 2775},
         .startup = {.step = 6, .around = {290, 50, 20, 190}},
         .accessibleName = "Limitatore di velocità"},
    };
    return rows;
}

} // namespace brovaci
