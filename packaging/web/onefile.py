# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Brovaci as one HTML file that starts from the disk, with no server
and no network: the page with its scripts, its icons and the program (in
base64) inside it. It has no manifest and no service worker: a page opened
from a file can have neither.
    onefile.py OUT FILE...
The FILEs are the page as built: index.html, qtloader.js, brovaci.js,
brovaci.wasm and the icons, wherever each is."""
import base64
import os
import re
import sys

if len(sys.argv) < 3:
    sys.exit(__doc__)
out = sys.argv[1]
files = {os.path.basename(path): path for path in sys.argv[2:]}


def read(name, mode='r'):
    if name not in files:
        sys.exit(f'onefile.py: {name} is not among the files given')
    with open(files[name], mode) as f:
        return f.read()


def script(name):
    # A script's text ends at the first "</script" whatever the quotes say.
    return '<script>\n' + read(name).replace('</script', '<\\/script') + '\n</script>'


def data_url(name):
    return 'data:image/png;base64,' + base64.b64encode(read(name, 'rb')).decode('ascii')


page = read('index.html')
for name in ('qtloader.js', 'brovaci.js'):
    tag = f'<script src="{name}"></script>'
    if page.count(tag) != 1:
        sys.exit(f'onefile.py: index.html does not load {name} once')
    page = page.replace(tag, script(name))
page = re.sub(r'<link rel="manifest"[^>]*>\n', '', page)
page = re.sub(r'(href|src)="(brovaci-\d+\.png)"', lambda m: f'{m.group(1)}="{data_url(m.group(2))}"', page)
program = base64.b64encode(read('brovaci.wasm', 'rb')).decode('ascii')
carried = f'<script id="brovaci-program" type="application/octet-stream">{program}</script>\n'
at = page.index('<script>')
page = page[:at] + carried + page[at:]
with open(out, 'w') as f:
    f.write(page)
