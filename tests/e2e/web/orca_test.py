"""The browser game heard through Orca, played with the keyboard alone.

Run by tests/e2e/screen_reader/reader_session.sh on a private D-Bus
session: its own Xvfb with openbox, accessibility bus and Orca
(orca_speech.py), the site served on 127.0.0.1, and Chromium with its
accessibility on, in a window on that display, which Orca reads through
AT-SPI. The page takes back the game kept in its storage: the same nearly
full Desk as the Qt test's. The red ball is selected, a free cell is said
to be reachable and the shut-in one to have no route, Enter there says so,
the ball moves and the Desk fills. After each key the test waits for what
Orca says to it; everything it said, step by step, is printed and kept in
<folder>/orca-web-speech.txt. Game over is heard, and the high-score
dialog's name box as it takes the focus.

Usage: reader_session.sh ../web/orca_test.py [folder for the transcript]
(the site from QUORBALS_WEB_SITE, else build-web/site)
"""

import base64
import json
import os
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.path.insert(0, str(HERE.parent / "screen_reader"))

import harness  # noqa: E402
import orca_speech  # noqa: E402
from orca_speech import Failure, Steps, game_file, said  # noqa: E402

KEPT_KEY = "quorbals:/storage/Quorbals/quorbals.kvx"

# Before the page's own scripts, on its first load only: the game kept in
# its storage, as a game left at rest is kept.
KEEP_GAME_JS = """
if (!sessionStorage.getItem("quorbals-test-kept")) {
    sessionStorage.setItem("quorbals-test-kept", "1");
    localStorage.setItem(%s, %s);
}
"""


def play(run, page):
    run.step("The page loads and takes back the kept game; the Desk has the keyboard:")
    run.hear(re.compile(r"\bDesk\b"))
    harness.wait_for("the kept game", lambda: page.cells().count(-1) == 3, 30)

    run.step("The first key shows the cursor where it stands:", ["Page_Down"])
    run.hear(said("Blue ball, row 5, column 5."))
    run.step("Page Down, End: the bottom right corner, free:", ["Page_Down"])
    run.hear(re.compile(r"^green ball\b"))
    run.step("", ["End"])
    run.hear(re.compile(r"^empty\b"))
    run.step("Left twice: the red ball on row 9, column 7:", ["Left"])
    run.hear(re.compile(r"^empty\b"))
    run.step("", ["Left"])
    run.hear(re.compile(r"^red ball\b"))
    run.step("Enter selects it:", ["Return"])
    run.hear(said("Red ball selected, row 9, column 7."))
    run.step("Right: a free cell it can reach:", ["Right"])
    run.hear(re.compile(r"^empty, reachable\b"))
    run.step("Home, Page Up: the corner cell it cannot reach:", ["Home"])
    run.hear(re.compile(r"^red ball\b"))
    run.step("", ["Page_Up"])
    run.hear(re.compile(r"^empty, no route\b"))
    run.step("Enter there moves nothing:", ["Return"])
    run.hear(said("No route to row 1, column 1."))
    run.step("End, Page Down: the bottom right corner again:", ["End"])
    run.hear(re.compile(r"^green ball\b"))
    run.step("", ["Page_Down"])
    run.hear(re.compile(r"^empty, reachable\b"))
    run.step("Enter: the ball travels there, three new balls fill the Desk:", ["Return"])
    spoken = run.hear(re.compile(r"^Red ball moved to row 9, column 9\. "))
    news = spoken[-1]
    placed = re.findall(r"(\w+) at row (\d), column (\d)", news)
    if sorted((int(r), int(c)) for _, r, c in placed) != [(1, 1), (9, 7), (9, 8)]:
        raise Failure("the news of the move names other cells: %r" % news)
    harness.wait_for("the Game over box", lambda: page.box_text() == "Game over!", 30)
    # The box and the news come in either order: one is the focus, the
    # other a live region.
    if not any(re.search(r"\bGame over!", text) for text in spoken):
        run.hear(re.compile(r"\bGame over!"))
    run.step("Enter (OK) on the Game over box: the high-score dialog:", ["Return"])
    harness.wait_for("the high-score dialog", lambda: (page.high_scores() or {}).get("shown"), 30)
    run.hear(re.compile(r"^Your name entry New Player\b"))
    run.step("Enter (OK) there:", ["Return"])
    harness.wait_for("the high-score dialog to close",
                     lambda: not page.high_scores()["shown"], 30)
    run.step("")
    run.flush_step()


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 and sys.argv[1] else None
    if not (harness.SITE / "index.html").exists():
        print(f"SKIP: no browser site in {harness.SITE} (tools/make_web.sh builds it)")
        return harness.SKIP
    for tool in ("/usr/bin/orca", harness.CHROMIUM, harness.CHROMEDRIVER):
        if not os.access(tool, os.X_OK):
            print(f"SKIP: {tool} is missing (tools/setup-debian.sh installs it)")
            return harness.SKIP
    from x_display import XDisplay

    temp = harness.TempFolder()
    display = bus = orca = server = browser = run = None
    transcript_path = (out or temp.path) / "orca-web-speech.txt"
    try:
        with open(transcript_path, "w", encoding="utf-8") as transcript:
            try:
                display = XDisplay(os.environ, temp.path / "xvfb.log", size=(1024, 768)).start()
                os.environ["DISPLAY"] = display.name
                subprocess.run(["xdotool", "mousemove", "0", "0"], check=False)
                bus = orca_speech.start_accessibility_bus()
                orca = orca_speech.Orca(temp.path, (out or temp.path) / "orca-web-debug.txt")
                orca.start()
                run = Steps(orca, transcript)
                server = harness.Server(harness.SITE, temp.path).start()
                browser = harness.Browser(temp.sub("browser"), headless=False,
                                          extra_flags=["--force-renderer-accessibility"],
                                          window=(900, 700))
                kept = base64.b64encode(game_file()).decode()
                browser.cdp("Page.addScriptToEvaluateOnNewDocument", {
                    "source": KEEP_GAME_JS % (json.dumps(KEPT_KEY), json.dumps(kept))})
                page = harness.GamePage(browser)
                run.step("(the page opens)")
                browser.begin_open(server.url())
                play(run, page)
                print("1 passed, 0 failed")
                return 0
            except (Failure, AssertionError) as failure:
                if run:
                    run.flush_step()
                print("FAIL: %s" % failure)
                return 1
            finally:
                if browser:
                    browser.quit()
                if server:
                    server.stop()
                if orca:
                    orca.stop()
                if bus and bus.poll() is None:
                    bus.terminate()
                    bus.wait(10)
                if display:
                    display.stop()
    finally:
        temp.remove()


if __name__ == "__main__":
    sys.exit(main())
