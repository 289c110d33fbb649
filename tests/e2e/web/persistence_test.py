"""What outlasts a reload in headless Chromium: the high scores and the Sound
switch in the browser's storage; and the whole game, kept by the service
worker, once the server has gone."""

import struct
import sys
import urllib.error
import urllib.request
import wave

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import (SCORE_KEY, SETTINGS_KEY, SOURCE_DIR, board_text,  # noqa: E402
                     play_one_move, wait_for)

# Notes, from the first frame of the page on, the audio contexts made, the
# wave files asked for, and every sound buffer started (its length: each
# wave file has a length of its own) and stopped.
SOUND_RECORDER_JS = r"""
(() => {
    const log = window.__quorbalsAudio = {contexts: 0, waves: 0, events: []};
    const Context = window.AudioContext;
    window.AudioContext = class extends Context {
        constructor(...args) {
            super(...args);
            ++log.contexts;
        }
    };
    const fetchFile = window.fetch;
    window.fetch = function (input, ...rest) {
        if (String(input && input.url || input).endsWith('.wav')) ++log.waves;
        return fetchFile.call(this, input, ...rest);
    };
    const source = AudioBufferSourceNode.prototype;
    const start = source.start, stop = source.stop;
    source.start = function (...args) {
        log.events.push(['start', this.buffer ? this.buffer.duration : -1]);
        return start.apply(this, args);
    };
    source.stop = function (...args) {
        log.events.push(['stop']);
        return stop.apply(this, args);
    };
})();
"""


def wave_seconds(name):
    with wave.open(str(SOURCE_DIR / "assets" / "sounds" / name)) as w:
        return w.getnframes() / w.getframerate()


def near_full_game(score):
    """A saved game with three free cells at the end of the last row and no
    colour five times in a row anywhere: moving the ball at (5, 8) one cell
    right and placing the three previewed balls fills the Desk without a
    line, so the game is over."""
    free = {(6, 8), (7, 8), (8, 8)}
    desk = [-1 if (x, y) in free else (x + 2 * y) % 6 for y in range(9) for x in range(9)]
    data = b"kvx\0" + struct.pack("<i3i", score, 0, 1, 2) + struct.pack("<81i", *desk)
    for y in range(9):
        for x in range(9):
            data += struct.pack("<iiB3x", x, y, 1 if (x, y) in free else 0)
    return data + struct.pack("<i", len(free))


class ReloadTest(harness.BrowserTest):
    def audio(self):
        return self.page.js("return window.__quorbalsAudio;")

    def sounds(self):
        return [e[1] for e in self.audio()["events"] if e[0] == "start"]

    def select_a_ball(self):
        page = self.page
        cells = page.cells()
        page.click_cell(next(i for i, c in enumerate(cells) if c >= 0))
        wait_for("a glowing ball", lambda: any(page.desk()["dots"]))

    def test_the_scores_and_the_sound_switch_outlast_a_reload(self):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys

        page = self.page
        self.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": SOUND_RECORDER_JS})
        page.open(self.server.url())
        page.wait_started()
        self.assertTrue(page.sound_checked(), "Sound starts switched off")
        # Before the player's first gesture the page prepares no sound.
        self.assertEqual((self.audio()["contexts"], self.audio()["waves"]), (0, 0))
        # Sound on: the first click selects a ball and plays "select.wav",
        # whole.
        self.select_a_ball()
        select = wave_seconds("select.wav")
        wait_for("a cue played", self.sounds)
        self.assertEqual(len(self.sounds()), 1, self.sounds())
        self.assertAlmostEqual(self.sounds()[0], select, delta=0.002)
        self.assertEqual(self.audio()["contexts"], 1)

        # A game over with a score of 1234 and a Cyrillic name: the name is
        # kept in the score file as code page 1251 bytes.
        path = self.temp.path / "almost-full.kvx"
        path.write_bytes(near_full_game(1234))
        page.load_game(path)
        wait_for("the loaded game", lambda: page.cells().count(-1) == 3)
        page.move(5 + 8 * 9, 6 + 8 * 9)
        self.assertEqual(page.wait_box(), "Game over!")
        page.press_box_ok()
        wait_for("the name box", lambda: page.high_scores()["nameShown"])
        name = "\u0418\u0432\u0430\u043d"  # Ivan
        ActionChains(page.driver).send_keys(name).send_keys(Keys.ENTER).perform()
        wait_for("the high-score dialog to close", lambda: not page.high_scores()["shown"])
        record = page.storage(SCORE_KEY)
        self.assertEqual(record[:4], struct.pack("<i", 1234))
        self.assertEqual(record[4:5 + len(name)], bytes([len(name)]) + name.encode("cp1251"))

        # Every cue played whole, cut off only by the next one.
        lengths = {wave_seconds(n) for n in
                   ("select.wav", "move.wav", "remove.wav", "add.wav", "end.wav")}
        events = self.audio()["events"]
        self.assertIn(["start", wave_seconds("end.wav")], events, "no game-over cue")
        for i, event in enumerate(events):
            if event[0] == "start":
                self.assertTrue(any(abs(event[1] - n) < 0.002 for n in lengths), events)
            else:
                self.assertEqual(events[i + 1][0] if i + 1 < len(events) else None, "start",
                                 f"a cue cut off with no new one: {events}")

        page.menu("MI_Game", "MI_OptionsSound")
        self.assertFalse(page.sound_checked())

        page.driver.refresh()
        page.wait_started()
        self.assertFalse(page.sound_checked(), "Sound is on again after the reload")
        settings = page.storage(SETTINGS_KEY)
        self.assertIsNotNone(settings, "no settings file in the browser's storage")
        self.assertEqual((len(settings), settings[8]), (9, 0))
        self.assertEqual(page.storage(SCORE_KEY), record)
        page.menu("MI_Game", "MI_GameScores")
        wait_for("the high-score dialog", lambda: page.high_scores()["shown"])
        self.assertEqual(page.high_scores()["rows"][1], ["1", name, "1234"])
        page.high_scores_ok()

        # Sound off: selecting a ball plays nothing.
        self.select_a_ball()
        self.assertEqual(self.sounds(), [])


class ExitTest(harness.BrowserTest):
    def test_exit_keeps_the_settings_and_ends_the_game(self):
        page = self.page
        page.open(self.server.url())
        page.wait_started()
        page.menu("MI_Game", "MI_OptionsSound")
        self.assertFalse(page.sound_checked())
        page.menu("MI_Game", "MI_GameExit")
        wait_for("the page's note that the game has ended",
                 lambda: page.js("const n = document.querySelector('.ended');"
                                 "return n && n.textContent;").startswith("Quorbals has ended."))
        self.assertFalse(page.main_shown())
        settings = page.storage(SETTINGS_KEY)
        self.assertIsNotNone(settings, "Exit saved no settings")
        self.assertEqual((len(settings), settings[8]), (9, 0))


class OfflineTest(harness.BrowserTest):
    def test_after_one_visit_the_game_starts_and_plays_without_the_server(self):
        page = self.page
        page.open(self.server.url())
        page.wait_started()
        wait_for("the service worker to control the page",
                 lambda: page.js("return Boolean(navigator.serviceWorker.controller);"),
                 timeout=20)
        url = self.server.url()
        self.server.stop()
        with self.assertRaises(urllib.error.URLError):
            urllib.request.urlopen(url, timeout=5)

        page.driver.refresh()
        cells = page.wait_started()["cells"]
        count = sum(c >= 0 for c in cells)
        play_one_move(page, cells, prefer_far=True)
        wait_for(f"a move and its turn on\n{board_text(cells)}\n",
                 lambda: sum(c >= 0 for c in page.cells()) == count + 3)


if __name__ == "__main__":
    harness.main()
