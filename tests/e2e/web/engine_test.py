"""The game in one browser engine, named on the command line: "webkit"
(WebKitGTK's MiniBrowser, Safari's engine), "firefox" (Firefox ESR over
WebDriver BiDi) or "chromium". The start, a move by pointer, by keys and by
finger, and a saved game downloaded; the page read from its canvases as in
the other browser tests.

    engine_test.py webkit|firefox|chromium [unittest arguments]

Skipped (77) while the engine is not installed or no site is built.
QUORBALS_WEB_SHOTS=FOLDER keeps screenshots of the steps there.
"""

import os
import struct
import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import board_text, reachable_from, wait_for  # noqa: E402


SHOTS = os.environ.get("QUORBALS_WEB_SHOTS")  # a folder for screenshots, if any

# What is on screen: the splash (its text), the main window, the balls on
# the Desk.
READ_SCREEN_JS = harness.COLOUR_OF_JS + r"""
const splash = document.querySelector('#desktop .window.borderless');
const main = document.getElementById('F_Main');
let balls = 0;
const canvases = main ? [...main.querySelectorAll('canvas')] : [];
const desk = canvases[canvases.length - 1];
if (desk && desk.width) {
    const k = desk.width / 262;
    const d = desk.getContext('2d').getImageData(0, 0, desk.width, desk.height).data;
    for (let cell = 0; cell < 81; ++cell) {
        const x = (9 + 29 * (cell % 9)) * k, y = (9 + 29 * Math.floor(cell / 9)) * k;
        const i = (y * desk.width + x) * 4;
        if (colourOf([d[i], d[i + 1], d[i + 2]]) >= 0) ++balls;
    }
}
return {splash: splash && !splash.hidden ? splash.textContent : null,
        main: Boolean(main) && !main.hidden, balls};
"""

# The width of the score label's text as the page laid it out, and of the
# same text in the label's font with other families: which face the engine
# took for the label.
SCORE_FACE_JS = r"""
const label = document.querySelector('#F_Main .score');
const style = getComputedStyle(label);
const range = document.createRange();
range.selectNodeContents(label);
const width = (family) => {
    const probe = document.createElement('span');
    probe.style.cssText = 'position: fixed; left: 0; top: 0; visibility: hidden; white-space: pre';
    probe.style.fontSize = style.fontSize;
    probe.style.fontWeight = style.fontWeight;
    probe.style.fontFamily = family;
    probe.textContent = label.textContent;
    label.parentNode.appendChild(probe);
    const w = probe.getBoundingClientRect().width;
    probe.remove();
    return w;
};
return {family: style.fontFamily, text: label.textContent,
        label: range.getBoundingClientRect().width,
        faces: Object.fromEntries(arguments[0].map((f) => [f, width(f)]))};
"""

# Which pointer the page saw in its last press on the Desk.
POINTER_TYPE_RECORDER_JS = r"""
window.__quorbalsPointers = [];
const canvases = document.querySelectorAll('#F_Main canvas');
canvases[canvases.length - 1].addEventListener('pointerdown',
    (e) => window.__quorbalsPointers.push(e.pointerType), true);
"""


def engine_browser(engine):
    """The browser class of an engine, and what of it is missing (or None)."""
    if engine == "webkit":
        import webkit
        return webkit.WebKitBrowser, webkit.missing()
    if engine == "firefox":
        import firefox
        return firefox.FirefoxBrowser, firefox.missing()
    if engine == "chromium":
        missing = [t for t in (harness.CHROMIUM, harness.CHROMEDRIVER) if not os.path.exists(t)]
        return harness.Browser, missing[0] if missing else None
    raise SystemExit(f"engine_test.py: no engine {engine!r} (webkit, firefox, chromium)")


ENGINE = sys.argv[1] if len(sys.argv) > 1 else ""
BROWSER, MISSING = engine_browser(ENGINE) if __name__ == "__main__" else (None, None)


class EngineTest(harness.BrowserTest):
    def start_browser(self, folder="browser", **kwargs):
        return BROWSER(self.temp.sub(folder), **kwargs)

    def started(self):
        self.page.open(self.server.url())
        return self.page.wait_started()

    def shot(self, name):
        if SHOTS:
            os.makedirs(SHOTS, exist_ok=True)
            self.browser.screenshot(os.path.join(SHOTS, f"{ENGINE}-{name}.png"))

    def cell_keys(self, cell):
        """The keys that take the cursor from wherever it is to `cell`."""
        return ["Home", "PageUp"] + ["ArrowRight"] * (cell % 9) + ["ArrowDown"] * (cell // 9)

    def test_splash_then_the_main_window_with_a_dealt_game(self):
        page = self.page
        seen = []

        def record():
            now = page.js(READ_SCREEN_JS)
            if not seen or seen[-1] != now:
                seen.append(now)
            return now["main"] and now["balls"] > 0

        self.page.browser.begin_open(self.server.url())
        wait_for("the main window with a dealt game", record, timeout=20, interval=0.01)
        splashes = [s for s in seen if s["splash"] is not None]
        self.assertTrue(splashes, f"the splash was never seen: {seen}")
        self.assertIn("Quorbals", splashes[0]["splash"])
        self.assertFalse([s for s in seen if s["splash"] is not None and s["main"]],
                         "the splash and the main window were on screen together")
        first_main = next(s for s in seen if s["main"])
        self.assertEqual(first_main["balls"], 3, "the main window was shown before its game")
        self.assertLess(seen.index(splashes[-1]), seen.index(first_main))

        desk = page.desk()
        self.shot("start")
        self.assertEqual(page.browser.title(), "Quorbals")
        self.assertEqual(page.js("return document.querySelector('#F_Main .caption .title')"
                                 ".textContent;"), "Quorbals")
        self.assertEqual(page.js("return ['MI_Game', 'MI_Play', 'MI_Help'].map("
                                 "(i) => document.getElementById(i).textContent);"),
                         ["Game", "Start!", "Help"])
        self.assertEqual(page.score(), "0")
        self.assertEqual(sum(c >= 0 for c in desk["cells"]), 3, board_text(desk["cells"]))
        self.assertEqual(desk["cells"].count(-1), 78, board_text(desk["cells"]))
        self.assertTrue(all(0 <= c <= 5 for c in page.previews()), page.previews())
        self.assertFalse(any(desk["dots"]), "a ball glows before any was selected")
        self.assertFalse(any(desk["arrows"]))
        self.assertEqual(desk["cursor"], -1, "the keyboard cursor shows before any key")
        self.assertEqual(page.js("return document.activeElement.id;"), "desk-grid",
                         "the Desk has not the keyboard")

    def test_the_desk_is_drawn_crisp(self):
        # Each design pixel is a whole square of device pixels, never
        # smoothed: a ball's tile on the screen shows only the colours of
        # its picture, none in between along the ball's edge. The window
        # tall enough for two device pixels per design pixel.
        self.browser.quit()
        self.browser = None
        self.browser = self.start_browser("tall", window=(1000, 1000))
        self.page = harness.GamePage(self.browser)
        desk = self.started()
        self.assertGreater(desk["scale"], 1, "the window is drawn too small to tell")
        self.assertEqual(self.page.blur(self.temp.sub("shots")), {})

    def test_the_score_is_set_in_arial_or_its_metric_twin(self):
        # Arial where it is installed; Liberation Sans, Arial's metrics,
        # where not (Debian's fonts-liberation): never the engine's serif
        # default, which WebKit takes for a family it lacks.
        self.started()
        face = self.page.js(SCORE_FACE_JS, ["Arial", "'Liberation Sans'", "serif"])
        faces = face["faces"]
        # Widths as laid out at other places differ by rounding only; the
        # faces themselves by a pixel and more.
        self.assertAlmostEqual(face["label"], faces["'Liberation Sans'"], delta=0.25, msg=face)
        self.assertGreater(abs(face["label"] - faces["serif"]), 0.5, face)

    def test_the_about_box_takes_the_keys_without_a_focus_ring(self):
        page = self.page
        self.started()
        page.menu("MI_Help", "MI_HelpAbout")
        about = wait_for("the About box with the keys", lambda: page.js(
            "const w = document.activeElement;"
            "return w && w.classList.contains('window') && w.textContent.includes('Version')"
            " && {outline: getComputedStyle(w).outlineStyle,"
            " width: getComputedStyle(w).outlineWidth};"))
        self.shot("about")
        self.assertTrue(about["outline"] == "none" or about["width"] == "0px", about)
        page.keys("Escape")
        wait_for("the About box gone, the Desk with the keys",
                 lambda: page.js("return document.activeElement.id;") == "desk-grid")

    def test_a_click_closes_the_about_box_but_on_the_icon_frame(self):
        page = self.page
        self.started()
        page.menu("MI_Help", "MI_HelpAbout")
        frame_js = harness.RECT_OF_JS + (
            "const c = [...document.querySelectorAll('.window .client')]"
            ".find((e) => e.textContent.includes('Version') && e.offsetParent);"
            "return c ? rectOf(c.querySelector('.panel.raised .panel.lowered')) : null;")
        frame = wait_for("the About box", lambda: page.js(frame_js))
        # The icon's frame (the rings around the icon) keeps the box; the
        # face of the form closes it.
        page.click_at(frame["left"] + 1.5, frame["top"] + 1.5)
        self.assertIsNotNone(page.js(frame_js), "a click on the icon's frame closed the box")
        page.click_at(frame["left"] + frame["width"] * 2, frame["top"] + frame["height"] * 2)
        wait_for("the About box gone", lambda: page.js(frame_js) is None)

    def test_a_move_by_pointer(self):
        page = self.page
        cells = self.started()["cells"]
        source, target = harness.farthest_move(cells)
        page.click_cell(source)
        harness.wait_glow(page, source)
        page.point_at(target)
        harness.wait_route(page, cells, source, target)
        self.shot("route")
        page.click_cell(target)
        self.assertTrue(harness.wait_arrival(page, cells, source, target),
                        "the ball jumped to its target")

    def test_a_move_by_keys(self):
        page = self.page
        cells = self.started()["cells"]
        source, target = harness.farthest_move(cells)
        # The first key shows the cursor on the centre cell, and no more.
        page.keys("ArrowLeft")
        wait_for("the cursor on the centre cell", lambda: page.desk()["cursor"] == 40)
        page.keys(*self.cell_keys(source))
        wait_for(f"the cursor on the ball on cell {source}",
                 lambda: page.desk()["cursor"] == source)
        page.keys("Enter")
        harness.wait_glow(page, source)
        # Each step of the cursor shows the route to its cell.
        page.keys(*self.cell_keys(target))
        wait_for(f"the cursor on cell {target}", lambda: page.desk()["cursor"] == target)
        harness.wait_route(page, cells, source, target)
        self.shot("keys")
        page.keys("Space")
        self.assertTrue(harness.wait_arrival(page, cells, source, target),
                        "the ball jumped to its target")

    def touch_pointer(self, cell):
        """Taps `cell`; skips the test unless the page saw a finger."""
        page = self.page
        page.js(POINTER_TYPE_RECORDER_JS)
        page.tap_cell(cell)
        kinds = wait_for("the tap's press", lambda: page.js("return window.__quorbalsPointers;"))
        if kinds != ["touch"]:
            self.skipTest(f"{self.browser.engine} gives the page a {kinds[0]} for a touch "
                          "pointer: it emulates no touch")

    def test_a_tap_selects_a_ball(self):
        page = self.page
        cells = self.started()["cells"]
        source = next(i for i, c in enumerate(cells) if c >= 0)
        self.touch_pointer(source)
        harness.wait_glow(page, source)

    def test_a_tap_on_a_free_cell_moves_the_selected_ball(self):
        page = self.page
        cells = self.started()["cells"]
        source, target = harness.farthest_move(cells)
        self.touch_pointer(source)
        harness.wait_glow(page, source)
        page.tap_cell(target)
        self.assertTrue(harness.wait_arrival(page, cells, source, target),
                        "the ball jumped to its target")

    def test_a_saved_game_is_downloaded(self):
        page = self.page
        # A move first, so that the file holds a game under way.
        cells = self.started()["cells"]
        source, target = next((s, reachable_from(cells, s)[0]) for s in range(81) if cells[s] >= 0)
        page.move(source, target)
        harness.wait_arrival(page, cells, source, target)
        desk = page.cells()
        offered, saved = page.save_game("engine")
        self.assertEqual(offered, "save1.kvx")
        self.assertEqual(len(saved), 1320)
        self.assertEqual(saved[:4], b"kvx\0")
        self.assertEqual(list(struct.unpack_from("<81i", saved, 20)), desk,
                         "the file's Desk is not the one shown")
        self.assertEqual(struct.unpack_from("<i", saved, 4)[0], int(page.score()))
        self.assertEqual(list(struct.unpack_from("<3i", saved, 8)), page.previews())


if __name__ == "__main__":
    if MISSING:
        print(f"skipped: {MISSING} is missing (tools/setup-debian.sh test installs it)")
        sys.exit(harness.SKIP)
    del sys.argv[1]
    harness.main(check_chromium=False)
