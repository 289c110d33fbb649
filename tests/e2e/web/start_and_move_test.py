"""The game in headless Chromium: the splash, then the main window with a
dealt game; one move, its route read from the arrows on the Desk canvas."""

import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import board_text, wait_for  # noqa: E402

# Notes, from the first frame of the page on, each change of what is on
# screen ("S" the splash, "M" the main window) with the splash's text; and
# the moments the splash window was put into the page and taken out of it.
FRAME_RECORDER_JS = r"""
(() => {
    const frames = [];
    const windows = [];
    window.__quorbalsStart = {frames, windows};
    const append = Node.prototype.appendChild;
    Node.prototype.appendChild = function (node) {
        if (node instanceof Element && node.classList.contains('window')) {
            windows.push({node, added: performance.now(), removed: null});
        }
        return append.call(this, node);
    };
    const remove = Element.prototype.remove;
    Element.prototype.remove = function () {
        // The window, or the place it stands in.
        const w = windows.find((x) => x.node === this || this.contains(x.node));
        if (w) {
            w.removed = performance.now();
        }
        return remove.call(this);
    };
    // How many cells of the Desk canvas show a ball.
    const deskBalls = () => {
        const canvases = [...document.querySelectorAll('#F_Main canvas')];
        const desk = canvases[canvases.length - 1];
        if (!desk) return 0;
        const k = desk.width / 262;
        const d = desk.getContext('2d').getImageData(0, 0, desk.width, desk.height).data;
        let balls = 0;
        for (let cell = 0; cell < 81; ++cell) {
            const x = (9 + 29 * (cell % 9)) * k, y = (9 + 29 * Math.floor(cell / 9)) * k;
            const i = (y * desk.width + x) * 4;
            if (d[i + 3] === 255 && !(d[i] === 192 && d[i + 1] === 192 && d[i + 2] === 192)) {
                ++balls;
            }
        }
        return balls;
    };
    let last = null;
    const look = () => {
        const splash = document.querySelector('#desktop .window.borderless');
        const main = document.getElementById('F_Main');
        const now = (splash && !splash.hidden ? 'S' : '') + (main && !main.hidden ? 'M' : '');
        if (now !== last) {
            frames.push([performance.now(), now, splash ? splash.textContent : '', deskBalls()]);
            last = now;
        }
        if (now !== 'M') {
            requestAnimationFrame(look);
        }
    };
    requestAnimationFrame(look);
})();
"""

# The frames, and the splash's time in the page in milliseconds.
READ_START_JS = r"""
const s = window.__quorbalsStart;
const splash = s.windows.find((w) => w.node.classList.contains('borderless'));
return {frames: s.frames, splash: splash ? [splash.added, splash.removed] : null};
"""


class StartTest(harness.BrowserTest):
    def test_splash_for_a_second_then_the_main_window_with_a_dealt_game(self):
        self.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": FRAME_RECORDER_JS})
        self.page.open(self.server.url())
        desk = self.page.wait_started()
        start = wait_for("the frames up to the main window",
                         lambda: (lambda s: s if s["frames"] and s["frames"][-1][1] == "M" else None)(
                             self.page.js(READ_START_JS)))
        frames = start["frames"]
        states = [s for _, s, _, _ in frames]
        # The splash is painted, stands for its second (measured from just
        # before it was made) and goes before the main window is painted.
        self.assertIn("S", states, f"no frame showed the splash: {frames}")
        self.assertNotIn("SM", states, "the splash and the main window were on screen together")
        self.assertEqual(states[-1], "M")
        self.assertIn("Quorbals", next(text for _, s, text, _ in frames if s == "S"))
        # The main window's first frame shows the dealt game.
        self.assertEqual(frames[-1][3], 3, "the main window was painted before its game")
        # Its second runs from a moment taken just before it is made, which
        # a busy machine can put some milliseconds before it enters the page.
        added, removed = start["splash"]
        self.assertIsNotNone(removed, "the splash was never taken away")
        self.assertGreaterEqual(removed - added, 950, "the splash's second was cut short")

        page = self.page
        self.assertEqual(page.driver.title, "Quorbals")
        main = page.driver.find_element("id", "F_Main")
        self.assertEqual(main.find_element("css selector", ".caption .title").text, "Quorbals")
        self.assertEqual([page.driver.find_element("id", i).get_attribute("textContent")
                          for i in ("MI_Game", "MI_Play", "MI_Help")],
                         ["Game", "Start!", "Help"])
        self.assertEqual(page.score(), "0")
        balls = [c for c in desk["cells"] if c >= 0]
        self.assertEqual(len(balls), 3, board_text(desk["cells"]))
        self.assertEqual(desk["cells"].count(-1), 78, board_text(desk["cells"]))
        self.assertTrue(all(0 <= c <= 5 for c in page.previews()), page.previews())
        self.assertFalse(any(desk["dots"]), "a ball glows before any was selected")
        self.assertFalse(any(desk["arrows"]))

        # Minimised, the window leaves a button that brings it back, Desk
        # and keyboard with it.
        main.find_element("css selector", ".caption button[aria-label=Minimise]").click()
        wait_for("the window minimised", lambda: not page.main_shown())
        page.driver.find_element("css selector", "button.taskbar").click()
        wait_for("the window back", page.main_shown)
        self.assertEqual(page.cells(), desk["cells"])
        self.assertEqual(page.js("return document.activeElement.id;"), "desk-grid")


class MoveTest(harness.BrowserTest):
    # Chromium's flags for the page's device pixel ratio.
    flags = ()

    def start_browser(self, **kwargs):
        return super().start_browser(extra_flags=self.flags, **kwargs)

    def test_route_arrows_then_the_ball_travels_and_three_balls_follow(self):
        page = self.page
        page.open(self.server.url())
        cells = page.wait_started()["cells"]
        source, target = harness.farthest_move(cells)
        page.click_cell(source)
        harness.wait_glow(page, source)
        page.point_at(target)
        harness.wait_route(page, cells, source, target)
        page.click_cell(target)
        self.assertTrue(harness.wait_arrival(page, cells, source, target),
                        "the ball jumped to its target")


class MoveAtTwiceTheScaleTest(MoveTest):
    """The same on a screen of two device pixels per CSS pixel: the canvases
    hold a whole square of device pixels per design pixel, the largest at
    which the 281 x 351 main window fits the viewport."""
    flags = ("--force-device-scale-factor=2",)

    def test_the_desk_canvas_takes_the_fitted_whole_scale(self):
        self.page.open(self.server.url())
        desk = self.page.wait_started()
        width, height, ratio = self.page.js(
            "return [innerWidth, innerHeight, devicePixelRatio];")
        self.assertEqual(ratio, 2)
        self.assertEqual(desk["scale"], min(width * ratio // 281, height * ratio // 351))
        self.assertGreaterEqual(desk["scale"], 2)


if __name__ == "__main__":
    harness.main()
