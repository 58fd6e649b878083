# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brovaci as a screen reader sees and drives it, over AT-SPI.

Run by accessibility.sh, which starts the display and the buses. The window
is at the top-left corner of a 1024 x 768 screen with no window manager, so
the layout's reference point is (512, 384). Each step waits on what the
program shows or says, never on a fixed time.
"""
import os
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import design  # noqa: E402

APP, PROBE, WORK = sys.argv[1:4]
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
    "Immetti nella casella bianca un numero che sia una frazione o un multiplo di 100 esempio "
    "20,40,80,25,50, 75,120,150, 200, etc": ("label", ""),
    "CHIUDI": ("push button", ""),
    "Cosa fa il programma": ("push button", ""),
    "Istruzioni": ("push button", ""),
    "Limitatore di velocità": ("scroll bar", ""),
}
# The focus order from "Movimento Pendolo Singolo ", where start-up puts it.
TAB_ORDER = ["Curva Statica", "Istruzioni e descrizione", "Curva Tridimensionale", "CHIUDI",
             "Cosa fa il programma", "Istruzioni", "Limitatore di velocità", "Pendoli",
             "Foglio scorrevole", "Figura delle curve", "Numero del periodo",
             "Perdita di spinta dei due brovaci", "Movimento Doppio Pendolo", "Movimento Pendolo Singolo"]

failures = []
checks = 0


def check(condition, what):
    global checks
    checks += 1
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def wait_until(predicate, seconds, step=0.1):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def start():
    program = subprocess.Popen([APP], stdout=open(f"{WORK}/app.log", "w"), stderr=subprocess.STDOUT)

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
        sys.exit("FAIL: the window never appeared on the accessibility bus")
    if not wait_until(lambda: probe("match", shot(), CURVE_BOX[0], CURVE_BOX[1], "turning", "200") == 0, 30, 0.3):
        program.kill()
        sys.exit("FAIL: the opening curve did not end on its last frame")
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


# --- The tree, the focus order, a press, and changes during a film.
program, window = start()
check(window.getRoleName() == "frame", f"the window is a frame named \"pendolo\" ({window.getRoleName()})")
found = controls(window)
check(window.childCount == 15, f"the frame holds 15 controls ({window.childCount})")


def actions(control):
    try:
        action = control.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def interfaces(control):
    return set(pyatspi.listInterfaces(control))


for name, (role, description) in CONTROLS.items():
    child = found.get(name)
    check(child is not None and child.getRole() == ROLES[role] and child.description == description
          and set(INTERFACES[role]) <= interfaces(child),
          f"{name[:40]!r}: {role}" + (f", described {description!r}" if description else "")
          + "".join(f", with {i}" for i in INTERFACES[role])
          + ("" if child is None else f" (seen: {child.getRoleName()}, {child.description!r}, {sorted(interfaces(child))})"))
    if role == "push button" and child is not None:
        check("Press" in actions(child), f"{name[:40]!r} can be pressed ({actions(child)})")
for name in ("Numero del periodo", "Istruzioni e descrizione"):
    check("EditableText" in interfaces(found[name]), f"{name!r} can be typed in, as its box can")

check(focused(window) == "Movimento Pendolo Singolo", "start-up puts the focus on \"Movimento Pendolo Singolo\"")
walked = []
for expected in TAB_ORDER:
    was = focused(window)
    key("Tab")
    walked.append(wait_until(lambda: focused(window) != was and focused(window), 10, 0.05))
check(walked == TAB_ORDER, f"Tab walks the designed order (walked: {walked})")
key("shift+Tab")
check(wait_until(lambda: focused(window) == "Movimento Doppio Pendolo", 10, 0.05), "Shift+Tab walks it back")

press(found["Curva Statica"])
check(wait_until(lambda: still_mismatch("200") == 0, 30, 0.3), "a press on \"Curva Statica\" draws the still curve")

scroll = found["Limitatore di velocità"].queryValue()
period = found["Numero del periodo"]
press(found["Movimento Doppio Pendolo"])
# The film lasts 12.6 s: what is asked of the program while it plays waits.
check(wait_until(lambda: probe("count", shot(), *CURVE_BOX, "ff0000") > 100, 30, 0.2), "the double pendulum plays")
period.queryEditableText().setTextContents("100")
press(found["Curva Statica"])
scroll.currentValue = 500
check(scroll.currentValue == 10, f"during the film the scroll value waits ({scroll.currentValue})")
text = period.queryText().getText(0, -1)
check(text == "200", f"during the film the period text waits ({text!r})")
shown = shot()
check(probe("count", shown, *PENDULUM_BOX, "ff0000") > 100 and probe("match", shown, CURVE_BOX[0], CURVE_BOX[1], "still", "100") > 0,
      "during the film the film plays, and the press waits")
check(wait_until(lambda: scroll.currentValue == 500, 60, 0.5), "after the film the scroll value is set")
check(period.queryText().getText(0, -1) == "100", "after the film the period text is set")
check(wait_until(lambda: still_mismatch("100") == 0, 30, 0.3),
      "after the film the press runs, after the text set before it: the still curve for 100")
program.terminate()
program.wait()

# --- Enter at start-up plays the single pendulum film.
program, window = start()
before = probe("count", shot(), *PENDULUM_BOX, "ff0000")
key("Return")
after = wait_until(lambda: probe("count", shot(), *PENDULUM_BOX, "ff0000"), 30, 0.2)
check(before == 0 and after > 100, f"Enter at start-up plays the single pendulum film ({before} then {after} red pixels)")
program.terminate()
program.wait()

print(f"{checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
