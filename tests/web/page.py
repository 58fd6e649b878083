# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web page in a real Chromium, used as a person would use it: the
opening curve plays and ends on its last frame; the still curve for 200 and
for 100, each pixel for pixel as the Linux build draws it; "abc" gives the red
notice; the single-pendulum film lasts its nominal time, and a click on
"Curva Statica" made during it runs after it; CHIUDI ends the program and the
page says so. A screen reader finds every control by its Italian name from
the first moment, reads the help panel, follows the window's focus, sets the
period and hears the notice. Then the
page's own failures: a browser without WebAssembly, and a download that
fails; and its loading: the progress of a slow download, and a server that
does not send .wasm as WebAssembly. Each waits on what the page shows, never
on a fixed time. One test method per behaviour; within a class they run in
the order of their numbers, on one page.
    python3 page.py SITE SHOTPROBE
BROVACI_WEB_ONLY names the classes or tests to run (unittest's names), when
not all."""
import os
import re
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import serve  # noqa: E402
from browser import design, probe, wait_until  # noqa: E402

SINGLE_PENDULUM_SECONDS = 18 * 10000 * 31.75e-6  # 18 pauses of 10000 passes: 5.715 s
TURNING_FRAMES = 119

if len(sys.argv) != 3:
    sys.exit(__doc__)
SITE, SHOTPROBE = sys.argv[1:3]
WORK = tempfile.mkdtemp(prefix='brovaci-web-')
CURVE_X, CURVE_Y = design.AREAS['curve'][:2]
servers = {}


def setUpModule():
    servers['page'] = serve.start(SITE)


def tearDownModule():
    for server, _ in servers.values():
        server.shutdown()


def address():
    return servers['page'][1]


def matches(page, scene, text, name):
    """Whether the curve box shows, pixel for pixel, what the Linux build
    draws for SCENE (still or turning) and the period TEXT."""
    shot = page.screenshot(os.path.join(WORK, f'{name}.png'))
    return probe(SHOTPROBE, 'match', shot, CURVE_X, CURVE_Y, scene, text) == '0'


class OnePage(unittest.TestCase):
    """A page opened once, used from the opening curve to CHIUDI."""

    @classmethod
    def setUpClass(cls):
        cls.page = browser.Page(address() + 'index.html')

    @classmethod
    def tearDownClass(cls):
        cls.page.close()

    def test_01_the_opening_curve_plays_and_ends_on_its_last_frame(self):
        def ended():
            return self.page.picture_count() > TURNING_FRAMES and matches(self.page, 'turning', '200', 'opening')
        self.assertTrue(wait_until(ended, 60, 0.5))

    def test_02_every_frame_of_the_opening_curve_is_shown(self):
        self.assertGreaterEqual(self.page.distinct('curve', 'p.curve.blue > 0'), TURNING_FRAMES)

    def test_03_the_page_is_the_window_pendolo(self):
        self.assertEqual(self.page.message(), '')
        self.assertEqual(self.page.driver.title, 'pendolo')

    def test_04_the_still_curve_for_200_as_on_linux(self):
        self.page.click_on('Cmdpendolo')
        self.assertTrue(wait_until(lambda: matches(self.page, 'still', '200', 'still-200'), 20))
        type(self).still_200 = self.page.pictures(self.page.picture_count() - 1)[0]['curve']['hash']

    def test_05_the_still_curve_for_100_as_on_linux(self):
        self.page.type_period('100')
        self.page.click_on('Cmdpendolo')
        self.assertTrue(wait_until(lambda: matches(self.page, 'still', '100', 'still-100'), 20))

    def test_06_abc_gives_the_red_notice_and_no_figure(self):
        self.page.type_period('abc')
        self.page.click_on('Cmdpendolo')
        notice = wait_until(lambda: self.page.first_picture(self.page.picture_count() - 1, 'p.curve.red > 100'), 20)
        self.assertTrue(notice, 'no red notice')
        self.assertEqual(notice['curve']['blue'], 0)

    def test_07_a_click_made_during_the_single_pendulum_runs_after_it(self):
        # The still curve comes once the film has ended, its nominal time
        # after the film's first frame.
        page = self.page
        page.type_period('200')
        seen = page.picture_count()
        page.click_on('cmdmovimento')
        started = wait_until(lambda: page.first_picture(seen, 'p.pendulum.red > 0'), 20)
        self.assertTrue(started, 'the single-pendulum film did not start')
        page.click_on('Cmdpendolo')
        still_200 = getattr(self, 'still_200', None)
        self.assertIsNotNone(still_200, 'the still curve for 200 was never seen')
        ended = wait_until(lambda: page.first_picture(seen, f'p.curve.hash === {still_200}'),
                           SINGLE_PENDULUM_SECONDS * 3, 0.5)
        self.assertTrue(ended, 'the click on "Curva Statica" did not run after the film')
        film = [p for p in page.pictures(seen) if p['at'] < ended['at']]
        self.assertTrue(all(p['curve']['blue'] == 0 for p in film), 'the still curve showed during the film')
        seconds = (ended['at'] - started['at']) / 1000
        self.assertLessEqual(abs(seconds - SINGLE_PENDULUM_SECONDS), 0.03 * SINGLE_PENDULUM_SECONDS,
                             f'the film lasted {seconds:.3f} s, nominal {SINGLE_PENDULUM_SECONDS:.3f} s')

    def test_08_chiudi_ends_the_program_and_the_page_offers_a_new_start(self):
        self.page.click_on('cmdfine')
        self.assertTrue(wait_until(lambda: self.page.message() == 'Brovaci è terminato.', 20), self.page.message())
        self.assertTrue(self.page.script('return !document.getElementById("again").hidden'))

    def test_09_nothing_went_wrong_in_the_console(self):
        errors = [m for m in self.page.console() if 'SEVERE' in m or 'Uncaught' in m or 'rror' in m]
        self.assertEqual(errors, [])


# What a screen reader finds of each control: its role and name, as on the
# desktop. The line under the white box is read as text.
READER_ROLES = {'button': 'button', 'picture': 'image', 'text': 'textbox', 'scrollbar': 'slider'}
NOTICE = 'Hai immesso dati non compatibili nella finestrella bianca, cancella e cambiali.'


class ScreenReader(unittest.TestCase):
    """The page as a screen reader reads and drives it from the first moment,
    with nothing pressed first: Chromium's accessibility tree."""

    @classmethod
    def setUpClass(cls):
        cls.page = browser.Page(address() + 'index.html')
        wait_until(lambda: matches(cls.page, 'turning', '200', 'reader-opening'), 60, 0.5)
        cls.nodes = cls.page.reader_controls()

    @classmethod
    def tearDownClass(cls):
        cls.page.close()

    def value(self, role, name):
        node = self.page.reader_node(role, name)
        return node and node.get('value', {}).get('value')

    def test_1_every_control_by_role_and_italian_name_and_nothing_english(self):
        found = {(browser.read(n, 'role'), browser.read(n, 'name')) for n in self.nodes}
        for control in design.DESIGN['controls']:
            with self.subTest(control['name']):
                role = READER_ROLES.get(control['kind'], 'StaticText')
                self.assertIn((role, design.reader_name(control)), found)
        self.assertEqual(self.value('textbox', 'Numero del periodo'), '200')
        english = [name for _, name in found if re.search(r'\b(Enable|Screen|Reader|Button|Window)\b', name)]
        self.assertEqual(english, [])
        # No box without a name, such as Qt's own hidden text input.
        self.assertEqual([n for n in self.nodes if browser.read(n, 'role') == 'textbox' and not browser.read(n, 'name')],
                         [])

    def test_2_the_help_panel_reads_the_instructions_then_the_description(self):
        for button, words in (('Istruzioni', 'Cliccando su -(Movimento Pendolo Singolo)-'),
                              ('Cosa fa il programma', 'Simula il disegno')):
            with self.subTest(button):
                self.assertTrue(self.page.reader_press('button', button))
                self.assertTrue(wait_until(lambda: words in ' '.join(
                    (self.value('textbox', 'Istruzioni e descrizione') or '').split()), 20))

    def test_3_the_focus_is_the_window_s_both_ways(self):
        # The window's focus moves with Tab, and the screen reader's with it.
        self.page.reader_focus('button', 'Cosa fa il programma')
        self.assertTrue(wait_until(lambda: self.page.reader_focused() == ('button', 'Cosa fa il programma'), 10))
        self.page.key('Tab', 'Tab', 9)
        self.assertTrue(wait_until(lambda: self.page.reader_focused() == ('button', 'Istruzioni'), 10),
                        self.page.reader_focused())
        # Space is the window's: it presses the button the screen reader is on.
        self.page.reader_press('button', 'Cosa fa il programma')
        self.assertTrue(wait_until(lambda: 'Simula' in (self.value('textbox', 'Istruzioni e descrizione') or ''), 20))
        self.page.reader_focus('button', 'Istruzioni')
        self.page.key(' ', 'Space', 32, text=' ')
        self.assertTrue(wait_until(lambda: 'Cliccando' in (self.value('textbox', 'Istruzioni e descrizione') or ''), 20))

    def test_4_the_speed_limiter_has_its_range_and_the_arrows_move_it(self):
        node = self.page.reader_node('slider', 'Limitatore di velocità')
        properties = {p['name']: p['value'].get('value') for p in node.get('properties', [])}
        self.assertEqual((properties.get('valuemin'), properties.get('valuemax'), node['value']['value']),
                         (10, 3000, 10))
        self.page.reader_focus('slider', 'Limitatore di velocità')
        self.page.key('ArrowDown', 'ArrowDown', 40)
        self.assertTrue(wait_until(lambda: self.value('slider', 'Limitatore di velocità') not in (None, 10), 10))

    def test_5_a_period_set_in_the_text_box_draws_its_curve(self):
        self.assertTrue(self.page.reader_set_value('textbox', 'Numero del periodo', '100'))
        self.assertTrue(self.page.reader_press('button', 'Curva Statica'))
        self.assertTrue(wait_until(lambda: matches(self.page, 'still', '100', 'reader-100'), 20))

    def test_6_the_notice_is_announced_and_cleared(self):
        def announced():
            region = self.page.reader_node('status', '')
            return region and ' '.join(browser.read(n, 'name') for n in self.page.reader_nodes()
                                       if n['nodeId'] in region.get('childIds', []))
        self.page.reader_set_value('textbox', 'Numero del periodo', 'abc')
        self.page.reader_press('button', 'Curva Statica')
        self.assertTrue(wait_until(lambda: announced() == NOTICE, 20), announced())
        self.page.reader_set_value('textbox', 'Numero del periodo', '200')
        self.page.reader_press('button', 'Curva Statica')
        self.assertTrue(wait_until(lambda: not announced(), 20), announced())

    def test_7_the_page_stays_up(self):
        errors = [m for m in self.page.console() if 'Uncaught' in m or 'rror' in m]
        self.assertEqual(errors, [])


class PageFailures(unittest.TestCase):
    """A browser without WebAssembly, a download that fails, a program that
    fails as it starts, a page opened from the disk and a page copied without
    its files: the page says which."""

    def says(self, said, at=None, **options):
        page = browser.Page(at or address() + 'index.html', watch=False, **options)
        try:
            self.assertTrue(wait_until(lambda: page.message().startswith(said), 20), page.message())
        finally:
            page.close()

    def test_a_browser_without_webassembly(self):
        self.says('Questo browser non può far partire Brovaci', without_webassembly=True)

    def test_a_download_that_fails(self):
        self.says('Non è stato possibile scaricare Brovaci', blocked=['*brovaci.wasm'])

    def test_a_program_that_fails_as_it_starts_is_not_a_failed_download(self):
        self.says('Brovaci si è interrotto per un errore',
                  before=['HTMLCanvasElement.prototype.getContext = () => { throw new Error("no canvas"); };'])

    def test_a_page_opened_from_the_disk_says_so(self):
        self.says('Brovaci non parte da una pagina aperta dal disco',
                  at='file://' + os.path.abspath(os.path.join(SITE, 'index.html')))

    def test_a_page_copied_alone_says_that_its_files_are_missing(self):
        alone = tempfile.mkdtemp(prefix='brovaci-alone-', dir=WORK)
        shutil.copy(os.path.join(SITE, 'index.html'), alone)
        servers['alone'] = serve.start(alone)
        self.says('Mancano dei file di Brovaci accanto a questa pagina', at=servers['alone'][1] + 'index.html')


class Touch(unittest.TestCase):
    """A finger, on a touch screen: a tap is a click, a long press on
    "Perdita di spinta dei due brovaci" is its right button."""

    @classmethod
    def setUpClass(cls):
        cls.page = browser.Page(address() + 'index.html', touch=True)
        wait_until(lambda: matches(cls.page, 'turning', '200', 'touch-opening'), 60, 0.5)

    @classmethod
    def tearDownClass(cls):
        cls.page.close()

    def last_curve(self):
        return self.page.pictures(self.page.picture_count() - 1)[0]['curve']['hash']

    def test_1_a_tap_on_curva_statica_draws_the_still_curve(self):
        self.page.touch_on('Cmdpendolo')
        self.assertTrue(wait_until(lambda: matches(self.page, 'still', '200', 'touch-still'), 20))
        # A tap on a button leaves no text box with the page's focus (a
        # phone would show its keyboard for one).
        self.assertFalse(self.focus_on_text())

    def test_2_a_long_press_is_the_right_button_and_a_tap_the_film(self):
        page = self.page

        def curve_after(since, other_than):
            found = wait_until(lambda: page.first_picture(0, f'p.at > {since} && p.curve.hash !== {other_than}'), 20)
            return found and found['curve']['hash']

        def pictures_after(since):
            return page.distinct('curve', f'p.at > {since}') + page.distinct('pendulum', f'p.at > {since}')
        still = self.last_curve()
        since = page.now()
        page.click_on('Cmdperde', 'right')
        right = curve_after(since, still)
        self.assertTrue(right, 'the right button drew nothing')
        since = page.now()
        page.touch_on('Cmdpendolo')
        self.assertEqual(curve_after(since, right), still)
        since = page.now()
        page.touch_on('Cmdperde', held=0.8)
        self.assertEqual(curve_after(since, still), right, 'a long press did not give the right button\'s picture')
        self.assertLessEqual(pictures_after(since), 3, 'a long press played the film')
        since = page.now()
        page.touch_on('Cmdperde')
        self.assertTrue(wait_until(lambda: pictures_after(since) > 20, 20), 'a tap did not play the film')

    def focus_on_text(self):
        """Whether the page's focus is on a text box, for which a phone shows its keyboard."""
        return self.page.script(
            'let e = document.activeElement; while (e && e.shadowRoot && e.shadowRoot.activeElement) '
            'e = e.shadowRoot.activeElement; return !!e && /^(INPUT|TEXTAREA)$/.test(e.tagName);')

    def test_3_a_tap_on_the_white_box_takes_a_number_from_the_phone_s_keyboard(self):
        self.page.touch_on('txtarmonica')
        self.assertTrue(wait_until(self.focus_on_text, 10))
        # The caret after 200: its key to delete, then the number as a
        # phone's keyboard sends it, as text rather than keys.
        for _ in '200':
            self.page.key('Backspace', 'Backspace', 8)
        self.page.cdp('Input.insertText', {'text': '100'})
        self.page.touch_on('Cmdpendolo')
        self.assertTrue(wait_until(lambda: matches(self.page, 'still', '100', 'touch-100'), 20))


# Pages of phones, tablets and laptops: width, height, device pixels to each CSS pixel.
VIEWPORTS = {'phone, upright': (390, 844, 3), 'phone, sideways': (844, 390, 3), 'tablet, upright': (768, 1024, 2),
             'laptop': (1366, 657, 1), "the design's screen": (1024, 768, 1)}


class Viewports(unittest.TestCase):
    """On every page the whole window is shown: at its own size where its
    controls fit, uniformly scaled down where they do not, as large as the
    page allows. Turning the device fits it again, and the film goes on."""

    @staticmethod
    def opened(viewport):
        page = browser.Page(address() + 'index.html', viewport=viewport, touch=viewport[2] > 1)
        if not wait_until(lambda: page.picture_count() > TURNING_FRAMES, 60, 0.5):
            page.close()
            raise AssertionError('the opening curve did not play')
        return page

    @classmethod
    def setUpClass(cls):
        # The window as the design's screen shows it, at scale 1.
        page = cls.opened(VIEWPORTS["the design's screen"])
        try:
            left, top, right, bottom = page.shown_box()
            cls.whole = (right - left, bottom - top)
        finally:
            page.close()

    def assertShownWhole(self, page, width, height, film=False):
        """The window, all of it and no more, inside the page: as wide and as
        tall as at scale 1, times the scale (so it is cut nowhere, and its
        shapes keep their proportions); at least 85 %% of the largest scale
        at which the 760 x 580 box around the reference point fits. During
        the single pendulum's film its sheet hangs lower: only the width
        is the window's then."""
        scale, largest = page.scale(), min(1, width / 760, height / 580)
        self.assertGreaterEqual(scale, 0.85 * largest)
        self.assertLessEqual(scale, 1)
        left, top, right, bottom = page.shown_box()
        self.assertAlmostEqual(right - left, self.whole[0] * scale, delta=2)
        if not film:
            self.assertAlmostEqual(bottom - top, self.whole[1] * scale, delta=2)
        self.assertTrue(0 < left and right < width and 0 <= top and bottom <= height, (left, top, right, bottom))
        return scale

    def test_1_every_control_is_inside_the_page(self):
        for name, viewport in VIEWPORTS.items():
            with self.subTest(name):
                page = self.opened(viewport)
                try:
                    scale = self.assertShownWhole(page, *viewport[:2])
                    page.screenshot(os.path.join(WORK, f'{name}.png'))
                    if viewport[:2] != (1024, 768):
                        print(f'{name}: {viewport[0]} x {viewport[1]}, scale {scale:.3f}', file=sys.stderr)
                finally:
                    page.close()

    def test_2_turned_during_a_film_it_fits_again_and_the_film_goes_on(self):
        page = self.opened(VIEWPORTS['phone, upright'])
        try:
            upright = page.scale()
            seen = page.picture_count()
            page.touch_on('cmdmovimento')  # a tap where the button is shown, scaled
            self.assertTrue(wait_until(lambda: page.first_picture(seen, 'p.pendulum.red > 0'), 20),
                            'the tap did not start the film')
            page.resize(*VIEWPORTS['phone, sideways'])
            self.assertTrue(wait_until(lambda: page.scale() != upright, 10), 'the window was not fitted again')
            turned = page.picture_count()
            self.assertTrue(wait_until(lambda: page.first_picture(turned, 'p.pendulum.red > 0'), 20),
                            'the film stopped')
            self.assertShownWhole(page, *VIEWPORTS['phone, sideways'][:2], film=True)
        finally:
            page.close()


class Offline(unittest.TestCase):
    """After one visit the page opens with the server gone; Chromium finds
    nothing that stops it from installing the page."""

    def test_after_one_visit_it_opens_without_the_server(self):
        server, at = serve.start(SITE)
        page = browser.Page(at + 'index.html')
        try:
            self.assertTrue(wait_until(lambda: page.picture_count() > TURNING_FRAMES, 60, 0.5))
            self.assertEqual(page.cdp('Page.getInstallabilityErrors', {})['installabilityErrors'], [])
            kept = wait_until(lambda: page.script(
                'caches.keys().then(keys => { window.brovaciKept = keys; }); '
                'return navigator.serviceWorker.controller && window.brovaciKept || [];'), 60, 0.5)
            self.assertEqual(len(kept), 1, 'the page\'s files are not kept')
            server.shutdown()
            server.server_close()
            page.driver.refresh()
            self.assertTrue(wait_until(lambda: page.picture_count() > TURNING_FRAMES, 60, 0.5), page.message())
            self.assertTrue(matches(page, 'turning', '200', 'offline'))
        finally:
            page.close()


class OneFile(unittest.TestCase):
    """The one-file page, copied alone into an empty folder, opened from the disk."""

    def test_it_starts_from_the_disk_alone(self):
        alone = tempfile.mkdtemp(prefix='brovaci-onefile-', dir=WORK)
        name = next(f for f in os.listdir(SITE) if re.fullmatch(r'Brovaci-.+\.html', f))
        shutil.copy(os.path.join(SITE, name), alone)
        page = browser.Page('file://' + os.path.join(alone, name))
        try:
            self.assertTrue(wait_until(lambda: page.picture_count() > TURNING_FRAMES, 60, 0.5), page.message())
            self.assertTrue(wait_until(lambda: matches(page, 'turning', '200', 'onefile'), 20))
        finally:
            page.close()


class Loading(unittest.TestCase):
    """Over a slow network the loading page shows how much has arrived, and
    the program starts once it is all there; so it does from a server that
    sends the program as plain bytes rather than as WebAssembly."""

    def starts(self, page):
        self.assertTrue(wait_until(lambda: page.distinct('curve', 'p.curve.blue > 0') > 0, 60, 0.5),
                        'the program did not start')

    def test_over_a_slow_network_it_shows_the_progress_then_starts(self):
        page = browser.Page(address() + 'index.html', throughput=3_000_000)
        try:
            def part_arrived():
                bar, words = page.progress()
                counted = re.fullmatch(r'(\d+,\d) MB di (\d+,\d) MB', words)
                return words if 0 < bar < 1 and counted and counted[1] != counted[2] else None
            self.assertTrue(wait_until(part_arrived, 20, 0.05), 'no progress shown')
            self.starts(page)
        finally:
            page.close()

    def test_from_a_server_that_does_not_know_wasm(self):
        servers['octets'] = serve.start(SITE, wasm_type='application/octet-stream')
        page = browser.Page(servers['octets'][1] + 'index.html')
        try:
            self.starts(page)
        finally:
            page.close()


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + os.environ.get("BROVACI_WEB_ONLY", "").split(), verbosity=2)
