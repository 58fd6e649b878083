# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures of the page in Chromium for the README: the window after the
opening curve, with the instructions in the panel, on the design's screen
(PNG) and on a phone held upright (PHONE_PNG).
    python3 shot.py SITE PNG PHONE_PNG"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import serve  # noqa: E402
from browser import wait_until  # noqa: E402

if len(sys.argv) != 4:
    sys.exit(__doc__)
server, address = serve.start(sys.argv[1])
try:
    for path, viewport in ((sys.argv[2], None), (sys.argv[3], (390, 844, 3))):
        page = browser.Page(address + 'index.html', viewport=viewport)
        try:
            if not wait_until(lambda: page.distinct('curve', 'p.curve.blue > 0') >= 119, 60, 0.5):
                sys.exit('the opening curve did not play')
            seen = page.picture_count()
            panel = page.pictures(seen - 1)[0]['panel']['hash']
            page.click_on('Cmdistruzioni')
            wait_until(lambda: page.first_picture(seen, f'p.panel.hash !== {panel}'), 20, 0.2)
            page.screenshot(path)
        finally:
            page.close()
finally:
    server.shutdown()
