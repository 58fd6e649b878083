# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures the web page in Debian's Chromium, served from 127.0.0.1, and
prints the rows of the benchmark table: the download, raw and compressed;
the time from opening the page to the first frame of the opening curve; how
many of that curve's 119 frames were shown; each film's wall time against its
nominal time; and the share of one core that Chromium uses while the single
pendulum film plays; then the same with Chromium's CPU four times slower, as
on a low-end Chromebook; and the one-file page's size. scripts/web --bench
runs it in the Debian 13 root.
    python3 web.py SITE"""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
import browser  # noqa: E402
import serve  # noqa: E402
from browser import wait_until  # noqa: E402

# The nominal times of the desktop's benchmark: the pauses, each frame held
# for one refresh of a 60 Hz display; and the pause after each film's last
# frame, in seconds (the scroll bar at 10 for the turning curve).
FILMS = [('turning curve', 'cmdtarmonica', 1.969, 80 * 31.75e-6), ('single pendulum', 'cmdmovimento', 5.715, 0.3175),
         ('double pendulum', 'Cmddoppio', 12.599, 500 * 31.75e-6), ('damped pendulums', 'Cmdperde', 1.567, 0)]
TURNING_FRAMES = 119
TICK = os.sysconf('SC_CLK_TCK')


def row(measure, value, target='', met=None):
    print(f'| {measure} | {value} | {target} | {"" if met is None else "met" if met else "NOT MET"} |', flush=True)


def cpu_seconds(pids):
    total = 0
    for pid in pids:
        try:
            with open(f'/proc/{pid}/stat') as f:
                fields = f.read().rsplit(')', 1)[1].split()
            total += int(fields[11]) + int(fields[12])  # utime, stime
        except (OSError, IndexError):
            pass
    return total / TICK


def opening(address, rate, label, target):
    """Opening the page, three times, each with an empty cache."""
    firsts, shown = [], []
    for _ in range(3):
        page = browser.Page(address + 'index.html', throttle=rate)
        try:
            wait_until(lambda: page.distinct('curve', 'p.curve.blue > 0') >= TURNING_FRAMES, 30 * rate, 0.5)
            time.sleep(1)
            curve = page.first_picture(0, 'p.curve.blue > 0')
            firsts.append(curve['at'] / 1000 if curve else float('inf'))
            shown.append(page.distinct('curve', 'p.curve.blue > 0'))
        finally:
            page.close()
    first = statistics.median(firsts)
    row(f'{label}: opening the page to the first frame of the opening curve (median of 3)',
        f'{first:.2f} s ({", ".join(f"{t:.2f}" for t in firsts)})', f'<= {target} s', first <= target)
    row(f'{label}: frames of the opening curve shown', f'{min(shown)} of {TURNING_FRAMES} (in each of 3 loads)',
        f'all {TURNING_FRAMES}', min(shown) >= TURNING_FRAMES)


def films(address, rate, label, within):
    """Each film, from the press on its button to its last frame on the
    screen and that frame's pause, as the desktop's film runs from the click
    to the end of its handler. The end is found by a click on a help button
    made during the film: the panel changes once the film has ended, and the
    last picture before that to change a picture box is the film's last. The
    panel's own time is not the film's."""
    page = browser.Page(address + 'index.html', throttle=rate, watch=('curve', 'pendulum', 'panel'))
    try:
        wait_until(lambda: page.picture_count() > TURNING_FRAMES, 30 * rate, 0.5)
        time.sleep(1)
        for n, (name, button, nominal, last_pause) in enumerate(FILMS):
            seen, pressed = page.picture_count(), len(page.presses())
            panel = page.pictures(seen - 1)[0]['panel']['hash']
            page.click_on(button)
            page.click_on('Cmdistruzioni' if n % 2 == 0 else 'Cmdcosafa')
            ended = wait_until(lambda: page.first_picture(seen, f'p.panel.hash !== {panel}'), nominal * 3 + 5, 0.5)
            shown = page.pictures(seen - 1)
            boxes = [(p['curve']['hash'], p['pendulum']['hash']) for p in shown]
            last = max((p['at'] for p, before, now in zip(shown[1:], boxes, boxes[1:])
                        if ended and p['at'] < ended['at'] and now != before), default=None)
            wall = (last - page.presses()[pressed]) / 1000 + last_pause if last else float('inf')
            off = 100 * (wall - nominal) / nominal
            answer = f'; the panel {ended["at"] - last - 1000 * last_pause:.0f} ms after' if last else ''
            row(f'{label}: film, {name}: wall / nominal', f'{wall:.3f} / {nominal:.3f} s ({off:+.1f} %{answer})',
                f'within {within} %', abs(off) <= within)
            time.sleep(0.5)
    finally:
        page.close()


def core_share(address, rate, label, target=None):
    """Chromium's share of one core while the single pendulum plays, its
    pictures not watched."""
    page = browser.Page(address + 'index.html', watch=False, throttle=rate)
    try:
        time.sleep(5 * rate)
        pids = page.chromium_pids()
        before, started = cpu_seconds(pids), time.monotonic()
        page.click_on('cmdmovimento')
        time.sleep(FILMS[1][2])
        used, wall = cpu_seconds(pids) - before, time.monotonic() - started
        row(f'{label}: film, single pendulum: share of one core Chromium uses while it plays',
            f'{100 * used / wall:.1f} % ({used:.2f} s of CPU in {wall:.2f} s, {len(pids)} processes)',
            f'<= {target} %' if target else '', used / wall <= target / 100 if target else None)
    finally:
        page.close()


def screen_reader(address):
    """What a screen reader finds: Chromium's accessibility tree as the page
    lays it out from the start, with nothing pressed first, for each of the
    fifteen controls against the name it has on the desktop."""
    page = browser.Page(address + 'index.html')
    try:
        wait_until(lambda: page.picture_count() > TURNING_FRAMES, 30, 0.5)
        page.reader_controls()
        named, unnamed = [], []
        for control in browser.design.DESIGN['controls']:
            wanted = browser.design.reader_name(control)
            read = page.reader_reads(control['name'])
            if read and read[1] and read[1] == wanted:
                named.append(control['name'])
            elif read:
                value = read[2] if len(read[2]) <= 14 else read[2][:14] + '…'
                unnamed.append(f'{control["name"]} ({read[0]}{", value " + repr(value) if value else ""})')
        found = len(named) + len(unnamed)
        total = len(browser.design.DESIGN['controls'])
        row('web: controls a screen reader finds, and reads by their names',
            f'{found} of {total}, {len(named)} by name; without a name: {"; ".join(unnamed) or "none"}',
            f'{total} of {total} by name', len(named) == total)
    finally:
        page.close()


def main(site):
    files = ['index.html', 'qtloader.js', 'brovaci.js', 'brovaci.wasm']
    raw = sum(os.path.getsize(os.path.join(site, f)) for f in files)
    packed = sum(len(gzip.compress(open(os.path.join(site, f), 'rb').read(), 9)) for f in files)
    row('web: download, raw / gzip -9', f'{raw / 1e6:.1f} MB / {packed / 1e6:.1f} MB', '<= 8 MB compressed',
        packed <= 8e6)
    onefile = next(os.path.join(site, f) for f in os.listdir(site) if f.startswith('Brovaci-') and f.endswith('.html'))
    raw, packed = os.path.getsize(onefile), len(gzip.compress(open(onefile, 'rb').read(), 9))
    row('web: the one-file page, raw / gzip -9', f'{raw / 1e6:.1f} MB / {packed / 1e6:.1f} MB', '<= 8 MB compressed',
        packed <= 8e6)
    server, address = serve.start(site)
    opening(address, 1, 'web', 1.5)
    films(address, 1, 'web', 3)
    screen_reader(address)
    core_share(address, 1, 'web', 10)
    # A low-end Chromebook: Chromium's CPU four times slower.
    slow = 'web, CPU 4x slower'
    opening(address, 4, slow, 4)
    films(address, 4, slow, 5)
    core_share(address, 4, slow)
    server.shutdown()


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
