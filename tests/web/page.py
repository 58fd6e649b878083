# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in a real Chromium, used as a person would use it: the
opening curve plays and ends on its last frame; the still curve for 200 and
for 100, each pixel for pixel as the Linux build draws it; "abc" gives the red
notice; the single-pendulum film lasts its nominal time, and a click on
"Curva Statica" made during it runs after it; CHIUDI ends the program and the
page says so. A screen reader finds the buttons and presses one. Then the
page's own failures: a browser without WebAssembly, and a download that
fails; and its loading: the progress of a slow download, and a server that
does not send .wasm as WebAssembly. Each waits on what the page shows, never
on a fixed time.
    python3 page.py SITE SHOTPROBE"""
import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import serve  # noqa: E402
from browser import design, probe, wait_until  # noqa: E402

SINGLE_PENDULUM_SECONDS = 18 * 10000 * 31.75e-6  # 18 pauses of 10000 passes: 5.715 s
TURNING_FRAMES = 119

failures = []


def check(condition, what):
    print(('ok   ' if condition else 'FAIL ') + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def main(site, shotprobe):
    server, address = serve.start(site)
    work = tempfile.mkdtemp(prefix='brovaci-web-')
    curve_x, curve_y = design.AREAS['curve'][:2]

    def matches(scene, text, name):
        shot = page.screenshot(os.path.join(work, f'{name}.png'))
        return probe(shotprobe, 'match', shot, curve_x, curve_y, scene, text) == '0'

    page = browser.Page(address + 'index.html')
    try:
        # The opening curve: every frame of it is shown, and the last stays.
        def opening_ended():
            return page.picture_count() > TURNING_FRAMES and matches('turning', '200', 'opening')
        check(wait_until(opening_ended, 60, 0.5), 'the opening curve plays and ends on its last frame')
        frames = page.distinct('curve', 'p.curve.blue > 0')
        check(frames >= TURNING_FRAMES, f'the page showed {frames} different frames of the opening curve\'s '
                                        f'{TURNING_FRAMES}')
        check(page.message() == '' and 'pendolo' == page.driver.title, 'the page is the window "pendolo"')

        # The still curve for 200, then for 100, as the Linux build draws them.
        page.click_on('Cmdpendolo')
        check(wait_until(lambda: matches('still', '200', 'still-200'), 20), 'the still curve for 200')
        still_200 = page.pictures(page.picture_count() - 1)[0]['curve']['hash']
        page.type_period('100')
        page.click_on('Cmdpendolo')
        check(wait_until(lambda: matches('still', '100', 'still-100'), 20), 'the still curve for 100')

        # Text that is not a number: the red notice, and no figure.
        page.type_period('abc')
        page.click_on('Cmdpendolo')
        notice = wait_until(lambda: page.first_picture(page.picture_count() - 1, 'p.curve.red > 100'), 20)
        check(bool(notice) and notice['curve']['blue'] == 0, '"abc" gives the red notice')

        # The single pendulum, and a click on Curva Statica made during it:
        # the still curve comes once the film has ended, its nominal time after
        # the film's first frame.
        page.type_period('200')
        seen = page.picture_count()
        page.click_on('cmdmovimento')
        started = wait_until(lambda: page.first_picture(seen, 'p.pendulum.red > 0'), 20)
        check(bool(started), 'the single-pendulum film starts')
        page.click_on('Cmdpendolo')
        ended = wait_until(lambda: page.first_picture(seen, f'p.curve.hash === {still_200}'),
                           SINGLE_PENDULUM_SECONDS * 3, 0.5)
        if check(bool(started) and bool(ended), 'the click on "Curva Statica" made during the film runs after it'):
            film = [p for p in page.pictures(seen) if p['at'] < ended['at']]
            check(all(p['curve']['blue'] == 0 for p in film), 'nothing of the still curve during the film')
            seconds = (ended['at'] - started['at']) / 1000
            check(abs(seconds - SINGLE_PENDULUM_SECONDS) <= 0.03 * SINGLE_PENDULUM_SECONDS,
                  f'the film lasted {seconds:.3f} s, nominal {SINGLE_PENDULUM_SECONDS:.3f} s (within 3 %)')

        # CHIUDI ends the program; the page says so, and offers a new start.
        page.click_on('cmdfine')
        check(wait_until(lambda: page.message() == 'Brovaci è terminato.', 20), 'CHIUDI ends the program')
        check(page.script('return !document.getElementById("again").hidden'), 'the page offers to start it again')
        errors = [m for m in page.console() if 'SEVERE' in m or 'Uncaught' in m or 'rror' in m]
        check(not errors, 'nothing went wrong in the console' + ''.join('\n     ' + e for e in errors))
    finally:
        page.close()

    # A screen reader: Qt's hidden button for one lays the controls out for
    # it, the page stays up, and "Curva Statica" pressed there draws the
    # still curve.
    page = browser.Page(address + 'index.html')
    try:
        wait_until(opening_ended, 60, 0.5)
        nodes = page.enable_screen_reader()
        buttons = {name for role, name, _ in nodes if role == 'button'}
        wanted = {' '.join(c['text'].split()) for c in design.DESIGN['controls'] if c['kind'] == 'button'}
        check(wanted <= buttons, 'a screen reader finds the eight buttons' +
              ''.join(f'\n     missing: {name}' for name in sorted(wanted - buttons)))
        check(page.reader_press('button', 'Curva Statica')
              and wait_until(lambda: matches('still', '200', 'reader'), 20),
              '"Curva Statica" pressed by a screen reader draws the still curve')
        errors = [m for m in page.console() if 'Uncaught' in m or 'rror' in m]
        check(not errors, 'the page stays up with a screen reader' + ''.join('\n     ' + e for e in errors))
    finally:
        page.close()

    # A browser without WebAssembly, and a download that fails: the page says so.
    for without, blocked, said in ((True, [], 'Questo browser non può far partire Brovaci'),
                                   (False, ['*brovaci.wasm'], 'Non è stato possibile scaricare Brovaci')):
        page = browser.Page(address + 'index.html', watch=False, without_webassembly=without, blocked=blocked)
        try:
            check(wait_until(lambda: page.message().startswith(said), 20),
                  f'"{said}…" when {"the browser has no WebAssembly" if without else "the download fails"}')
        finally:
            page.close()

    # Over a slow network the loading page shows how much has arrived, and
    # the program starts once it is all there; so it does from a server that
    # sends the program as plain bytes rather than as WebAssembly.
    octets, octets_address = serve.start(site, wasm_type='application/octet-stream')
    for where, throughput, what in ((address, 3_000_000, 'over a slow network'),
                                    (octets_address, None, 'from a server that does not know .wasm')):
        page = browser.Page(where + 'index.html', throughput=throughput)
        try:
            if throughput:
                def part_arrived():
                    bar, words = page.progress()
                    counted = re.fullmatch(r'(\d+,\d) MB di (\d+,\d) MB', words)
                    return words if 0 < bar < 1 and counted and counted[1] != counted[2] else None
                seen = wait_until(part_arrived, 20, 0.05)
                check(seen, f'the loading page shows the download\'s progress ({seen or "nothing"})')
            check(wait_until(lambda: page.distinct('curve', 'p.curve.blue > 0') > 0, 60, 0.5),
                  f'the program starts {what}')
        finally:
            page.close()
    octets.shutdown()
    server.shutdown()
    print(f'{len(failures)} failed' if failures else 'all passed')
    return 1 if failures else 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
