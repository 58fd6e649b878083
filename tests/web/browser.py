# SPDX-FileCopyrightText: 2026 The Brovaci authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brovaci's page in a real Chromium, driven as a person would use it: the
page served from 127.0.0.1, real mouse and key events through the browser's
input pipeline, screenshots of what it shows. Debian's chromium,
chromium-driver and python3-selenium, headless, on a 1024 x 768 page, the
size of the desktop tests' screen, so that the design's places hold.

Where asked, the page's canvas is watched: every picture Qt puts on it is
logged with its time and a digest of the curve box, the pendulum box and the
help panel, so that a test can tell which frames were shown, and when."""
import os
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
import design  # noqa: E402

WIDTH, HEIGHT = design.DESIGN['screen']['width'], design.DESIGN['screen']['height']

# Qt puts the whole window on its canvas at each of the browser's frames
# that shows something new; each such picture is logged. The areas are the
# design's, on its 1024 x 768 screen; the program may show the window scaled
# (the page's data-scale), with the reference point of start-up at the
# middle of the page, on a canvas of device pixels.
WATCH_CANVAS = r'''
(() => {
  const areas = %s, designWidth = %d, designHeight = %d, stride = %d;
  const log = window.brovaciPictures = [];
  const onPage = ([x, y, w, h]) => {
    const s = +(document.documentElement.dataset.scale || 1), d = devicePixelRatio;
    const left = Math.floor(innerWidth / 2) - Math.floor(designWidth / 2) * s;
    const top = Math.floor(innerHeight / 2) - Math.floor(designHeight / 2) * s;
    return [Math.round((left + x * s) * d), Math.round((top + y * s) * d), Math.round(w * s * d), Math.round(h * s * d)];
  };
  const digest = (image, area) => {
    const [x, y, w, h] = onPage(area);
    let hash = 0, blue = 0, red = 0;
    const data = image.data, width = image.width;
    for (let j = y; j < y + h; j += stride)
      for (let i = x; i < x + w; i += stride) {
        const k = (j * width + i) * 4, r = data[k], g = data[k + 1], b = data[k + 2];
        hash = (Math.imul(hash, 31) + (r << 16 | g << 8 | b)) | 0;
        if (r === 0 && g === 0 && b === 255) blue++;
        if (r === 255 && g === 0 && b === 0) red++;
      }
    return { hash, blue, red };
  };
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function (image, ...rest) {
    const at = performance.now();
    put.call(this, image, ...rest);
    if (image.width >= Math.floor(innerWidth * devicePixelRatio) && image.height >= Math.floor(innerHeight * devicePixelRatio)) {
      const picture = { at };
      for (const [name, area] of Object.entries(areas))
        picture[name] = digest(image, area);
      log.push(picture);
    }
  };
  // When each press reached the page, on the page's clock.
  window.brovaciPresses = [];
  addEventListener('pointerdown', () => window.brovaciPresses.push(performance.now()), true);
})();
'''


class Page:
    """One Chromium showing the page at ADDRESS."""

    def __init__(self, address, watch=True, without_webassembly=False, blocked=(), throughput=None, before=(),
                 throttle=1, touch=False, viewport=None):
        options = Options()
        self.profile = tempfile.TemporaryDirectory()
        # As root, without the network: the flags of a machine with no way out.
        for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update', '--disable-sync',
                     '--disable-renderer-backgrounding', '--disable-background-timer-throttling',
                     f'--user-data-dir={self.profile.name}'):
            options.add_argument(flag)
        options.binary_location = '/usr/bin/chromium'
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))
        self.resize(*(viewport or (WIDTH, HEIGHT)))
        if touch:  # a touch screen, as a tablet's
            self.cdp('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
        if throttle != 1:  # a slower computer: the CPU this many times slower
            self.cdp('Emulation.setCPUThrottlingRate', {'rate': throttle})
        if blocked or throughput:
            self.cdp('Network.enable', {})
        if blocked:
            self.cdp('Network.setBlockedURLs', {'urls': list(blocked)})
        if throughput:  # bytes a second, as over a slow network
            self.cdp('Network.emulateNetworkConditions',
                     {'offline': False, 'latency': 20, 'downloadThroughput': throughput, 'uploadThroughput': throughput})
        if without_webassembly:  # as an old browser, or one where it is switched off
            self.cdp('Page.addScriptToEvaluateOnNewDocument', {'source': 'delete globalThis.WebAssembly;'})
        for source in before:  # scripts that run before the page's own
            self.cdp('Page.addScriptToEvaluateOnNewDocument', {'source': source})
        if watch:
            # A list of areas: those alone, every fourth pixel each way, so
            # that watching costs the page little (a slow computer's films).
            sampled = watch is not True
            areas = {name: list(area) for name, area in design.AREAS.items() if not sampled or name in watch}
            self.cdp('Page.addScriptToEvaluateOnNewDocument',
                     {'source': WATCH_CANVAS % (areas, WIDTH, HEIGHT, 4 if sampled else 1)})
        self.opened = time.monotonic()
        self.driver.get(address)

    def resize(self, width, height, density=1):
        """The page's size in CSS pixels, and device pixels to each; a phone's
        or a tablet's where the density is above 1."""
        self.cdp('Emulation.setDeviceMetricsOverride',
                 {'width': width, 'height': height, 'deviceScaleFactor': density, 'mobile': density > 1})

    def scale(self):
        """The scale at which the program shows its window on the page (1
        before it says)."""
        return float(self.script('return document.documentElement.dataset.scale || "1"'))

    def shown_box(self):
        """The box, in CSS pixels, around all that is not black in a screenshot of the page."""
        shot = self.cdp('Page.captureScreenshot', {'format': 'png'})['data']
        return self.driver.execute_async_script('''
            const done = arguments[1], image = new Image();
            image.onload = () => {
              const canvas = document.createElement("canvas");
              canvas.width = image.width; canvas.height = image.height;
              const c = canvas.getContext("2d");
              c.drawImage(image, 0, 0);
              const data = c.getImageData(0, 0, image.width, image.height).data;
              let left = image.width, top = image.height, right = -1, bottom = -1;
              for (let y = 0; y < image.height; y++)
                for (let x = 0; x < image.width; x++) {
                  const k = (y * image.width + x) * 4;
                  if (data[k] + data[k + 1] + data[k + 2] > 48) {
                    left = Math.min(left, x); right = Math.max(right, x);
                    top = Math.min(top, y); bottom = Math.max(bottom, y);
                  }
                }
              const d = devicePixelRatio;
              done([left / d, top / d, (right + 1) / d, (bottom + 1) / d]);
            };
            image.src = "data:image/png;base64," + arguments[0];''', shot)

    def cdp(self, command, arguments):
        return self.driver.execute_cdp_cmd(command, arguments)

    def close(self):
        self.driver.quit()
        self.profile.cleanup()

    def script(self, text):
        return self.driver.execute_script(text)

    # What the page shows. The log grows long: what is asked for is looked up
    # in the page, so that asking does not slow the film being watched.
    def pictures(self, since=0):
        return self.script(f'return (window.brovaciPictures || []).slice({int(since)})')

    def picture_count(self):
        return self.script('return (window.brovaciPictures || []).length')

    def first_picture(self, since, condition):
        """The first picture from index since on for which the JavaScript
        expression condition (of p, the picture) holds, or None."""
        return self.script(f'return (window.brovaciPictures || []).slice({int(since)}).find(p => {condition}) || null')

    def distinct(self, area, condition='true'):
        """How many different pictures of an area the page showed, of those for which condition holds."""
        return self.script(f'return new Set((window.brovaciPictures || []).filter(p => {condition})'
                           f'.map(p => p.{area}.hash)).size')

    def presses(self):
        return self.script('return window.brovaciPresses || []')

    def now(self):
        return self.script('return performance.now()')

    def progress(self):
        """What the loading page shows of the download: its bar, and the words below it."""
        return self.script('return [document.getElementById("progress").value, '
                           'document.getElementById("detail").textContent]')

    def message(self):
        return self.script('const m = document.getElementById("message"); '
                           'return document.getElementById("notice").hidden ? "" : m.textContent')

    def screenshot(self, path):
        self.driver.save_screenshot(path)
        return path

    def console(self):
        return [entry['message'] for entry in self.driver.get_log('browser')]

    def chromium_pids(self):
        """Chromium's processes: the browser and every helper it started."""
        parents = {}
        for entry in os.listdir('/proc'):
            if entry.isdigit():
                try:
                    with open(f'/proc/{entry}/stat') as f:
                        parents[entry] = f.read().rsplit(')', 1)[1].split()[1]
                except (OSError, IndexError):
                    pass
        pids, children = set(), [str(self.driver.service.process.pid)]
        while children:
            parent = children.pop()
            found = [pid for pid, ppid in parents.items() if ppid == parent]
            pids.update(found)
            children.extend(found)
        return sorted(pids)

    # What a person does.
    def click(self, x, y, button='left'):
        for kind in ('mouseMoved', 'mousePressed', 'mouseReleased'):
            self.cdp('Input.dispatchMouseEvent',
                     {'type': kind, 'x': x, 'y': y, 'button': button if kind != 'mouseMoved' else 'none',
                      'clickCount': 1 if kind != 'mouseMoved' else 0})

    def on_page(self, x, y):
        """Where a point of the design's 1024 x 768 screen is on the page, as
        the program shows its window there: scaled, and with the reference
        point of start-up at the middle of the page."""
        s = self.scale()
        width, height = self.script('return [innerWidth, innerHeight]')
        return width // 2 + (x - WIDTH // 2) * s, height // 2 + (y - HEIGHT // 2) * s

    def click_on(self, control, button='left'):
        self.click(*self.on_page(*design.middle(control)), button)

    def touch_on(self, control, held=0.0):
        """A finger on a control's middle, lifted after held seconds on the
        page's clock (a long press is the time it is held)."""
        x, y = self.on_page(*design.middle(control))
        self.cdp('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [{'x': x, 'y': y}]})
        until = self.now() + held * 1000
        wait_until(lambda: self.now() >= until, held + 5, 0.05)
        self.cdp('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})

    def key(self, key, code, keycode, text='', modifiers=0):
        for kind in ('keyDown', 'keyUp'):
            event = {'type': kind, 'key': key, 'code': code, 'windowsVirtualKeyCode': keycode,
                     'nativeVirtualKeyCode': keycode, 'modifiers': modifiers}
            if text and kind == 'keyDown':
                event['text'] = text
            self.cdp('Input.dispatchKeyEvent', event)

    def type(self, text):
        for c in text:
            code = f'Digit{c}' if c.isdigit() else f'Key{c.upper()}' if c.isalpha() else ''
            self.key(c, code, ord(c.upper()), text=c)

    # What a screen reader reads: Chromium's accessibility tree, as the page
    # lays it out from the start.
    def reader_nodes(self):
        """The nodes of the accessibility tree that a screen reader reads."""
        return [node for node in self.cdp('Accessibility.getFullAXTree', {})['nodes'] if not node.get('ignored')]

    def reader_node(self, role, name):
        """The node a screen reader knows by role and name, or None."""
        return next((node for node in self.reader_nodes()
                     if read(node, 'role') == role and read(node, 'name') == name), None)

    def reader_controls(self, seconds=20):
        """The tree, once the window's controls are in it."""
        return wait_until(lambda: (lambda nodes: nodes if any(read(n, 'name') == 'CHIUDI' for n in nodes) else [])(
            self.reader_nodes()), seconds)

    def reader_call(self, role, name, function):
        """Calls a JavaScript function on the element behind a node, as a
        screen reader acts on it; false if there is no such node."""
        node = self.reader_node(role, name)
        if not node or 'backendDOMNodeId' not in node:
            return False
        target = self.cdp('DOM.resolveNode', {'backendNodeId': node['backendDOMNodeId']})['object']['objectId']
        self.cdp('Runtime.callFunctionOn', {'objectId': target, 'functionDeclaration': function})
        return True

    def reader_press(self, role, name):
        """Presses the node a screen reader knows by role and name, as it presses it."""
        return self.reader_call(role, name, 'function () { this.click(); }')

    def reader_focus(self, role, name):
        """Moves the page's focus to a node, as a screen reader moves it."""
        return self.reader_call(role, name, 'function () { this.focus(); }')

    def reader_set_value(self, role, name, text):
        """Sets a text box's value, as a screen reader sets it: the element
        takes it and tells of the input."""
        return self.reader_call(role, name, 'function () { this.focus(); this.value = %s; '
                                'this.dispatchEvent(new InputEvent("input", { bubbles: true })); }' % repr(text))

    def reader_focused(self):
        """The (role, name) of the node that has the focus (not the page's,
        which has it too), or None."""
        for node in self.reader_nodes():
            if read(node, 'role') != 'RootWebArea' and any(
                    p['name'] == 'focused' and p['value'].get('value') for p in node.get('properties', [])):
                return read(node, 'role'), read(node, 'name')
        return None

    def reader_reads(self, control):
        """What a screen reader reads for a control, once laid out: its role,
        its name (a plain box's is the text inside it) and its value; None if
        it finds no such control."""
        found = self.cdp('Runtime.evaluate', {'expression': (
            "document.querySelector('#qt-shadow-container').shadowRoot"
            f".getElementById('QApplication.Frmpendolo.{control}')")})['result']
        if 'objectId' not in found:
            return None
        nodes = self.cdp('Accessibility.getPartialAXTree', {'objectId': found['objectId']})['nodes']
        node = next(n for n in nodes if n.get('backendDOMNodeId') == nodes[0].get('backendDOMNodeId'))
        if node.get('ignored'):
            return None
        role, name = read(node, 'role'), read(node, 'name')
        if role == 'generic' and not name:  # a plain box is read by the text in it
            name = ' '.join(read(n, 'name') for n in nodes
                            if n['nodeId'] in node.get('childIds', []) and read(n, 'role') == 'StaticText')
        return role, name, read(node, 'value')

    def type_period(self, text):
        """Replaces the white box's number, as a person does: click, select all, type."""
        self.click_on('txtarmonica')
        self.key('a', 'KeyA', 65, modifiers=2)  # Ctrl+A
        self.key('Backspace', 'Backspace', 8)
        self.type(text)


def read(node, key):
    """A property of a node of the accessibility tree, its blanks as a screen reader reads them."""
    return ' '.join(str(node.get(key, {}).get('value', '')).split())


def wait_until(condition, seconds, interval=0.1):
    """Waits until condition() is true, at most seconds; returns its last value."""
    until = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() >= until:
            return value
        time.sleep(interval)


def probe(shotprobe, *args):
    """The Linux build's picture probe, on a screenshot."""
    return subprocess.run([shotprobe, *map(str, args)], check=True, capture_output=True, text=True).stdout.strip()
