"""The Qt game as a Linux screen reader reads it, through AT-SPI.

Run by reader_session.sh on a private D-Bus session. Starts its own Xvfb,
openbox and accessibility bus, listens for the events a screen reader listens
for, then starts the game and plays a whole game with the keyboard alone,
reading the board from the Desk's accessible table only. What a reader is
told is printed as it comes.

Usage: screen_reader_test.py <game> [screenshot folder]
"""

import os
import re
import subprocess
import sys
import time
from collections import deque

from pathlib import Path

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "web"))
sys.path.insert(0, str(Path(__file__).resolve().parent))
import orca_speech  # noqa: E402

TIMEOUT = 20  # seconds for anything the game should do at once
COLOURS = ["blue", "cyan", "green", "magenta", "red", "yellow"]
CELL_NAME = re.compile(r"^(?:empty|(\w+) ball(?: with a \w+)?), row (\d), column (\d)"
                       r"(?:, reachable|, no route)?$")
# While a ball is selected a free cell also says whether it can get there.
REACH = re.compile(r", (?:reachable|no route)$")
PREVIEW_NAME = re.compile(r"^Next: (\w+)( \w+)?, (\w+)( \w+)?, (\w+)( \w+)?$")


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def say(line):
    print(line, flush=True)


def place(x, y):
    return "row %d, column %d" % (y + 1, x + 1)


def names_place(name, cell):
    """Whether a cell's name says it lies on `cell`."""
    return REACH.sub("", name).endswith(place(*cell))


def wait_until(condition, what, pump=None):
    deadline = time.monotonic() + TIMEOUT
    while True:
        if pump:
            pump()
        result = condition()
        if result:
            return result
        check(time.monotonic() < deadline, "waited %d s for %s" % (TIMEOUT, what))
        time.sleep(0.02)


def run(*command):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          check=False).stdout


class Session:
    """The display with openbox, the accessibility bus and the game, ended in
    reverse order."""

    def __init__(self):
        self.processes = []
        self.display = None

    def start(self, *command, **kwargs):
        self.processes.append(subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL, **kwargs))
        return self.processes[-1]

    def begin(self):
        # The private display of the browser tests (which tries again when
        # another server takes its number), and the accessibility bus of
        # the Orca tests.
        from x_display import XDisplay

        self.display = XDisplay(os.environ, os.path.join(os.environ["TMPDIR"], "xvfb.log"),
                                size=(1024, 768)).start()
        os.environ["DISPLAY"] = self.display.name
        # Keep the pointer off the Desk: a pointer move there hides the cursor.
        run("xdotool", "mousemove", "0", "0")
        self.processes.append(orca_speech.start_accessibility_bus())

    def end(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        if self.display:
            self.display.stop()


def key(*keys):
    run("xdotool", "key", "--clearmodifiers", *keys)


class Reader:
    """Listens as a screen reader does and keeps what it was told, in order."""

    def __init__(self, atspi):
        self.atspi = atspi
        self.told = deque()
        self.history = []  # everything told, for checks over the whole game
        self.quiet = False
        atspi.Registry.registerEventListener(
            self.heard, "object:state-changed:focused", "object:state-changed:selected",
            "object:state-changed:showing", "object:property-change:accessible-name",
            "object:children-changed")

    def heard(self, event):
        try:
            role, name = event.source.getRoleName(), event.source.name
            if event.source.getRole() == self.atspi.ROLE_NOTIFICATION:
                name = event.source[0].name  # its label
        except Exception:  # gone meanwhile
            return
        kind = event.type.split(":")[-1]
        self.told.append((kind, event.detail1, role, name))
        self.history.append(self.told[-1])
        shown = {"focused": "focus:   ", "selected": "selected:" if event.detail1 else "unselected:",
                 "showing": "news:    ", "accessible-name": "name:    "}.get(kind)
        if shown and not self.quiet and (event.detail1 or kind != "focused"):
            if kind in ("focused", "accessible-name"):
                name = "[%s] %s" % (role, name)
            if kind != "showing" or role == "notification":
                say("  %s %s" % (shown, name))

    @staticmethod
    def pump():
        while GLib.MainContext.default().iteration(False):
            pass

    def expect(self, kind, role=None, name=lambda n: True, on=1):
        """The role and name of the first thing told from now on of this kind,
        role and name."""

        def found():
            while self.told:
                told = self.told.popleft()
                if told[:2] == (kind, on) and role in (None, told[2]) and name(told[3]):
                    return told[2:]
            return None

        return wait_until(found, "%s %s" % (role or "", kind), self.pump)

    def focus(self, cell):
        return self.expect("focused", "table cell", lambda n: names_place(n, cell))[1]

    def news(self, pattern=""):
        """The next news read out that matches `pattern` (a selection's
        news comes before a move's)."""
        return self.expect("showing", "notification", lambda n: re.search(pattern, n))[1]


class Game:
    """The running game as its accessible objects show it."""

    def __init__(self, atspi, reader, session, program):
        self.atspi, self.reader = atspi, reader
        self.process = session.start(program, cwd=os.environ["HOME"],
                                     env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.app = wait_until(self.find_app, "the game's accessible application", reader.pump)
        self.frame = wait_until(lambda: next((w for w in self.app if w and w.getRole() ==
                                              atspi.ROLE_FRAME), None), "the main window")
        self.table = wait_until(lambda: self.find(self.frame, atspi.ROLE_TABLE), "the table")
        wait_until(lambda: self.ball_count() == 3, "the first three balls", reader.pump)
        self.cursor = (4, 4)

    def find_app(self):
        desktop = self.atspi.Registry.getDesktop(0)
        desktop.clearCache()
        return next((a for a in desktop if a and a.name == "Quorbals" and a.childCount), None)

    def find(self, root, role, pattern=""):
        return self.atspi.findDescendant(root, lambda o: o is not None and o.getRole() == role
                                         and re.match(pattern, o.name))

    def named(self, role, pattern):
        found = self.find(self.frame, role, pattern)
        check(found is not None, "nothing named like %r" % pattern)
        return found.name

    def cell(self, x, y):
        return self.table.queryTable().getAccessibleAt(y, x)

    def board(self):
        """Colour per cell (None: empty), read from the cells' names."""
        cells = []
        for index in range(81):
            name = self.cell(index % 9, index // 9).name
            match = CELL_NAME.match(name)
            check(match and names_place(name, (index % 9, index // 9)), "a cell named %r" % name)
            cells.append(match.group(1))
        return cells

    def ball_count(self):
        return sum(c is not None for c in self.board())

    def go_to(self, target):
        """Moves the cursor there with the keys of keyboard play, hearing each step."""
        (tx, ty), moves = target, {"Home": (0, None), "End": (8, None), "Page_Up": (None, 0),
                                   "Page_Down": (None, 8), "Left": (-1, 0), "Right": (1, 0),
                                   "Up": (0, -1), "Down": (0, 1)}
        while self.cursor != target:
            x, y = self.cursor
            name = ("Home" if tx == 0 != x else "End" if tx == 8 != x else
                    "Page_Up" if ty == 0 != y else "Page_Down" if ty == 8 != y else
                    ("Right" if tx > x else "Left") if tx != x else ("Down" if ty > y else "Up"))
            dx, dy = moves[name]
            if name in ("Left", "Right", "Up", "Down"):
                self.cursor = (x + dx, y + dy)
            else:
                self.cursor = (x if dx is None else dx, y if dy is None else dy)
            key(name)
            self.reader.focus(self.cursor)

    def window(self, role, text):
        """A window of the game showing `text`, once it shows."""

        def find():
            self.app.clearCache()
            return next((w for w in self.app if w and w.getRole() == role and
                         (w.name == text or self.find(w, self.atspi.ROLE_LABEL, text + "$"))),
                        None)

        return wait_until(find, "a window with %r" % text, self.reader.pump)


def quiet_move(board):
    """The move that lines up the fewest balls of its colour, so that the Desk fills."""

    def free(x, y):
        return 0 <= x < 9 and 0 <= y < 9 and board[y * 9 + x] is None

    def run_through(target, start, colour):
        runs = []
        for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
            n = 1
            for s in (1, -1):
                x, y = target[0] + s * dx, target[1] + s * dy
                while 0 <= x < 9 and 0 <= y < 9 and (x, y) != start and board[y * 9 + x] == colour:
                    n, x, y = n + 1, x + s * dx, y + s * dy
            runs.append(n)
        return max(runs)

    moves = []
    for index, colour in enumerate(board):
        start = (index % 9, index // 9)
        seen, todo = {start}, [start] if colour else []
        while todo:
            x, y = todo.pop()
            for near in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if near not in seen and free(*near):
                    seen.add(near)
                    todo.append(near)
                    moves.append((run_through(near, start, colour), start, near))
    return min(moves)[1:] if moves else None


def dump(atspi, obj, depth=0):
    """The tree as a reader walks it, the Desk's cells as a grid of short names."""
    states = sorted(atspi.stateToString(s) for s in obj.getState().getStates())
    say("%s[%s] %r  (%s)" % ("  " * depth, obj.getRoleName(), obj.name, ", ".join(states)))
    indent = "  " * (depth + 1)
    if obj.getRole() == atspi.ROLE_TABLE:
        table = obj.queryTable()
        say("%s%d rows x %d columns, %d cells:" % (indent, table.nRows, table.nColumns,
                                                  obj.childCount))
        for row in range(table.nRows):
            say(indent + " | ".join(table.getAccessibleAt(row, column).name.split(",")[0]
                                    .replace(" ball", "") for column in range(table.nColumns)))
    elif obj.getRole() == atspi.ROLE_MENU_BAR:
        say("%s(menus: %s)" % (indent, ", ".join(c.name for c in obj)))
    else:
        for child in obj:
            dump(atspi, child, depth + 1)


def read_the_desk(game, atspi):
    say("The tree:")
    dump(atspi, game.frame)
    table = game.table.queryTable()
    check((table.nRows, table.nColumns, game.table.childCount) == (9, 9, 81), "9 x 9 cells")
    check(game.ball_count() == 3, "three balls on a new Desk")
    for x, y in ((0, 0), (8, 0), (3, 7)):
        index = table.getIndexAt(y, x)
        check((table.getRowAtIndex(index), table.getColumnAtIndex(index)) == (y, x)
              and game.table[index].name.endswith(place(x, y)), "the cell at " + place(x, y))
    check(game.named(atspi.ROLE_LABEL, "Score: ") == "Score: 0", "the score read as 0")
    previews = PREVIEW_NAME.match(game.named(atspi.ROLE_IMAGE, "Next: "))
    check(previews and set(previews.group(1, 3, 5)) <= set(COLOURS), "the previews' colours")
    check(game.find(game.frame, atspi.ROLE_NOTIFICATION), "a notification for the news")


def first_turn(game, atspi, reader, shots):
    """Focus, selection, deselection, a move and the marks, as a reader hears them."""
    say("The Desk takes the focus on the centre cell:")
    reader.focus((4, 4))
    check(game.cell(4, 4).getState().contains(atspi.STATE_FOCUSED), "the centre cell focused")
    board = game.board()
    start, target = quiet_move(board)
    ball = "%s ball, %s" % (board[start[1] * 9 + start[0]], place(*start))
    say("The first key shows the cursor where it is; the arrows, Home, End, Page Up and "
        "Page Down take it to the " + ball)
    key("Right")
    game.go_to(start)
    say("Enter selects it, Escape lets it go, the keypad's Enter selects it again:")
    for name, on in (("Return", 1), ("Escape", 0), ("KP_Enter", 1)):
        key(name)
        reader.expect("selected", "table cell", lambda n: n.endswith(place(*start)), on)
    check(game.cell(*start).getState().contains(atspi.STATE_SELECTED), "the cell selected")

    say("The cursor goes to %s; Space moves the ball there:" % place(*target))
    game.go_to(target)
    if shots:
        run("import", "-window", "root", os.path.join(shots, "e2e-qt-reader-cursor.png"))
    key("space")
    moved = ball.replace(place(*start), place(*target))
    # The focused cell is named by the ball as it sets off; the news follows the turn.
    reader.expect("accessible-name", "table cell", lambda n: n == moved, on=0)
    news = reader.news(" moved to ")
    check(news.startswith("%s moved to %s." % (moved.split(",")[0].capitalize(), place(*target))),
          "news of the move: %r" % news)
    check(re.match(r"Score: \d+$", game.named(atspi.ROLE_LABEL, "Score: ")), "the score")

    say("Ctrl+M switches the colour marks on; the names carry them:")
    key("ctrl+m")
    check(reader.news("^Colour marks") == "Colour marks on.", "the marks announced")
    check(" ball with a " in game.cell(*target).name, "a ball named with its mark")
    check(PREVIEW_NAME.match(game.named(atspi.ROLE_IMAGE, "Next: ")).group(2), "marked previews")
    if shots:
        run("import", "-window", "root", os.path.join(shots, "e2e-qt-reader-marks.png"))


def menu_keys(game, reader):
    say("Alt+G opens the Game menu, whose keys are its own; Escape goes back to the Desk:")
    for attempt in range(3):
        key("alt+g")
        # An item's name carries its shortcut after a tab: "Start\tF2".
        reader.expect("focused", "menu item", lambda n: n.split("\t")[0] == "Start")
        key("Down")
        role, item = reader.expect("focused")
        if role == "menu item":
            break
        # On a loaded machine openbox may take the focus back from a menu just
        # opened: the Down went to the Desk, as it should. The cursor goes to
        # a corner and the menu opens again.
        say("  (the menu closed by itself; again)")
        key("End", "Page_Down", "Home", "Page_Up")
        game.cursor = (0, 0)
        reader.focus(game.cursor)
    check(role == "menu item" and item != "Start", "Down moves in the menu")
    # The first Escape closes the menu and leaves its title lit; the second
    # gives the keyboard back to the Desk, on the cell it left.
    key("Escape")
    reader.expect("focused", "menu item", lambda n: n == "Game")
    key("Escape")
    reader.focus(game.cursor)


def rest_of_the_game(game, atspi, reader, shots):
    say("The rest of the game with the keyboard alone, the news of each turn:")
    reader.quiet = True
    turns = 0
    while None in game.board():
        check(turns < 300, "the game never ended")
        start, target = quiet_move(game.board())
        game.go_to(start)
        key("Return")
        reader.expect("selected", "table cell", lambda n: n.endswith(place(*start)))
        game.go_to(target)
        key("Return")
        say("  news:      " + reader.news(" moved to "))
        turns += 1
    reader.quiet = False
    say("The Desk is full after %d more turns:" % turns)
    if shots:
        run("import", "-window", "root", os.path.join(shots, "e2e-qt-reader-full.png"))
    game.window(atspi.ROLE_ALERT, "Game over!")
    reader.expect("focused", "push button")
    reader.history.clear()
    key("Return")
    game.window(atspi.ROLE_DIALOG, "Quorbals High Scores")
    reader.expect("focused", "text", lambda n: n == "Your name")
    check(("focused", 1, "table cell", "") not in reader.history,
          "no cell without a name ever has the focus")
    run("xdotool", "type", "--delay", "20", "Tester")
    key("Return")
    say("A new game:")
    reader.expect("focused", "table cell")
    wait_until(lambda: game.ball_count() == 3, "a new game's three balls", reader.pump)
    check(game.named(atspi.ROLE_LABEL, "Score: ") == "Score: 0", "the score back at 0")


def main():
    program, shots = os.path.abspath(sys.argv[1]), (sys.argv[2:] or [""])[0]
    session = Session()
    try:
        session.begin()
        import pyatspi  # only now: it joins the accessibility bus on import

        reader = Reader(pyatspi)  # before the game starts, which asks what readers hear
        game = Game(pyatspi, reader, session, program)
        read_the_desk(game, pyatspi)
        first_turn(game, pyatspi, reader, shots)
        menu_keys(game, reader)
        rest_of_the_game(game, pyatspi, reader, shots)
        say("Ctrl+X ends the game.")
        key("ctrl+x")
        check(game.process.wait(TIMEOUT) == 0, "the game ended normally")
        say("1 passed, 0 failed")
        return 0
    except (Failure, orca_speech.Failure, RuntimeError) as failure:
        say("FAIL: %s" % failure)
        return 1
    finally:
        session.end()


if __name__ == "__main__":
    sys.exit(main())
