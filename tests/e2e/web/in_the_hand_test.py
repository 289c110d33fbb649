"""The browser game in the hand, in headless Chromium with a phone's or a
tablet's metrics and touch (DevTools' device emulation), portrait and
landscape: the windows drawn at the largest whole scale that fits, crisp, a
tap-tap move and a held finger's route read from the Desk's pixels, a page
that never scrolls; a game that outlasts a reload and ends only with Exit;
and a desktop window's fitted scale at one and two device pixels per CSS
pixel."""

import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import DESK_MARGIN, CELL_PITCH, TILE, follow_route, reachable_from, wait_for  # noqa: E402

# The main window with its frame, in design pixels.
MAIN = (281, 351)

# name: CSS width, height, device pixels per CSS pixel, portrait.
DEVICES = {
    "small phone": (360, 640, 2),
    "large phone": (430, 932, 3),
    "tablet": (820, 1180, 2),
}


def fitted(width, height, ratio):
    """Whole device pixels per design pixel at which the main window fits."""
    return max(1, min(int(width * ratio // MAIN[0]), int(height * ratio // MAIN[1])))


class Hand:
    """A touch screen: taps and held fingers at cells of the Desk."""

    def __init__(self, browser, page):
        self.browser = browser
        self.page = page

    def emulate(self, width, height, ratio, mobile=True):
        self.browser.cdp("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": mobile,
            "screenOrientation": {"type": "portraitPrimary" if height >= width
                                  else "landscapePrimary", "angle": 0 if height >= width else 90}})
        self.browser.cdp("Emulation.setTouchEmulationEnabled",
                         {"enabled": mobile, "maxTouchPoints": 5})

    def point(self, cell, desk=None):
        desk = desk or self.page.desk()
        s = desk["width"] / harness.DESK_PIXELS
        return (desk["left"] + (DESK_MARGIN + cell % 9 * CELL_PITCH + TILE / 2) * s,
                desk["top"] + (DESK_MARGIN + cell // 9 * CELL_PITCH + TILE / 2) * s)

    def touch(self, kind, x, y):
        points = [] if kind == "touchEnd" else [{"x": x, "y": y}]
        self.browser.cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def tap(self, cell):
        x, y = self.point(cell)
        self.touch("touchStart", x, y)
        self.touch("touchEnd", x, y)


def first_movable(cells):
    for source in range(81):
        if cells[source] >= 0:
            reach = reachable_from(cells, source)
            if reach:
                return source, reach
    raise AssertionError("no ball can move on\n" + harness.board_text(cells))


class InTheHandTest(harness.BrowserTest):
    def setUp(self):
        super().setUp()
        self.hand = Hand(self.browser, self.page)

    def scrolled(self):
        return self.page.js(
            "const s = document.scrollingElement;"
            "return [window.scrollX, window.scrollY, s.scrollLeft, s.scrollTop,"
            " window.visualViewport ? visualViewport.scale : 1];")

    def wait_at_rest(self, kept_before):
        """Until the move's turn is done: the game is kept anew at rest."""
        wait_for("the turn to come to rest", lambda: self.page.storage(KEPT_KEY) != kept_before)

    def check_device(self, name, width, height, ratio):
        page, hand = self.page, self.hand
        hand.emulate(width, height, ratio)
        page.open(self.server.url())
        desk = page.wait_started()
        scale = fitted(width, height, ratio)
        with self.subTest(name):
            self.assertEqual(desk["scale"], scale, "whole device pixels per design pixel")
            self.assertAlmostEqual(desk["width"], 262 * scale / ratio, delta=0.5)
            rect = page.js("const r = document.getElementById('F_Main').getBoundingClientRect();"
                           "return [r.left, r.top, r.right, r.bottom];")
            self.assertGreaterEqual(rect[0], 0)
            self.assertGreaterEqual(rect[1], 0)
            self.assertLessEqual(rect[2], width + 0.5)
            self.assertLessEqual(rect[3], height + 0.5)
            self.assertEqual(page.blur(self.temp.sub("shots")), {},
                             "colours on the screen that the ball's picture has not")

            # Tap the ball, tap the cell: no pointer move comes between.
            source, reach = first_movable(desk["cells"])
            colour = desk["cells"][source]
            kept = page.storage(KEPT_KEY)
            hand.tap(source)
            wait_for("the tapped ball glowing", lambda: page.desk()["dots"][source])
            target = reach[-1]
            hand.tap(target)
            wait_for(f"the ball arriving on cell {target}",
                     lambda: page.cells()[target] == colour and page.cells()[source] == -1)

            # A held finger shows the route as it moves; lifted off the
            # Desk it moves nothing.
            self.wait_at_rest(kept)
            cells = page.cells()
            source, reach = first_movable(cells)
            hand.tap(source)
            wait_for("the second ball glowing", lambda: page.desk()["dots"][source])
            x, y = hand.point(reach[0])
            hand.touch("touchStart", x, y)
            x, y = hand.point(reach[-1])
            hand.touch("touchMove", x, y)
            route = wait_for("the route under the finger", lambda: follow_route(
                page.desk()["arrows"], source))
            self.assertEqual(route[-1], reach[-1])
            hand.touch("touchMove", 2, 2)
            hand.touch("touchEnd", 2, 2)
            self.assertEqual(page.cells()[source], cells[source], "lifted off the Desk")

            # A swipe over the page moves nothing.
            for kind, at in (("touchStart", (width / 2, 5)), ("touchMove", (width / 2, height / 2)),
                             ("touchMove", (width / 2, height - 5)), ("touchEnd", (0, 0))):
                hand.touch(kind, *at)
            self.assertEqual(self.scrolled(), [0, 0, 0, 0, 1])

    def test_phones_and_a_tablet_in_portrait_and_landscape(self):
        for name, (width, height, ratio) in DEVICES.items():
            self.check_device(f"{name}, portrait", width, height, ratio)
            self.check_device(f"{name}, landscape", height, width, ratio)

    def test_a_rotation_refits_the_window(self):
        page, hand = self.page, self.hand
        hand.emulate(430, 932, 3)
        page.open(self.server.url())
        self.assertEqual(page.wait_started()["scale"], 4)
        hand.emulate(932, 430, 3)
        desk = wait_for("the landscape scale", lambda: (lambda d: d["scale"] == 3 and d)(page.desk()))
        self.assertLessEqual(desk["top"] + desk["height"], 430)

    def test_a_desktop_window_at_one_and_two_device_pixels(self):
        page, hand = self.page, self.hand
        for ratio in (1, 2):
            hand.emulate(1280, 800, ratio, mobile=False)
            page.open(self.server.url())
            with self.subTest(ratio=ratio):
                self.assertEqual(page.wait_started()["scale"], fitted(1280, 800, ratio))
                self.assertEqual(page.blur(self.temp.sub("shots")), {})

    def test_a_reload_keeps_the_game_and_exit_ends_it(self):
        page, hand = self.page, self.hand
        hand.emulate(430, 932, 3)
        page.open(self.server.url())
        desk = page.wait_started()
        source, reach = first_movable(desk["cells"])
        kept = page.storage(KEPT_KEY)
        self.assertEqual(len(kept), 1320, "the game is kept once dealt")
        hand.tap(source)
        wait_for("the tapped ball glowing", lambda: page.desk()["dots"][source])
        hand.tap(reach[0])
        self.wait_at_rest(kept)
        before = (page.cells(), page.previews(), page.score())

        page.driver.refresh()
        page.wait_started()
        self.assertEqual((page.cells(), page.previews(), page.score()), before)

        page.menu("MI_Game", "MI_GameExit")
        again = wait_for("the Play again button", lambda: page.driver.find_element(
            "css selector", ".ended button"))
        self.assertIsNone(page.storage(KEPT_KEY), "Exit drops the kept game")
        again.click()
        fresh = page.wait_started()["cells"]
        self.assertNotEqual(fresh, before[0])
        self.assertEqual(sum(c >= 0 for c in fresh), sum(c >= 0 for c in desk["cells"]),
                         "a game as newly dealt")


KEPT_KEY = "quorbals:/storage/Quorbals/quorbals.kvx"

if __name__ == "__main__":
    harness.main()
