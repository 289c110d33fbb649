"""Saved games in headless Chromium: a committed saved game loaded through
the browser's file picker and saved again, byte for byte, as a download;
files that are not saved games refused with the game left as it was."""

import struct
import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import SOURCE_DIR, board_text, wait_for  # noqa: E402

GOLDEN = SOURCE_DIR / "tests" / "sim" / "golden" / "seed11-move25.kvx"


def desk_of(saved):
    return list(struct.unpack_from("<81i", saved, 20))


class SaveLoadTest(harness.BrowserTest):
    def setUp(self):
        super().setUp()
        self.page.open(self.server.url())
        self.page.wait_started()

    def test_a_loaded_game_is_shown_and_saves_back_byte_for_byte(self):
        page = self.page
        golden = GOLDEN.read_bytes()
        self.assertEqual(len(golden), 1320)
        page.load_game(GOLDEN)
        wait_for("the loaded Desk", lambda: page.cells() == desk_of(golden))
        self.assertEqual(page.score(), str(struct.unpack_from("<i", golden, 4)[0]))
        self.assertEqual(page.previews(), list(struct.unpack_from("<3i", golden, 8)))

        offered, saved = page.save_game("copy")
        self.assertEqual(offered, "save1.kvx")
        self.assertEqual(len(saved), 1320)
        self.assertEqual(saved, golden, "the saved game differs from the one loaded")

    def refused(self, name, data, box):
        page = self.page
        path = self.temp.path / name
        path.write_bytes(data)
        before = page.cells()
        score = page.score()
        page.load_game(path)
        self.assertEqual(page.wait_box(), box)
        page.press_box_ok()
        self.assertEqual(page.cells(), before, "the refused file changed the Desk:\n" +
                         board_text(page.cells()))
        self.assertEqual(page.score(), score)

    def test_a_file_without_the_signature_is_invalid_or_corrupt(self):
        golden = GOLDEN.read_bytes()
        self.refused("damaged.kvx", b"kvy\0" + golden[4:], '"damaged.kvx" is invalid or corrupt!')

    def test_a_saved_game_cut_short_is_read_beyond_its_end(self):
        self.refused("short.kvx", GOLDEN.read_bytes()[:700], "Read beyond end of file.")


if __name__ == "__main__":
    harness.main()
