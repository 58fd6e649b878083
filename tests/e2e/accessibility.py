# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brovaci as a screen reader sees and drives it, over AT-SPI.

Run by accessibility.sh, which starts the display and the buses. The window
is at the top-left corner of a 1024 x 768 screen with no window manager, so
the layout's reference point is (512, 384). Each step waits on what the
program shows or says, never on a fixed time. One test method per
behaviour, run in the order of their numbers: the later ones drive the
program that the first ones read.
    accessibility.py BROVACI SHOTPROBE WORK
"""
import os
import subprocess
import sys
import time
import unittest

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import design  # noqa: E402

APP, PROBE, WORK = sys.argv[1:4] if len(sys.argv) == 4 else sys.exit(__doc__)
CURVE_BOX = design.AREAS['curve']
PENDULUM_BOX = design.AREAS['pendulum']

# The fifteen controls: role and name, and the tool tip as description. Roles
# are compared by AT-SPI's number for them, not by the name a release of
# at-spi2-core gives it ("push button" in Debian 12, "button" in Debian 13).
ROLES = {
    "image": pyatspi.ROLE_IMAGE,
    "text": pyatspi.ROLE_TEXT,
    "push button": pyatspi.ROLE_PUSH_BUTTON,
    "label": pyatspi.ROLE_LABEL,
    "scroll bar": pyatspi.ROLE_SCROLL_BAR,
}
# What a screen reader can do with each kind: a button is pressed, a text is
# read (and the period's box is typed in), a scroll bar is set.
INTERFACES = {
    "image": [],
    "text": ["Text"],
    "push button": ["Action"],
    "label": [],
    "scroll bar": ["Value"],
}
CONTROLS = {
    "Pendoli": ("image", ""),
    "Foglio scorrevole": ("image", ""),
    "Figura delle curve": ("image", ""),
    "Numero del periodo": ("text", ""),
    "Perdita di spinta dei due brovaci": ("push button", "Con il tasto destro hai un fermo immagine. "),
    "Movimento Doppio Pendolo": ("push button", ""),
    "Movimento Pendolo Singolo": ("push button", ""),
    "Curva Statica": ("push button", ""),
    "Istruzioni e descrizione": ("text", ""),
    "Curva Tridimensionale": ("push button", "Per rallentare il movimento usa la barra a destra"),
    design.HINT: ("label", ""),
    "CHIUDI": ("push button", ""),
    "Cosa fa il programma": ("push button", ""),
    "Istruzioni": ("push button", ""),
    "Limitatore di velocità": ("scroll bar", ""),
}
# The notice for text that is not a number, as the curve box describes it.
NOTICE = "Hai immesso dati non compatibili nella finestrella bianca, cancella e cambiali."
# The focus order from "Movimento Pendolo Singolo ", where start-up puts it.
TAB_ORDER = ["Curva Statica", "Istruzioni e descrizione", "Curva Tridimensionale", "CHIUDI",
             "Cosa fa il programma", "Istruzioni", "Limitatore di velocità", "Pendoli",
             "Foglio scorrevole", "Figura delle curve", "Numero del periodo",
             "Perdita di spinta dei due brovaci", "Movimento Doppio Pendolo", "Movimento Pendolo Singolo"]

def wait_until(predicate, seconds, step=0.1):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def start():
    with open(f"{WORK}/app.log", "w") as log:
        program = subprocess.Popen([APP], stdout=log, stderr=subprocess.STDOUT)

    def frame():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Brovaci":
                for window in app:
                    if window is not None and window.name == "pendolo":
                        return window
        return None

    window = wait_until(frame, 30, 0.25)
    if window is None:
        program.kill()
        raise AssertionError("the window never appeared on the accessibility bus")
    if not wait_until(lambda: probe("match", shot(), CURVE_BOX[0], CURVE_BOX[1], "turning", "200") == 0, 30, 0.3):
        program.kill()
        raise AssertionError("the opening curve did not end on its last frame")
    return program, window


def controls(window):
    return {child.name: child for child in window}


def shot():
    subprocess.run(["import", "-window", "root", f"{WORK}/shot.png"], check=True)
    return f"{WORK}/shot.png"


def probe(*args):
    return int(subprocess.run([PROBE, *map(str, args)], capture_output=True, text=True, check=True).stdout.split()[0])


def still_mismatch(text):
    return probe("match", shot(), CURVE_BOX[0], CURVE_BOX[1], "still", text)


def press(control):
    action = control.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def focused(window):
    for child in window:
        if child.getState().contains(pyatspi.STATE_FOCUSED):
            return child.name
    return None


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def actions(control):
    try:
        action = control.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def interfaces(control):
    return set(pyatspi.listInterfaces(control))


class TreeFocusAndPresses(unittest.TestCase):
    """The tree, the focus order, a press, and what is asked during a film."""

    @classmethod
    def setUpClass(cls):
        cls.program, cls.window = start()
        cls.found = controls(cls.window)

    @classmethod
    def tearDownClass(cls):
        cls.program.terminate()
        cls.program.wait()

    def test_01_the_window_is_a_frame(self):
        self.assertEqual(self.window.getRoleName(), "frame")

    def test_02_the_frame_holds_fifteen_controls(self):
        self.assertEqual(self.window.childCount, 15)

    def test_03_each_control_by_role_name_and_description(self):
        for name, (role, description) in CONTROLS.items():
            with self.subTest(name[:40]):
                child = self.found.get(name)
                self.assertIsNotNone(child, f"no control named {name!r}")
                self.assertEqual(child.getRole(), ROLES[role], child.getRoleName())
                self.assertEqual(child.description, description)
                self.assertLessEqual(set(INTERFACES[role]), interfaces(child))

    def test_04_the_buttons_can_be_pressed(self):
        for name, (role, _) in CONTROLS.items():
            if role == "push button":
                with self.subTest(name[:40]):
                    self.assertIn("Press", actions(self.found[name]))

    def test_05_the_text_boxes_can_be_typed_in(self):
        for name in ("Numero del periodo", "Istruzioni e descrizione"):
            with self.subTest(name):
                self.assertIn("EditableText", interfaces(self.found[name]))

    def test_06_start_up_focuses_the_single_pendulum(self):
        self.assertEqual(focused(self.window), "Movimento Pendolo Singolo")

    def test_07_tab_walks_the_designed_order(self):
        walked = []
        for _ in TAB_ORDER:
            was = focused(self.window)
            key("Tab")
            walked.append(wait_until(lambda: focused(self.window) != was and focused(self.window), 10, 0.05))
        self.assertEqual(walked, TAB_ORDER)

    def test_08_shift_tab_walks_it_back(self):
        key("shift+Tab")
        self.assertTrue(wait_until(lambda: focused(self.window) == "Movimento Doppio Pendolo", 10, 0.05),
                        focused(self.window))

    def test_09_a_press_on_curva_statica_draws_the_still_curve(self):
        press(self.found["Curva Statica"])
        self.assertTrue(wait_until(lambda: still_mismatch("200") == 0, 30, 0.3))

    def test_10_what_is_asked_during_a_film_waits_and_runs_after_it_in_order(self):
        scroll = self.found["Limitatore di velocità"].queryValue()
        period = self.found["Numero del periodo"]
        press(self.found["Movimento Doppio Pendolo"])
        # The film lasts 12.6 s: what is asked of the program while it plays waits.
        self.assertTrue(wait_until(lambda: probe("count", shot(), *CURVE_BOX, "ff0000") > 100, 30, 0.2),
                        "the double pendulum does not play")
        period.queryEditableText().setTextContents("100")
        press(self.found["Curva Statica"])
        scroll.currentValue = 500
        self.assertEqual(scroll.currentValue, 10, "during the film the scroll value waits")
        self.assertEqual(period.queryText().getText(0, -1), "200", "during the film the period text waits")
        shown = shot()
        self.assertGreater(probe("count", shown, *PENDULUM_BOX, "ff0000"), 100, "during the film the film plays")
        self.assertGreater(probe("match", shown, CURVE_BOX[0], CURVE_BOX[1], "still", "100"), 0,
                           "during the film the press waits")
        self.assertTrue(wait_until(lambda: scroll.currentValue == 500, 60, 0.5), "after the film the scroll value is set")
        self.assertEqual(period.queryText().getText(0, -1), "100", "after the film the period text is set")
        self.assertTrue(wait_until(lambda: still_mismatch("100") == 0, 30, 0.3),
                        "after the film the press runs, after the text set before it: the still curve for 100")

    def test_11_the_notice_for_text_that_is_not_a_number_is_told_and_then_taken_away(self):
        # The description reaches the screen reader with its change: its own
        # copy of it is brought up to date by the event.
        curve, period = self.found["Figura delle curve"], self.found["Numero del periodo"]
        period.queryEditableText().setTextContents("abc")
        press(self.found["Curva Statica"])
        self.assertTrue(wait_until(lambda: curve.description == NOTICE, 30, 0.2), curve.description)
        period.queryEditableText().setTextContents("200")
        press(self.found["Curva Statica"])
        self.assertTrue(wait_until(lambda: curve.description == "", 30, 0.2), curve.description)


class EnterAtStartUp(unittest.TestCase):
    def test_enter_plays_the_single_pendulum_film(self):
        program, _ = start()
        try:
            before = probe("count", shot(), *PENDULUM_BOX, "ff0000")
            key("Return")
            after = wait_until(lambda: probe("count", shot(), *PENDULUM_BOX, "ff0000"), 30, 0.2)
            self.assertEqual(before, 0)
            self.assertGreater(after, 100)
        finally:
            program.terminate()
            program.wait()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
