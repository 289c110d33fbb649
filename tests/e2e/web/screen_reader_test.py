"""The browser game as a screen reader meets it, read from Chromium's own
accessibility tree (the DevTools protocol): the Desk as a grid of 9 by 9
named cells, a move made with the keyboard alone (the cursor's cell is the
active one, the picked ball is selected), the turn's news in a live
region, the score and previews in words, and the colour marks in the
names after Ctrl+M."""

import re
import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import wait_for  # noqa: E402

COLOURS = ["blue", "cyan", "green", "magenta", "red", "yellow"]


def cell_name(colour, reach=""):
    """A cell's name; its row and column are the grid's own, which readers
    say themselves."""
    what = "empty" if colour < 0 else f"{COLOURS[colour]} ball"
    return f"{what}, {reach}" if reach and colour < 0 else what


def place(index):
    return f"row {index // 9 + 1}, column {index % 9 + 1}"


class ScreenReaderTest(harness.BrowserTest):
    def setUp(self):
        super().setUp()
        self.page.open(self.server.url())
        self.page.wait_started()
        self.browser.cdp("Accessibility.enable")

    def tree(self):
        """Role and name of every node Chromium exposes, with its states."""
        nodes = self.browser.cdp("Accessibility.getFullAXTree")["nodes"]
        out = []
        for n in nodes:
            if n.get("ignored"):
                continue
            props = {p["name"]: p["value"].get("value") for p in n.get("properties", [])}
            out.append({"id": n.get("nodeId"), "parent": n.get("parentId"),
                        "role": n.get("role", {}).get("value"),
                        "name": n.get("name", {}).get("value", ""),
                        "selected": props.get("selected"),
                        "focused": props.get("focused"),
                        "live": props.get("live")})
        return out

    def live_text(self, start):
        """The texts beginning with `start` that lie in a polite live region."""
        tree = self.tree()
        live = {n["id"] for n in tree if n["live"] == "polite"}
        return [n for n in tree if n["role"] == "StaticText" and n["parent"] in live
                and n["name"].startswith(start)]

    def grid_cells(self):
        return [n for n in self.tree() if n["role"] == "gridcell"]

    def active_cell(self):
        return self.page.js("const g = document.getElementById('desk-grid');"
                            "const id = g.getAttribute('aria-activedescendant');"
                            "return id ? document.getElementById(id).textContent : null;")

    def key(self, *keys):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.browser.driver).send_keys(*keys).perform()

    def test_the_desk_is_a_grid_a_keyboard_move_is_read_out(self):
        from selenium.webdriver.common.keys import Keys
        cells = self.page.cells()
        tree = self.tree()
        grids = [n for n in tree if n["role"] == "grid"]
        self.assertEqual([g["name"] for g in grids], ["Desk"])
        names = [c["name"] for c in self.grid_cells()]
        self.assertEqual(names, [cell_name(c) for c in cells])
        rows = self.page.js("return [...document.querySelectorAll('#desk-grid [role=row]')]"
                            ".map((r) => [r.getAttribute('aria-rowindex'), r.children.length,"
                            " r.lastElementChild.getAttribute('aria-colindex')]);")
        self.assertEqual(rows, [[str(y + 1), 9, "9"] for y in range(9)])
        self.assertTrue(any(n["name"] == "Score: 0" for n in tree), "the score in words")
        self.assertTrue(any(n["name"].startswith("Next: ") for n in tree), "the previews")
        self.assertTrue(self.page.js("return document.activeElement.id") == "desk-grid",
                        "the Desk has the keyboard")

        # The first arrow shows the cursor on the centre cell, the active one.
        self.key(Keys.ARROW_DOWN)
        wait_for("the centre cell active", lambda: self.active_cell() == cell_name(cells[40]))

        # To a ball, Enter: it is selected.
        ball = next(i for i, c in enumerate(cells) if c >= 0)
        keys = [Keys.HOME, Keys.PAGE_UP] + [Keys.ARROW_RIGHT] * (ball % 9) \
            + [Keys.ARROW_DOWN] * (ball // 9)
        self.key(*keys)
        wait_for("the cursor on the ball", lambda: self.active_cell() == cell_name(cells[ball]))
        self.key(Keys.ENTER)
        wait_for("the ball selected", lambda: [c["name"] for c in self.grid_cells()
                                               if c["selected"]] == [cell_name(cells[ball])])
        colour = COLOURS[cells[ball]].capitalize()
        wait_for("the selection read out",
                 lambda: self.live_text(f"{colour} ball selected, {place(ball)}."))

        # To a free cell it can reach, Enter: it travels; the turn is read out.
        target = harness.reachable_from(cells, ball)[0]
        self.key(Keys.HOME, Keys.PAGE_UP, *([Keys.ARROW_RIGHT] * (target % 9)),
                 *([Keys.ARROW_DOWN] * (target // 9)))
        wait_for("the cursor on the target",
                 lambda: self.active_cell() == cell_name(-1, "reachable"))
        self.key(Keys.SPACE)
        news = wait_for("the turn's news in a live region", lambda: self.live_text(
            f"{colour} ball moved to {place(target)}."))
        self.assertRegex(news[0]["name"], r"(Placed|Removed) ")
        self.assertFalse([c for c in self.grid_cells() if c["selected"]], "nothing selected")

        # Colour marks: the names say the mark too.
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.browser.driver).key_down(Keys.CONTROL).send_keys("m") \
            .key_up(Keys.CONTROL).perform()
        wait_for("the marks in the names", lambda: any(
            re.search(r" ball with a (ring|triangle|plus|square|cross|diamond)$", c["name"])
            for c in self.grid_cells()))
        self.assertEqual(self.page.storage("quorbals:/storage/Quorbals/quorbals.mrk"), b"\x01")


if __name__ == "__main__":
    harness.main()
