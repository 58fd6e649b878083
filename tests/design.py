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
