"""Orca, the screen reader, as the end-to-end tests listen through it.

The tests run on a private D-Bus session (see reader_session.sh) with an
accessibility bus of their own (`start_accessibility_bus`). Orca runs there
with a preferences folder of its own, default settings, and no synthesizer:
what it would have spoken is what its debug file says under "SPEECH
OUTPUT". `Orca.heard` waits for an utterance, each wait reading on from
where the last one ended, so that every step is checked against what it
made Orca say, and nothing older.
"""

import os
import pty
import re
import struct
import subprocess
import threading
import time
import tty
from pathlib import Path

TIMEOUT = 30  # seconds: Orca on a loaded machine takes its time
# "SPEECH OUTPUT: 'text'", then the voice the text is spoken in, if any.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?: ?\[?\{.*\}\]?)?$")


class Failure(AssertionError):
    pass


def wait_until(what, condition, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("waited %d s for %s" % (timeout, what))
        time.sleep(0.05)


def start_accessibility_bus(env=None):
    """at-spi's bus launcher on the current session bus, once the bus it
    launches is there: the process, for the caller to end."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def owned():
        if launcher.poll() is not None:
            raise Failure("the accessibility bus launcher ended")
        return b"true" in subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
             "string:org.a11y.Bus"], env=env, capture_output=True, check=False).stdout

    wait_until("the accessibility bus", owned)
    return launcher


class Orca:
    """Orca with its own preferences in `folder`, its debug output kept in
    `transcript` (Path) as it comes."""

    def __init__(self, folder, transcript, env=None):
        self.folder = Path(folder)
        self.transcript = Path(transcript)
        self.env = dict(env or os.environ)
        self.process = None
        self.lines = []  # the debug file's lines so far
        self.spoken = []  # what Orca said so far, in order
        self.heard_up_to = 0  # the part of `spoken` the waits have gone past
        self.lock = threading.Lock()
        self.reader = None

    def start(self):
        prefs = self.folder / "orca-prefs"
        prefs.mkdir(parents=True, exist_ok=True)
        # Orca writes its debug file fully buffered: the line a test waits
        # for could stay in the buffer until more comes. To a terminal it
        # writes each line as it goes, so the file it is given is one end of
        # a pseudo-terminal, whose other end is copied into the transcript.
        master, slave = pty.openpty()
        tty.setraw(slave)
        env = dict(self.env)
        # No synthesizer: the speech client finds no server and may start
        # none, so that what would be spoken is only written down.
        env["SPEECHD_ADDRESS"] = "unix_socket:%s" % (self.folder / "no-speech.sock")
        env["SPEECHD_CMD"] = "/bin/false"
        env["GSETTINGS_BACKEND"] = "memory"
        # Orca refuses to start while another Orca of the same user runs
        # anywhere on the machine, as it asks pgrep: here only this
        # session's count.
        shim = self.folder / "orca-bin"
        shim.mkdir(exist_ok=True)
        (shim / "pgrep").write_text('#!/bin/sh\nexec /usr/bin/pgrep -s %d "$@"\n' % os.getsid(0))
        (shim / "pgrep").chmod(0o755)
        env["PATH"] = "%s:%s" % (shim, env.get("PATH", "/usr/bin:/bin"))
        with open(self.folder / "orca.log", "ab") as log:
            self.process = subprocess.Popen(
                ["/usr/bin/orca", "-u", str(prefs), "--debug-file", "/dev/fd/%d" % slave],
                env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log, pass_fds=(slave,))
        os.close(slave)
        self.reader = threading.Thread(target=self._copy, args=(master,), daemon=True)
        self.reader.start()
        # Ready once it listens for the desktop's events.
        wait_until("Orca to start",
                   lambda: self._running() and self._logged("ORCA: Starting registry"), 60)
        return self

    def _running(self):
        if self.process.poll() is not None:
            raise Failure("Orca ended with status %d; see %s" % (self.process.returncode,
                                                                  self.transcript))
        return True

    def _logged(self, text):
        with self.lock:
            return any(text in line for line in self.lines)

    def _copy(self, master):
        with open(self.transcript, "w", encoding="utf-8") as out:
            pending = b""
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:  # Orca has gone and the terminal with it
                    data = b""
                if not data:
                    break
                out.write(data.decode("utf-8", "replace"))
                out.flush()
                pending += data
                *whole, pending = pending.split(b"\n")
                with self.lock:
                    for raw in whole:
                        line = raw.decode("utf-8", "replace")
                        self.lines.append(line)
                        said = SPEECH.search(line)
                        if said:
                            self.spoken.append(said.group(1))
        os.close(master)

    def mark(self):
        """Forgets what Orca said so far: the next wait looks at what it
        says from now on."""
        with self.lock:
            self.heard_up_to = len(self.spoken)

    def since_mark(self):
        with self.lock:
            return self.spoken[self.heard_up_to:]

    def heard(self, wanted, timeout=TIMEOUT):
        """Waits until Orca has said `wanted` (a string, said whole, or a
        compiled pattern) since the last wait or mark; returns what it said
        up to and with it, and reads on from there."""

        def match(text):
            return text == wanted if isinstance(wanted, str) else wanted.search(text)

        def found():
            self._running()
            with self.lock:
                for i in range(self.heard_up_to, len(self.spoken)):
                    if match(self.spoken[i]):
                        said = self.spoken[self.heard_up_to:i + 1]
                        self.heard_up_to = i + 1
                        return said
            return None

        try:
            return wait_until("Orca to say %r" % (getattr(wanted, "pattern", wanted),), found,
                              timeout)
        except Failure as failure:
            raise Failure("%s; it said: %r" % (failure, self.since_mark())) from None

    def quiet_for(self, utterances):
        """Checks that none of `utterances` (patterns) was said since the
        last wait or mark."""
        said = self.since_mark()
        for pattern in utterances:
            for text in said:
                if re.search(pattern, text):
                    raise Failure("Orca said %r (matching %r)" % (text, pattern))

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if self.reader:
            self.reader.join(5)


class Steps:
    """A test's keys and what Orca said to each, printed and written to
    `transcript` (an open file) step by step."""

    def __init__(self, orca, transcript):
        self.orca = orca
        self.transcript = transcript
        self.start = 0

    def log(self, line):
        print(line, flush=True)
        self.transcript.write(line + "\n")
        self.transcript.flush()

    def flush_step(self):
        with self.orca.lock:
            said = self.orca.spoken[self.start:]
            self.start = len(self.orca.spoken)
        for text in said:
            self.log("    SPEECH OUTPUT: '%s'" % text)

    def step(self, title, keys=(), typed=None):
        """Writes down what Orca said to the last step, then presses `keys`
        (xdotool's names) or types `typed`: what Orca says from now on
        belongs to this step."""
        self.flush_step()
        if title:
            self.log(title)
        self.orca.mark()
        if typed is not None:
            subprocess.run(["xdotool", "type", "--delay", "30", typed], check=True)
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)

    def hear(self, wanted, timeout=TIMEOUT):
        return self.orca.heard(wanted, timeout)

    def open_menu(self, title, x, menu):
        """Opens a menu of the active window's menu bar with a click at `x`
        pixels from its left, once Orca reads its title. (Opened with
        Alt and its letter, a menu closes at once as often as not here: the
        window takes its focus back just after the menu opens.)"""
        for attempt in range(3):
            self.step(title if attempt == 0 else "  (the menu closed at once; again)")
            subprocess.run(["xdotool", "getactivewindow", "mousemove", "--window", "%1",
                            str(x), "10", "click", "1", "mousemove", "0", "0"], check=True)
            try:
                return self.hear(re.compile("^%s\\b" % re.escape(menu)), 10)
            except Failure:
                if attempt == 2:
                    raise
        return None


def said(text):
    """An utterance that is `text`, with or without the full stop Orca
    puts after a last word (or the space after a key it echoes)."""
    return re.compile("^%s\\.? *$" % re.escape(text))


# The game both tests play: the Desk full but for three cells, one shut in
# at the top left corner, two at the end of the bottom row, beside the red
# ball on row 9, column 7. Its move there and the three new balls fill the
# Desk: game over, with a score that makes the high-score table.
COLOURS = ["blue", "cyan", "green", "magenta", "red", "yellow"]
SCORE = 120
FREE = {(0, 0), (7, 8), (8, 8)}


def colour_at(x, y):
    # No two neighbours alike in any direction: no line anywhere, whatever
    # the three new balls are.
    return (x + 2 * y) % 6


def game_file():
    """The game as a saved game's 1320 bytes."""
    desk = [-1 if (x, y) in FREE else colour_at(x, y) for y in range(9) for x in range(9)]
    data = b"kvx\0" + struct.pack("<i3i", SCORE, 0, 1, 2) + struct.pack("<81i", *desk)
    for y in range(9):
        for x in range(9):
            data += struct.pack("<iiB3x", x, y, 1 if (x, y) in FREE else 0)
    return data + struct.pack("<i", len(FREE))


def ball(x, y):
    """A ball's cell, as the Qt game names it."""
    return "%s ball, row %d, column %d" % (COLOURS[colour_at(x, y)], y + 1, x + 1)
