"""A whole game in headless Chromium, played to "Game over!" with any legal
moves; the name typed into the high-score dialog and the score record read
back from the browser's storage."""

import struct
import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import SCORE_KEY, board_text, play_one_move, wait_for  # noqa: E402


def balls(cells):
    return sum(c >= 0 for c in cells)


class WholeGameTest(harness.BrowserTest):
    def test_a_game_to_its_end_and_the_name_in_the_score_file(self):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys

        page = self.page
        page.open(self.server.url())
        page.wait_started()
        # Each turn: a ball to its nearest free cell, then the turn cycle,
        # which either removes lines or adds balls, or ends the game.
        for turn in range(300):
            if page.box_text():
                break
            cells = page.cells()
            count = balls(cells)
            source, target = play_one_move(page, cells)
            wait_for(f"turn {turn}: the ball from cell {source} to {target} and what follows "
                     f"on\n{board_text(cells)}\n",
                     lambda: page.box_text() or balls(page.cells()) != count)
        self.assertEqual(page.box_text(), "Game over!")
        final = page.desk()["cells"]
        self.assertEqual(balls(final), 81, board_text(final))
        score = page.score()
        self.assertRegex(score, r"^\d+$")

        page.press_box_ok()
        wait_for("the high-score dialog with the name box",
                 lambda: (page.high_scores() or {}).get("shown") and page.high_scores()["nameShown"])
        # The name box has the keyboard, offering the name with all of it
        # selected, so that typing replaces it.
        offered = page.js("const e = document.activeElement;"
                          "return [e.id, e.value, e.selectionStart, e.selectionEnd];")
        self.assertEqual(offered, ["E_EditName", "New Player", 0, len("New Player")])
        ActionChains(page.driver).send_keys("Tester").send_keys(Keys.ENTER).perform()
        wait_for("the high-score dialog to close", lambda: not page.high_scores()["shown"])

        record = page.storage(SCORE_KEY)
        self.assertIsNotNone(record, "no score file in the browser's storage")
        self.assertEqual(len(record), 28, record)
        self.assertEqual(struct.unpack_from("<i", record, 0)[0], int(score))
        self.assertEqual(record[4], len("Tester"))
        self.assertEqual(record[5:5 + record[4]], b"Tester")
        rows = page.high_scores()["rows"]
        self.assertEqual(rows[0], ["\u2116", "Name", "Scores"])
        self.assertEqual(rows[1], ["1", "Tester", score])

        # Then a new game.
        wait_for("a new game", lambda: balls(page.cells()) == 3 and page.score() == "0")


if __name__ == "__main__":
    harness.main()
