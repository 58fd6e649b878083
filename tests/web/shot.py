# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""A picture of the page in Chromium for the README: the window after the
opening curve, with the instructions in the panel.
    python3 shot.py SITE PNG"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import serve  # noqa: E402
from browser import wait_until  # noqa: E402

if len(sys.argv) != 3:
    sys.exit(__doc__)
server, address = serve.start(sys.argv[1])
page = browser.Page(address + 'index.html')
try:
    if not wait_until(lambda: page.distinct('curve', 'p.curve.blue > 0') >= 119, 60, 0.5):
        sys.exit('the opening curve did not play')
    seen = page.picture_count()
    panel = page.pictures(seen - 1)[0]['panel']['hash']
    page.click_on('Cmdistruzioni')
    wait_until(lambda: page.first_picture(seen, f'p.panel.hash !== {panel}'), 20, 0.2)
    page.screenshot(sys.argv[2])
finally:
    page.close()
    server.shutdown()
