"""WebKit, Safari's engine, as Debian has it: WebKitGTK's MiniBrowser driven
through WebKitWebDriver (webkit2gtk-driver). MiniBrowser has no headless
mode, so it runs on a private X display with a window manager."""

import glob
import socket
import subprocess
import urllib.request
from pathlib import Path

from harness import SeleniumBrowser, private_environment, stop_group, wait_for
from x_display import XDisplay

DRIVER = "/usr/bin/WebKitWebDriver"


def mini_browser():
    found = sorted(glob.glob("/usr/lib/*/webkit2gtk-4.*/MiniBrowser"))
    return found[-1] if found else None


def missing():
    """What of WebKit is not installed, or None."""
    for tool in (DRIVER, mini_browser()):
        if not tool or not Path(tool).exists():
            return tool or "MiniBrowser"
    return None


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def MiniBrowserOptions():
    from selenium.webdriver.webkitgtk.options import Options

    class Options(Options):
        # Without the capabilities of old, which W3C drivers never knew.
        def to_capabilities(self):
            caps = super().to_capabilities()
            caps.pop("platform", None)
            caps.pop("version", None)
            return caps

    return Options()


class WebKitBrowser(SeleniumBrowser):
    engine = "WebKit"

    def __init__(self, temp, window=(1000, 800)):
        from selenium import webdriver

        temp = Path(temp)
        self.display = None
        self.server = None
        self.driver = None
        self.log = temp / "webkitwebdriver.log"
        self.read = 0
        env = private_environment(temp)
        # WebKitGTK downloads into the desktop's download folder.
        self.downloads = temp / "downloads"
        self.downloads.mkdir(parents=True, exist_ok=True)
        Path(env["XDG_CONFIG_HOME"], "user-dirs.dirs").write_text(
            f'XDG_DOWNLOAD_DIR="{self.downloads}"\n')
        # No accessibility bus: nothing here reads the page aloud.
        env["NO_AT_BRIDGE"] = "1"
        try:
            self.display = XDisplay(env, temp / "xvfb.log").start()
            url = self._start_driver(self.display.env)
            options = MiniBrowserOptions()
            options.binary_location = mini_browser()
            options.add_argument("--automation")
            # The page's console into the driver's log, for console().
            options.add_argument("--enable-write-console-messages-to-stdout=true")
            self.driver = webdriver.Remote(command_executor=url, options=options)
            self.driver.set_script_timeout(30)
            self.driver.set_window_rect(x=0, y=0, width=window[0], height=window[1])
        except BaseException:
            self.quit()
            raise

    def _start_driver(self, env):
        # The driver takes the port it is told; another program may take
        # that port first: a few tries.
        for _ in range(3):
            port = free_port()
            with self.log.open("ab") as log:
                self.server = subprocess.Popen(
                    [DRIVER, f"--port={port}", "--host=127.0.0.1"], env=env,
                    stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                    start_new_session=True)
            url = f"http://127.0.0.1:{port}"

            def ready():
                if self.server.poll() is not None:
                    raise RuntimeError("WebKitWebDriver ended")
                with urllib.request.urlopen(url + "/status", timeout=2) as answer:
                    return answer.status == 200

            try:
                wait_for("WebKitWebDriver", ready, timeout=20, interval=0.05)
                return url
            except AssertionError:
                stop_group(self.server)
        raise RuntimeError(f"WebKitWebDriver did not start; see {self.log}")

    def console(self):
        """The page's console errors and warnings since the last call."""
        try:
            text = self.log.read_text(errors="replace")
        except OSError:
            return []
        new, self.read = text[self.read:], len(text)
        return [line for line in new.splitlines()
                if line.startswith("CONSOLE") and ("ERROR" in line or "WARN" in line)]

    def quit(self):
        if self.driver:
            super().quit()
            self.driver = None
        # MiniBrowser and its web and network processes run in the
        # driver's process group.
        stop_group(self.server)
        self.server = None
        if self.display:
            self.display.stop()
            self.display = None
