"""The Qt game heard through Orca, played with the keyboard alone.

Run by reader_session.sh on a private D-Bus session: its own Xvfb with
openbox, accessibility bus and Orca (orca_speech.py). The game loads a
game whose Desk has three free cells: one shut in at the top left corner,
two at the end of the bottom row. The red ball beside them is selected,
the shut-in cell is said to have no route and Enter there says so, the
ball moves, the last balls fill the Desk, and Game over and the high-score
dialog are heard; then the About box. After each key the test waits for
what Orca says to it. Everything Orca said, step by step, is printed and
kept in <folder>/orca-qt-speech.txt.

Usage: orca_test.py <game> [folder for the transcript]
"""

import os
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "web"))  # the private X display
sys.path.insert(0, str(HERE))

import orca_speech  # noqa: E402
from orca_speech import SCORE, Failure, Steps, ball, game_file, said  # noqa: E402

SKIP = 77


def play(run, folder):
    run.step("The game starts; the Desk has the keyboard, on the centre cell:")
    run.hear(re.compile(r", row 5, column 5\.?$"))

    # In the home folder, where the file dialog opens: its name alone is
    # typed.
    (Path(os.environ["HOME"]) / "full.kvx").write_bytes(game_file())
    for attempt in range(3):
        if attempt:
            # The keys went nowhere: a dialog that has not yet given its box
            # the keyboard, or openbox, which now and then gives the focus to
            # no window as a dialog closes. Escape, the main window, again.
            run.step("  (no loaded game to be heard; again)", ["Escape"])
            subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorbals$",
                            "windowactivate"], check=False)
        run.open_menu("A click opens the Game menu, L picks its Load... item:", 20, "Game")
        run.step("", ["l"])
        run.hear(re.compile(r"Load game"))
        run.step("The file's name and Enter:", typed="full.kvx")
        run.step("", ["Return"])
        try:
            run.hear(said(ball(4, 4)), 15)
            break
        except Failure:
            if attempt == 2:
                raise

    run.step("The first key shows the cursor where it stands:", ["Page_Down"])
    run.hear(said(ball(4, 4).capitalize() + "."))
    run.step("Page Down, End: the bottom right corner, free:", ["Page_Down"])
    run.hear(said(ball(4, 8)))
    run.step("", ["End"])
    run.hear(said("empty, row 9, column 9"))
    run.step("Left twice: the red ball on row 9, column 7:", ["Left"])
    run.hear(said("empty, row 9, column 8"))
    run.step("", ["Left"])
    run.hear(said(ball(6, 8)))
    run.step("Enter selects it:", ["Return"])
    run.hear(said("Red ball selected, row 9, column 7."))
    run.step("Right: a free cell it can reach:", ["Right"])
    run.hear(said("empty, row 9, column 8, reachable"))
    run.step("Home, Page Up: the corner cell it cannot reach:", ["Home"])
    run.hear(said(ball(0, 8)))
    run.step("", ["Page_Up"])
    run.hear(said("empty, row 1, column 1, no route"))
    run.step("Enter there moves nothing:", ["Return"])
    run.hear(said("No route to row 1, column 1."))
    run.step("End, Page Down: the bottom right corner again:", ["End"])
    run.hear(said(ball(8, 0)))
    run.step("", ["Page_Down"])
    run.hear(said("empty, row 9, column 9, reachable"))
    run.step("Enter: the ball travels there, three new balls fill the Desk:", ["Return"])
    news = run.hear(re.compile(r"^Red ball moved to row 9, column 9\. "))[-1]
    placed = re.findall(r"(\w+) at row (\d), column (\d)", news)
    if sorted((int(r), int(c)) for _, r, c in placed) != [(1, 1), (9, 7), (9, 8)]:
        raise Failure("the news of the move names other cells: %r" % news)
    run.hear(said("Game over!"))
    run.hear(said("OK push button"))

    run.step("Enter (OK): the high-score dialog, its name box with the name offered:",
             ["Return"])
    run.hear(said("Quorbals High Scores dialog New high score: place 1, %d points." % SCORE))
    # The box with its label; then its text (Qt 6.4 gives readers the line
    # of a one-line box without its last character: "New Playe selected.").
    run.hear(said("Your name text"))
    run.hear(re.compile(r"^New Play"))
    run.step("A name and Enter (OK): back on the Desk:", typed="Tester")
    run.hear(said("r"))
    run.step("", ["Return"])
    run.hear(re.compile(r", row 9, column 9\.?$"))

    run.open_menu("A click opens the Help menu, A picks its About ... item:", 112, "Help")
    run.step("", ["a"])
    # Orca reads a dialog's labels of three words or more only: of the
    # box's six texts, the author's line and the date.
    run.hear(re.compile(r"^About dialog .*Written by "))
    run.step("Escape closes it:", ["Escape"])
    run.hear(re.compile(r", row 9, column 9\.?$"))
    run.step("Ctrl+X ends the game.", ["ctrl+x"])
    run.flush_step()


def main():
    program = os.path.abspath(sys.argv[1])
    out = Path(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[2] else None
    if not os.access("/usr/bin/orca", os.X_OK):
        print("SKIP: orca is not installed (tools/setup-debian.sh installs it)")
        return SKIP
    from x_display import XDisplay

    folder = Path(os.environ["TMPDIR"])
    display = bus = orca = game = run = None
    transcript_path = (out or folder) / "orca-qt-speech.txt"
    with open(transcript_path, "w", encoding="utf-8") as transcript:
        try:
            display = XDisplay(os.environ, folder / "xvfb.log", size=(1024, 768)).start()
            os.environ["DISPLAY"] = display.name
            # Keep the pointer off the Desk: a pointer move there hides the cursor.
            subprocess.run(["xdotool", "mousemove", "0", "0"], check=False)
            bus = orca_speech.start_accessibility_bus()
            orca = orca_speech.Orca(folder, (out or folder) / "orca-qt-debug.txt").start()
            run = Steps(orca, transcript)
            game = subprocess.Popen([program], cwd=os.environ["HOME"],
                                    env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            play(run, folder)
            if game.wait(orca_speech.TIMEOUT) != 0:
                raise Failure("the game ended with status %d" % game.returncode)
            print("1 passed, 0 failed")
            return 0
        except Failure as failure:
            if run:
                run.flush_step()
            print("FAIL: %s" % failure)
            return 1
        finally:
            for process in (game, bus):
                if process and process.poll() is None:
                    process.terminate()
                    process.wait(10)
            if orca:
                orca.stop()
            if display:
                display.stop()


if __name__ == "__main__":
    sys.exit(main())
