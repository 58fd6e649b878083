# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The design's numbers (design.json), for the Python tests, and as shell
variables for the end-to-end scripts:
    eval "$(python3 tests/design.py)"
defines, for each control, NAME_x and NAME_y (the middle of its place) and
NAME_place, and for each area AREA_area ("x y w h"), on the 1024 x 768
screen whose window starts at the top-left corner."""
import json
import os

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'design.json'), encoding='utf-8') as f:
    DESIGN = json.load(f)

CONTROLS = {c['name']: c for c in DESIGN['controls']}
AREAS = {name: tuple(area) for name, area in DESIGN['areas'].items()}


# The line under the white box, which the program writes there at start.
HINT = ('Immetti nella casella bianca un numero che sia una frazione o un multiplo di 100 esempio '
        '20,40,80,25,50, 75,120,150, 200, etc')


def reader_name(control):
    """What a screen reader reads as a control's name, its blanks collapsed:
    the name given for it, else its caption's words, else (the label) its text."""
    return control.get('accessibleName') or ' '.join(control.get('text', '').split()) or HINT


def place(name):
    return tuple(CONTROLS[name]['place'])


def middle(name):
    x, y, w, h = place(name)
    return x + w // 2, y + h // 2


if __name__ == '__main__':
    for name in CONTROLS:
        x, y = middle(name)
        print(f'{name}_x={x} {name}_y={y} {name}_place="{" ".join(map(str, place(name)))}"')
    for name, area in AREAS.items():
        print(f'{name}_area="{" ".join(map(str, area))}"')
