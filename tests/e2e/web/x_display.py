"""A private X display for a browser that cannot run headless: Xvfb on a
display number it picks itself, with the openbox window manager, in the
test's own home."""

import os
import subprocess

from harness import stop_process, wait_for


class XDisplay:
    def __init__(self, env, log, size=(1280, 1024)):
        self.env = dict(env)
        self.log = log
        self.size = size
        self.xvfb = None
        self.wm = None
        self.name = None

    def start(self):
        # Another X server starting meanwhile may take the number this one
        # picked, and this one then ends: a few tries, each a fresh server.
        failure = None
        for _ in range(3):
            try:
                self._start_display()
                self._start_window_manager()
                return self
            except Exception as e:
                failure = e
                self.stop()
        raise RuntimeError(f"no private X display: {failure}")

    def _run(self, *args):
        return subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, text=True, timeout=10)

    def _start_display(self):
        read, write = os.pipe()
        # Xvfb reports each display number it finds taken: into the log.
        # -displayfd: Xvfb picks a free display and writes its number;
        # -noreset: else the server starts over whenever its last client
        # leaves, and refuses whoever connects meanwhile.
        with open(self.log, "ab") as log:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write), "-screen", "0",
                 f"{self.size[0]}x{self.size[1]}x24", "-nolisten", "tcp", "-noreset"],
                pass_fds=(write,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                env=self.env)
        os.close(write)
        with os.fdopen(read) as numbers:
            number = numbers.readline().strip()
        if not number:
            raise RuntimeError("Xvfb gave no display number")
        self.name = f":{number}"
        self.env["DISPLAY"] = self.name

        def answers():
            if self.xvfb.poll() is not None:
                raise RuntimeError(f"Xvfb on {self.name} ended")
            return self._run("xprop", "-root", "-len", "0").returncode == 0

        wait_for(f"Xvfb on {self.name}", answers, timeout=20, interval=0.05)

    def _start_window_manager(self):
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)

        # Until openbox has taken over the root window, no window would
        # ever become active.
        def managing():
            if self.wm.poll() is not None or self.xvfb.poll() is not None:
                raise RuntimeError("openbox or Xvfb ended")
            out = self._run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout
            return "window id" in out

        wait_for(f"openbox on {self.name}", managing, timeout=20, interval=0.05)

    def stop(self):
        stop_process(self.wm, 5)
        stop_process(self.xvfb, 5)
        self.wm = self.xvfb = None
