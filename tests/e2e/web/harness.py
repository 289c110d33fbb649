"""What the browser tests share: the site's server on 127.0.0.1, a browser
in a temporary profile, and the game's page read from its canvases and
driven with the pointer, the finger and the keys.

The page is driven the same way in every engine: scripts in the page read
it, and W3C input actions (a mouse, a touch pointer, keys; in viewport
coordinates) play it. A browser here is anything with `open`, `js`,
`perform`, `screenshot`, `console`, `quit` and a `downloads` folder: headless
Chromium through chromedriver (`Browser`, below), WebKitGTK's MiniBrowser
through WebKitWebDriver (webkit.py) and Firefox over WebDriver BiDi
(firefox.py).

Everything a test writes lies in its own temporary folder: the browser's
profile, HOME and the XDG folders of the browser and its driver, downloads.
Waits poll for a state until a deadline; none sleeps for a fixed time.
"""

import base64
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

import png

SOURCE_DIR = Path(__file__).resolve().parents[3]
SITE = Path(os.environ.get("QUORBALS_WEB_SITE", SOURCE_DIR / "build-web" / "site"))
SERVE = SOURCE_DIR / "tools" / "web" / "serve.py"
CHROMIUM = os.environ.get("QUORBALS_CHROMIUM", "/usr/bin/chromium")
CHROMEDRIVER = os.environ.get("QUORBALS_CHROMEDRIVER", "/usr/bin/chromedriver")
PYTHON = "/usr/bin/python3"

SKIP = 77  # CTest's skip code: no browser site has been built

# The Desk picture: 262 design pixels square, cells 29 apart, tiles of 22
# from a margin of 4.
DESK_PIXELS = 262
DESKTOP_COLOUR = (0x3A, 0x6E, 0x8F)  # the page's background, which the windows stand on
CELL_PITCH = 29
DESK_MARGIN = 4
TILE = 22

SCORE_KEY = "quorbals:/storage/Quorbals/quorbals.scr"
SETTINGS_KEY = "quorbals:/storage/Quorbals/quorbals.set"


class Timeout(AssertionError):
    pass


def wait_for(what, predicate, timeout=10.0, interval=0.02):
    """Polls `predicate` until it gives something true and returns that;
    fails naming `what` once `timeout` seconds have passed."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except Exception as e:  # a page between states, a file half written
            last_error = e
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            raise Timeout(f"{what}: not within {timeout:g} s{detail}")
        time.sleep(interval)


class TempFolder:
    def __init__(self, prefix="quorbals-web-"):
        self.path = Path(tempfile.mkdtemp(prefix=prefix))

    def sub(self, name):
        p = self.path / name
        p.mkdir(parents=True, exist_ok=True)
        return p

    def remove(self):
        shutil.rmtree(self.path, ignore_errors=True)


class Server:
    """tools/web/serve.py on a free port of 127.0.0.1, serving a folder."""

    def __init__(self, folder, temp, log=None, port=0, max_age=None, compress=False):
        self.folder = Path(folder)
        self.compress = compress
        self.temp = Path(temp)
        self.log = log
        self.process = None
        self.port = port
        self.max_age = max_age

    def start(self):
        port_file = self.temp / f"port-{os.getpid()}-{time.monotonic_ns()}"
        args = [PYTHON, str(SERVE), "--port-file", str(port_file), "--port", str(self.port or 0)]
        if self.log:
            args += ["--log", str(self.log)]
        if self.max_age is not None:
            args += ["--max-age", str(self.max_age)]
        if self.compress:
            args.append("--gzip")
        self.process = subprocess.Popen(args + [str(self.folder)], stdin=subprocess.DEVNULL)

        def port():
            if self.process.poll() is not None:
                raise RuntimeError(f"serve.py ended with status {self.process.returncode}")
            return port_file.exists() and port_file.read_text().strip()

        self.port = int(wait_for("the server's port", port))
        return self

    def url(self, path=""):
        return f"http://127.0.0.1:{self.port}/{path}"

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None


def private_environment(temp):
    """The environment of the browser and its driver: a home and XDG folders
    of the test's own."""
    home = Path(temp) / "home"
    env = dict(os.environ)
    env.update({
        "HOME": str(home),
        "XDG_CONFIG_HOME": str(home / ".config"),
        "XDG_CACHE_HOME": str(home / ".cache"),
        "XDG_DATA_HOME": str(home / ".local" / "share"),
        "XDG_STATE_HOME": str(home / ".local" / "state"),
        "XDG_RUNTIME_DIR": str(Path(temp) / "runtime"),
        "TMPDIR": str(Path(temp) / "tmp"),
    })
    for key in ("HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME",
                "XDG_RUNTIME_DIR", "TMPDIR"):
        Path(env[key]).mkdir(parents=True, exist_ok=True)
    Path(env["XDG_RUNTIME_DIR"]).chmod(0o700)
    return env


def stop_process(process, timeout=10):
    """Ends a process this test started: asked first, then killed."""
    if process and process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def stop_group(process, timeout=10):
    """Ends a process this test started in a session of its own (see
    `start_new_session`), and whatever it started in turn: a browser's
    helper processes go with it."""
    if not process:
        return
    import signal
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            break
        try:
            wait_for("the browser's processes to end",
                     lambda: process.poll() is not None and not group_alive(process.pid),
                     timeout=timeout, interval=0.05)
            break
        except AssertionError:
            continue
    process.wait()


def group_alive(group):
    """Whether a process of the group still runs (a zombie no longer does)."""
    for stat in Path("/proc").glob("[0-9]*/stat"):
        try:
            # pid (comm) state ppid pgrp ...; comm may hold spaces.
            fields = stat.read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[2]) == group and fields[0] != "Z":
            return True
    return False


class SeleniumBrowser:
    """What a browser driven through a Selenium driver does alike in every
    engine: scripts, raw W3C actions, screenshots."""

    driver = None
    downloads = None

    def open(self, url):
        self.driver.get(url)

    def begin_open(self, url):
        """Sets off to `url` without waiting for the page to load."""
        self.driver.execute_script("setTimeout(() => location.assign(arguments[0]));", url)

    def reload(self):
        self.driver.refresh()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def perform(self, sources):
        """W3C input actions, as the protocol takes them."""
        self.driver.execute("actions", {"actions": sources})

    def title(self):
        return self.driver.title

    def screenshot(self, path):
        Path(path).write_bytes(self.driver.get_screenshot_as_png())

    def console(self):
        return []

    def quit(self):
        try:
            self.driver.quit()
        except Exception:
            pass


class Browser(SeleniumBrowser):
    """Headless Chromium driven through chromedriver, with a fresh profile
    and download folder in `temp`; or with `headless` False, a window on
    the display that DISPLAY names."""

    engine = "Chromium"

    def __init__(self, temp, extra_flags=(), window=(1000, 800), headless=True):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service

        temp = Path(temp)
        self.downloads = temp / "downloads"
        self.downloads.mkdir(parents=True, exist_ok=True)
        env = private_environment(temp)
        options = Options()
        options.binary_location = CHROMIUM
        for flag in ["--headless=new"] * headless + ["--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--no-default-browser-check",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-extensions", "--mute-audio",
                     "--password-store=basic", "--use-mock-keychain",
                     f"--user-data-dir={temp / 'profile'}",
                     f"--window-size={window[0]},{window[1]}", *extra_flags]:
            options.add_argument(flag)
        options.add_experimental_option("prefs", {
            "download.default_directory": str(self.downloads),
            "download.prompt_for_download": False,
            "safebrowsing.enabled": False,
        })
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        service = Service(CHROMEDRIVER, env=env, log_path=str(temp / "chromedriver.log"))
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_script_timeout(30)
        self.cdp("Browser.setDownloadBehavior",
                 {"behavior": "allow", "downloadPath": str(self.downloads)})

    def cdp(self, command, args=None):
        return self.driver.execute_cdp_cmd(command, args or {})

    def console(self):
        """What the page wrote to its console since the last call."""
        try:
            # Less the hint about reading canvases back, which the tests do.
            return [e["message"] for e in self.driver.get_log("browser")
                    if e.get("level") in ("SEVERE", "WARNING")
                    and "willReadFrequently" not in e["message"]
                    and "favicon.ico" not in e["message"]]
        except Exception:
            return []



# An element's rectangle in the viewport's pixels. A window is zoomed to its
# scale; WebKit gives the rectangle of what lies in a zoomed element in that
# element's own pixels, the other engines in the viewport's. The window's
# place around it is not zoomed: its width over the window's says which.
RECT_OF_JS = r"""
const rectOf = (e) => {
    const r = e.getBoundingClientRect();
    const w = e.closest('.window');
    const own = w && w.getBoundingClientRect();
    const s = own && own.width > 0 ? w.parentElement.getBoundingClientRect().width / own.width : 1;
    return {left: r.left * s, top: r.top * s, width: r.width * s, height: r.height * s};
};
"""

# A pixel's ball colour (0-5), -1 for the button face, -2 for anything else.
COLOUR_OF_JS = RECT_OF_JS + r"""
const same = (p, r, g, b) => p[0] === r && p[1] === g && p[2] === b;
const colourOf = (p) => {
    const [r, g, b] = p;
    if (same(p, 192, 192, 192)) return -1;
    const R = r >= 128, G = g >= 128, B = b >= 128;
    if (r === 0 && g === 0 && B) return 0;
    if (r === 0 && G && B && g === b) return 1;
    if (r === 0 && G && b === 0) return 2;
    if (R && g === 0 && B && r === b) return 3;
    if (R && g === 0 && b === 0) return 4;
    if (R && G && b === 0 && r === g) return 5;
    return -2;
};
"""

# Reads the Desk canvas once and describes every cell: its ball colour (0-5,
# -1 empty, -2 unknown), whether it shows the glow's white dot, and the route
# arrow on it ({in: side, out: side or "end"}, sides "L", "R", "U", "D");
# and the keyboard cursor's cell (-1 while hidden), whose frame's white ring
# takes the outermost pixels of the cell inside its black lines.
READ_DESK_JS = COLOUR_OF_JS + r"""
const canvases = [...document.querySelectorAll('#F_Main canvas')];
const desk = canvases[canvases.length - 1];
if (!desk) return null;
const k = desk.width / 262;
const data = desk.getContext('2d').getImageData(0, 0, desk.width, desk.height).data;
const px = (x, y) => {
    const i = ((y * k + (k >> 1)) * desk.width + (x * k + (k >> 1))) * 4;
    return [data[i], data[i + 1], data[i + 2]];
};
const cells = [], dots = [], arrows = [];
let cursor = -1;
for (let y = 0; y < 9; ++y) {
    for (let x = 0; x < 9; ++x) {
        const ox = 4 + 29 * x, oy = 4 + 29 * y;
        const at = (dx, dy) => px(ox + dx, oy + dy);
        const white = (dx, dy) => same(px(29 * x + dx, 29 * y + dy), 255, 255, 255);
        if (white(1, 1) && white(28, 1) && white(1, 28) && white(28, 28)) cursor = y * 9 + x;
        const colour = colourOf(at(5, 5));
        cells.push(colour);
        dots.push(colour >= 0 && same(at(10, 10), 255, 255, 255));
        let arrow = null;
        if (colour === -1) {
            const grey = (dx, dy) => same(at(dx, dy), 128, 128, 128);
            const edges = {L: grey(0, 10), R: grey(21, 10), U: grey(10, 0), D: grey(10, 21)};
            const heads = {L: grey(3, 7), R: grey(18, 7), U: grey(7, 3), D: grey(7, 18)};
            const sides = Object.keys(edges).filter((s) => edges[s]);
            if (sides.length > 0 || grey(10, 10)) {
                const out = sides.filter((s) => heads[s]);
                const into = sides.filter((s) => !heads[s]);
                arrow = {in: into.length === 1 ? into[0] : into.join(''),
                         out: out.length === 1 ? out[0] : (out.length === 0 && grey(7, 10) ? 'end' : out.join(''))};
            }
        }
        arrows.push(arrow);
    }
}
const r = rectOf(desk);
return {scale: k, cells, dots, arrows, cursor,
        left: r.left, top: r.top, width: r.width, height: r.height};
"""

# The colours of a rectangle [x, y, width, height] of the picture in the main
# window's canvas arguments[0] (the previews', then the Desk's), in its
# design pixels, as the canvas holds them; where the canvas is, in CSS
# pixels, its width in design pixels, and the device pixels per CSS pixel.
PICTURE_COLOURS_JS = RECT_OF_JS + r"""
const canvas = document.querySelectorAll('#F_Main canvas')[arguments[0]];
const k = canvas.width / canvas.offsetWidth;
const [x, y, w, h] = arguments[1];
const d = canvas.getContext('2d').getImageData(x * k, y * k, w * k, h * k).data;
const seen = new Set();
for (let i = 0; i < d.length; i += 4) seen.add([d[i], d[i + 1], d[i + 2]].join(','));
return {colours: [...seen], rect: rectOf(canvas), width: canvas.offsetWidth,
        ratio: window.devicePixelRatio};
"""

# The colours the three preview canvases show.
READ_PREVIEWS_JS = COLOUR_OF_JS + r"""
const canvases = [...document.querySelectorAll('#F_Main canvas')].slice(0, -1);
return canvases.map((c) => {
    const k = c.width / 22;
    return colourOf(c.getContext('2d').getImageData(5 * k, 5 * k, 1, 1).data);
});
"""

STEPS = {"L": (-1, 0), "R": (1, 0), "U": (0, -1), "D": (0, 1)}
OPPOSITE = {"L": "R", "R": "L", "U": "D", "D": "U"}


def board_text(cells):
    rows = []
    for y in range(9):
        rows.append("".join("." if c == -1 else str(c) if c >= 0 else "?"
                            for c in cells[y * 9:y * 9 + 9]))
    return "\n".join(rows)


def reachable_from(cells, start):
    """The free cells a ball on `start` can reach, nearest first."""
    seen = {start}
    order = []
    todo = [start]
    while todo:
        nxt = []
        for c in todo:
            cx, cy = c % 9, c // 9
            for dx, dy in STEPS.values():
                x, y = cx + dx, cy + dy
                if 0 <= x < 9 and 0 <= y < 9:
                    n = y * 9 + x
                    if n not in seen and cells[n] == -1:
                        seen.add(n)
                        order.append(n)
                        nxt.append(n)
        todo = nxt
    return order


def follow_route(arrows, start):
    """The cells of the route the arrows draw from the ball on `start`, from
    its first step to its end; None when the arrows draw no whole route."""
    sx, sy = start % 9, start // 9
    first = None
    for side, (dx, dy) in STEPS.items():
        x, y = sx + dx, sy + dy
        if 0 <= x < 9 and 0 <= y < 9:
            a = arrows[y * 9 + x]
            if a and a["in"] == OPPOSITE[side]:
                first = y * 9 + x
    if first is None:
        return None
    route = [first]
    while True:
        a = arrows[route[-1]]
        if a["out"] == "end":
            return route
        if a["out"] not in STEPS or len(route) > 81:
            return None
        dx, dy = STEPS[a["out"]]
        x, y = route[-1] % 9 + dx, route[-1] // 9 + dy
        if not (0 <= x < 9 and 0 <= y < 9):
            return None
        n = y * 9 + x
        if not arrows[n] or arrows[n]["in"] != OPPOSITE[a["out"]]:
            return None
        route.append(n)


# W3C key values of the keys the tests press.
KEYS = {
    "Enter": "\ue007", "Escape": "\ue00c", "Space": " ", "PageUp": "\ue00e",
    "PageDown": "\ue00f", "End": "\ue010", "Home": "\ue011", "ArrowLeft": "\ue012",
    "ArrowUp": "\ue013", "ArrowRight": "\ue014", "ArrowDown": "\ue015", "Control": "\ue009",
}

# The middle of an element in viewport coordinates, or null while it is not
# shown.
CENTRE_OF_JS = RECT_OF_JS + r"""
const e = arguments[0] === null ? null : document.querySelector(arguments[0]);
if (!e || !e.getClientRects().length) return null;
const r = rectOf(e);
return [r.left + r.width / 2, r.top + r.height / 2];
"""

# The middle of the last shown window's push button that reads arguments[1],
# in the window that holds the element arguments[0] names.
BUTTON_CENTRE_JS = RECT_OF_JS + r"""
const marks = [...document.querySelectorAll(arguments[0])];
const w = marks.length ? marks[marks.length - 1].closest('.window') : null;
if (!w || w.hidden) return null;
const b = [...w.querySelectorAll('button')].find((n) => n.textContent.trim() === arguments[1]);
if (!b) return null;
const r = rectOf(b);
return [r.left + r.width / 2, r.top + r.height / 2];
"""


def pointer(kind, *actions):
    """A W3C pointer input source: "mouse" or "touch"."""
    return {"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
            "actions": list(actions)}


def move_to(x, y, duration=0):
    # Whole CSS pixels: every protocol takes them, some no fractions.
    return {"type": "pointerMove", "x": round(x), "y": round(y), "origin": "viewport",
            "duration": duration}


DOWN = {"type": "pointerDown", "button": 0}
UP = {"type": "pointerUp", "button": 0}


class GamePage:
    """The game's page in a browser: its windows, boxes and Desk. Selenium
    tests also reach the driver itself as `driver`."""

    def __init__(self, browser):
        self.browser = browser
        self.driver = getattr(browser, "driver", None)

    def js(self, script, *args):
        return self.browser.js(script, *args)

    def open(self, url):
        self.browser.open(url)

    def main_shown(self):
        return self.js("const m = document.getElementById('F_Main');"
                       "return Boolean(m) && !m.hidden;")

    def desk(self):
        return self.js(READ_DESK_JS)

    def cells(self):
        return self.desk()["cells"]

    def previews(self):
        return self.js(READ_PREVIEWS_JS)

    def wait_started(self, timeout=20):
        """Until the main window shows a dealt game."""
        wait_for("the main window with a dealt game",
                 lambda: self.main_shown() and any(c >= 0 for c in self.cells()), timeout)
        return self.desk()

    def score(self):
        return self.js("return document.querySelector('#F_Main .score').textContent;")

    def blur(self, folder):
        """The colours a screenshot shows on the first ball's tile on the
        Desk and on the first preview that their pictures have not, with
        how many device pixels show each: none while each design pixel is
        a whole square of device pixels. (Some engines smooth one canvas of
        a stretched window and not another.)"""
        cells = self.cells()
        cell = next(c for c in range(81) if cells[c] >= 0)
        # Inside the tile and the preview by a pixel.
        regions = [(3, [DESK_MARGIN + CELL_PITCH * (cell % 9) + 1,
                        DESK_MARGIN + CELL_PITCH * (cell // 9) + 1, TILE - 2, TILE - 2]),
                   (0, [1, 1, TILE - 2, TILE - 2])]
        path = Path(folder) / "blur.png"

        def measured():
            # The colours of each region with a pixel around it: the
            # screen's device pixels may be rounded to either side.
            return [self.js(PICTURE_COLOURS_JS, canvas, [x - 1, y - 1, w + 2, h + 2])
                    for canvas, (x, y, w, h) in regions]

        def at_rest():
            # The window where it was before and after the screenshot, and
            # the screenshot showing it there, not the desktop.
            before = measured()
            self.browser.screenshot(path)
            if measured() != before:
                return None
            shot, seen = None, []
            for picture, (_, (x, y, w, h)) in zip(before, regions):
                ratio, rect = picture["ratio"], picture["rect"]
                scale = rect["width"] / picture["width"] * ratio  # device per design pixel
                left = round(rect["left"] * ratio + x * scale)
                top = round(rect["top"] * ratio + y * scale)
                width, height = round(w * scale), round(h * scale)
                if not shot or len(shot.rows) < top + height:
                    shot = png.Picture(path.read_bytes(), rows=top + height)
                seen.append((picture, shot.colours(left, top, width, height)))
            if any(DESKTOP_COLOUR in colours for _, colours in seen):
                return None
            return seen

        stray = {}
        for picture, colours in wait_for("a screenshot of the window at rest", at_rest):
            design = {tuple(int(v) for v in c.split(",")) for c in picture["colours"]}
            for c, n in colours.items():
                if c not in design:
                    stray[c] = stray.get(c, 0) + n
        return stray

    # -- the pointer, the finger and the keys --

    def cell_point(self, cell, desk=None):
        """The middle of a cell's tile in viewport coordinates."""
        desk = desk or self.desk()
        s = desk["width"] / DESK_PIXELS
        return (desk["left"] + (DESK_MARGIN + (cell % 9) * CELL_PITCH + TILE / 2) * s,
                desk["top"] + (DESK_MARGIN + (cell // 9) * CELL_PITCH + TILE / 2) * s)

    def point_at(self, cell, duration=100):
        self.browser.perform([pointer("mouse", move_to(*self.cell_point(cell), duration))])

    def click_at(self, x, y):
        self.browser.perform([pointer("mouse", move_to(x, y), DOWN, UP)])

    def click_cell(self, cell):
        self.click_at(*self.cell_point(cell))

    def move(self, source, target):
        """Selects the ball on `source` and releases on `target`, the
        pointer moving there in steps, as a hand moves it."""
        desk = self.desk()
        self.browser.perform([pointer("mouse", move_to(*self.cell_point(source, desk)), DOWN, UP,
                                      move_to(*self.cell_point(target, desk), 100), DOWN, UP)])

    def tap_cell(self, cell):
        """A finger's tap: down and up on the cell, no move between; a
        finger seen nowhere before it touches."""
        self.browser.perform([pointer("touch", move_to(*self.cell_point(cell)), DOWN, UP)])

    def keys(self, *names):
        """Presses and releases each key in turn (KEYS' names, or text)."""
        actions = []
        for name in names:
            for char in (KEYS[name],) if name in KEYS else name:
                actions += [{"type": "keyDown", "value": char}, {"type": "keyUp", "value": char}]
        self.browser.perform([{"type": "key", "id": "keyboard", "actions": actions}])

    def click(self, selector):
        """A click in the middle of the element `selector` names, once it
        is shown."""
        self.click_at(*wait_for(f"{selector} shown", lambda: self.js(CENTRE_OF_JS, selector)))

    def press_button(self, mark, caption):
        """The push button reading `caption` in the window that holds the
        element `mark` (a CSS selector) names."""
        self.click_at(*wait_for(f"the {caption} button",
                                lambda: self.js(BUTTON_CENTRE_JS, mark, caption)))

    # -- menus and boxes --

    def menu(self, entry, item=None):
        self.click(f"#{entry}")
        if item:
            self.click(f"#{item}")

    def box_text(self):
        """The text of the message box on top, or None."""
        return self.js("const t = document.querySelectorAll('#box-text');"
                       "return t.length ? t[t.length - 1].textContent : null;")

    def wait_box(self, timeout=10):
        return wait_for("a message box", self.box_text, timeout)

    def press_box_ok(self):
        self.press_button("#box-text", "OK")
        wait_for("the message box to close", lambda: self.box_text() is None)

    def load_game(self, path):
        """Game > Load... and the file picker answered with `path`. The
        picker itself is not opened (the browser is told to leave it to
        the test); its input takes the file as a picked one. Chromium
        only: the answer goes through its DevTools protocol."""
        self.browser.cdp("Page.setInterceptFileChooserDialog", {"enabled": True})
        self.menu("MI_Game", "MI_GameLoad")
        picker = wait_for("the file picker's input",
                          lambda: self.driver.find_element("id", "load-game"))
        picker.send_keys(str(path))
        wait_for("the picker to be done", lambda: not self.driver.find_elements("id", "load-game"))

    def save_game(self, name):
        """Game > Save... under `name`, typed over the offered name; the
        offered name and the downloaded file's bytes."""
        self.menu("MI_Game", "MI_GameSave")
        # The dialog gives its field the keys with the offered name selected.
        offered = wait_for("the save dialog with its name selected", lambda: self.js(
            "const f = document.getElementById('save-name');"
            "return f && document.activeElement === f && f.selectionStart === 0"
            " && f.selectionEnd === f.value.length && f.value;"))
        self.keys(name)
        wait_for(f"{name} typed", lambda: self.js(
            "return document.getElementById('save-name').value;") == name)
        self.press_button("#save-name", "Save")
        target = self.browser.downloads / (name if "." in name else name + ".kvx")
        # Whole: some engines write a download under its own name bit by bit.
        data = wait_for(f"the download of {target.name}",
                        lambda: target.exists() and len(target.read_bytes()) >= 1320
                        and target.read_bytes())
        return offered, data

    def storage(self, key):
        """A file of the game's storage, its bytes, or None."""
        text = self.js("return localStorage.getItem(arguments[0]);", key)
        return None if text is None else base64.b64decode(text)

    def high_scores(self):
        """The high-score dialog: whether it is shown, whether its name box
        is, and the texts of its grid, row by row."""
        return self.js(r"""
            const name = document.getElementById('E_EditName');
            const w = name && name.closest('.window');
            if (!w) return null;
            return {shown: !w.hidden, nameShown: !name.hidden,
                    rows: [...w.querySelectorAll('[role=row]')].map(
                        (r) => [...r.children].map((c) => c.textContent))};
        """)

    def high_scores_ok(self):
        centre = self.js(RECT_OF_JS + r"""
            const w = document.getElementById('E_EditName').closest('.window');
            const r = rectOf(w.querySelector('button.push'));
            return [r.left + r.width / 2, r.top + r.height / 2];""")
        self.click_at(*centre)
        wait_for("the high-score dialog to close", lambda: not self.high_scores()["shown"])

    def sound_checked(self):
        return self.js("return document.getElementById('MI_OptionsSound')"
                       ".getAttribute('aria-checked');") == "true"
def farthest_move(cells):
    """The ball with the farthest reachable cell, and that cell: a route of
    many cells, so that the ball is seen on its way."""
    return max(((s, t) for s in range(81) if cells[s] >= 0 for t in reachable_from(cells, s)),
               key=lambda p: abs(p[0] % 9 - p[1] % 9) + abs(p[0] // 9 - p[1] // 9))


def wait_glow(page, cell):
    """Until the ball on `cell`, and it alone, glows."""
    desk = wait_for(f"the glow of the ball on cell {cell}",
                    lambda: (lambda d: d if any(d["dots"]) else None)(page.desk()))
    glowing = [i for i, dot in enumerate(desk["dots"]) if dot]
    if glowing != [cell]:
        raise AssertionError(f"cells {glowing} glow, not cell {cell}")
    return desk


def wait_route(page, cells, source, target):
    """Until the Desk shows route arrows; they must draw one whole route
    from the ball on `source` over free cells to `target`, and nothing
    else. Returns the route."""
    shown = wait_for("route arrows",
                     lambda: (lambda d: d if any(d["arrows"]) else None)(page.desk()))
    arrows = shown["arrows"]
    route = follow_route(arrows, source)
    drawn = [i for i, a in enumerate(arrows) if a]
    if route is None:
        raise AssertionError(f"the arrows draw no route from cell {source}: "
                             f"{[(i, arrows[i]) for i in drawn]}")
    if route[-1] != target:
        raise AssertionError(f"the route ends on cell {route[-1]}, not {target}")
    if sorted(route) != drawn:
        raise AssertionError(f"arrows off the route {route}: {drawn}")
    if not all(cells[c] == -1 for c in route):
        raise AssertionError("the route crosses a ball")
    if shown["cells"][source] != cells[source]:
        raise AssertionError("the ball left before its release")
    return route


def wait_arrival(page, cells, source, target):
    """Until the ball from `source` stands on `target` and three more balls
    have come (no row was made on a fresh Desk). The Desk must then show no
    arrows and no glow. Returns whether the ball was seen on neither cell,
    on its way."""
    colour = cells[source]
    seen_on_its_way = False

    def arrived():
        nonlocal seen_on_its_way
        now = page.cells()
        if now[source] != colour and now[target] != colour:
            seen_on_its_way = True
        return (now[target] == colour and
                sum(c >= 0 for c in now) == sum(c >= 0 for c in cells) + 3)

    wait_for(f"ball {colour} from cell {source} to cell {target} and three more balls; "
             f"the Desk before:\n{board_text(cells)}\nand now", arrived)
    after = page.desk()
    if any(after["arrows"]):
        raise AssertionError("arrows left after the move")
    if any(after["dots"]):
        raise AssertionError("a ball still glows after the move")
    return seen_on_its_way


def play_one_move(page, cells, prefer_far=False):
    """Moves the first ball that can move to its nearest free cell (or its
    farthest); returns (source, target)."""
    for source in range(81):
        reach = reachable_from(cells, source) if cells[source] >= 0 else []
        if reach:
            target = reach[-1] if prefer_far else reach[0]
            page.move(source, target)
            return source, target
    raise AssertionError("no legal move on\n" + board_text(cells))


class BrowserTest(unittest.TestCase):
    """A test with a served site, a browser in a fresh profile, and the
    game's page; all in a temporary folder removed afterwards."""

    def setUp(self):
        self.temp = TempFolder()
        self.server = Server(SITE, self.temp.path).start()
        self.browser = None
        self.browser = self.start_browser()
        self.page = GamePage(self.browser)

    def start_browser(self, **kwargs):
        return Browser(self.temp.sub("browser"), **kwargs)

    def tearDown(self):
        if self.browser:
            # The page's own errors, if any, beside the test's report.
            for line in self.browser.console():
                print("console:", line, file=sys.stderr)
            self.browser.quit()
        self.server.stop()
        self.temp.remove()


def main(check_chromium=True):
    """Runs the tests of the calling module; 77 (skipped) without a site.
    Chromium, which most tests take, must be there."""
    if not (SITE / "index.html").exists():
        print(f"skipped: no browser site in {SITE} (tools/make_web.sh builds it)")
        sys.exit(SKIP)
    for tool in (CHROMIUM, CHROMEDRIVER) if check_chromium else ():
        if not os.path.exists(tool):
            print(f"{tool} is missing (tools/setup-debian.sh test installs it)")
            sys.exit(1)
    unittest.main(module="__main__", verbosity=2)
