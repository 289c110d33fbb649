"""Firefox's engine, as Debian has it (firefox-esr), headless, driven over
the WebDriver BiDi protocol it serves itself: no geckodriver."""

import json
import os
import subprocess
from pathlib import Path

import bidi
from harness import private_environment, stop_group, wait_for

FIREFOX = os.environ.get("QUORBALS_FIREFOX", "/usr/bin/firefox-esr")

# The test's profile: downloads into its own folder without asking, and
# none of the browser's own traffic (updates, telemetry, remote settings,
# safe browsing) and no first-run pages. BiDi's recommended preferences
# come on top.
PREFERENCES = {
    "browser.download.folderList": 2,
    "browser.download.useDownloadDir": True,
    "browser.download.always_ask_before_handling_new_types": False,
    "browser.download.alwaysOpenPanel": False,
    "browser.download.panel.shown": True,
    "browser.download.start_downloads_in_tmp_dir": False,
    "browser.helperApps.neverAsk.saveToDisk": "application/octet-stream",
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.aboutwelcome.enabled": False,
    "browser.startup.page": 0,
    "browser.newtabpage.enabled": False,
    "app.update.disabledForTesting": True,
    "app.normandy.enabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "datareporting.healthreport.uploadEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "services.settings.server": "data:,#remote-settings-off",
    "messaging-system.rsexperimentloader.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "browser.safebrowsing.downloads.enabled": False,
    "browser.safebrowsing.downloads.remote.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "extensions.update.enabled": False,
    "extensions.getAddons.cache.enabled": False,
    "media.gmp-manager.updateEnabled": False,
    "browser.region.update.enabled": False,
    "toolkit.startup.max_resumed_crashes": -1,
}


def missing():
    return None if Path(FIREFOX).exists() else FIREFOX


def user_js(preferences):
    return "".join(f"user_pref({json.dumps(k)}, {json.dumps(v)});\n"
                   for k, v in preferences.items())


class FirefoxBrowser:
    engine = "Firefox"

    def __init__(self, temp, window=(1000, 800)):
        temp = Path(temp)
        self.process = None
        self.session = None
        self.downloads = temp / "downloads"
        self.downloads.mkdir(parents=True, exist_ok=True)
        profile = temp / "profile"
        profile.mkdir(parents=True, exist_ok=True)
        (profile / "user.js").write_text(
            user_js(dict(PREFERENCES, **{"browser.download.dir": str(self.downloads)})))
        env = private_environment(temp)
        env.pop("DISPLAY", None)
        env["MOZ_CRASHREPORTER_DISABLE"] = "1"
        self.log = temp / "firefox.log"
        try:
            # Port 0: Firefox picks a free one and names it in the profile.
            with self.log.open("ab") as log:
                self.process = subprocess.Popen(
                    [FIREFOX, "--headless", "--remote-debugging-port=0", "-profile", str(profile),
                     "--no-remote", "about:blank"],
                    env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                    start_new_session=True)
            server = profile / "WebDriverBiDiServer.json"

            def port():
                if self.process.poll() is not None:
                    raise RuntimeError(f"Firefox ended; see {self.log}")
                return json.loads(server.read_text())["ws_port"]

            port = wait_for("Firefox's BiDi server", port, timeout=60, interval=0.05)
            self.session = bidi.BiDiSession(f"ws://127.0.0.1:{port}/session")
            self.session.command("session.subscribe", {"events": ["log.entryAdded"]})
            self.tab = bidi.first_context(self.session)
            self.tab.set_viewport(*window)
        except BaseException:
            self.quit()
            raise

    def open(self, url):
        self.tab.navigate(url)

    def begin_open(self, url):
        self.tab.command("browsingContext.navigate", {"url": url, "wait": "none"})

    def reload(self):
        self.tab.reload()

    def js(self, script, *args):
        return self.tab.js(script, *args)

    def perform(self, sources):
        self.tab.perform(sources)

    def title(self):
        return self.js("return document.title;")

    def screenshot(self, path):
        Path(path).write_bytes(self.tab.screenshot())

    def console(self):
        """The page's console errors and warnings since the last call."""
        self.session.poll_events()
        entries = [e["params"] for e in self.session.events
                   if e.get("method") == "log.entryAdded"]
        self.session.events = [e for e in self.session.events
                               if e.get("method") != "log.entryAdded"]
        return [f"{e.get('level')}: {e.get('text')}" for e in entries
                if e.get("level") in ("error", "warn")]

    def quit(self):
        if self.session:
            try:
                self.session.command("browser.close", timeout=10)
            except Exception:
                pass
            self.session.close()
            self.session = None
        stop_group(self.process)
        self.process = None
