"""A returning player and a new version of the site, in headless Chromium:
one build is served and visited, then a changed build in its place (dated
later, or earlier as by a host rolled back), from a host that lets browsers
keep every file in their HTTP cache for an hour. The
second visit still plays the version it has, whole, while the new one is
fetched; a game in progress goes on undisturbed; the third visit plays the
new version, whole. No visit ever runs files of two versions."""

import os
import shutil
import sys
import time

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import SITE, SOURCE_DIR, play_one_move, wait_for  # noqa: E402

sys.path.insert(0, str(SOURCE_DIR / "tools" / "web"))
import finish_site  # noqa: E402

# The build each file of a visit came from: the page itself, its style
# sheet and a script module it imports.
BUILD_JS = """
const meta = document.querySelector('meta[name="quorbals-build"]');
return [meta && meta.content,
        getComputedStyle(document.documentElement).getPropertyValue('--build').trim().replace(/"/g, ''),
        window.quorbalsBuild || null];
"""

WORKER_JS = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.getRegistration().then((r) => done(r ? {
    active: r.active && r.active.state, waiting: r.waiting && r.waiting.state,
    installing: r.installing && r.installing.state,
    controlled: Boolean(navigator.serviceWorker.controller)} : null), () => done(null));
"""


def marked_site(folder, build, built_at, worker_at=None):
    """A copy of the site whose page, style sheet and menu script say which
    build they belong to, its service worker made for these files (their
    digests, and a cache of their own), every file dated `built_at` as a
    host dates what it serves (the worker `worker_at`, if given)."""
    shutil.copytree(SITE, folder)
    index = folder / "index.html"
    index.write_text(index.read_text().replace(
        "<head>", f'<head>\n<meta name="quorbals-build" content="{build}">', 1))
    page = folder / "app" / "web" / "page"
    with open(page / "quorbals.css", "a") as css:
        css.write(f':root {{ --build: "{build}"; }}\n')
    with open(page / "menu.js", "a") as script:
        script.write(f'\nwindow.quorbalsBuild = "{build}";\n')
    finish_site.fill_worker(str(folder), (SOURCE_DIR / "app" / "web" / "page" / "sw.js").read_text())
    for path in folder.rglob("*"):
        os.utime(path, (built_at, built_at))
    if worker_at is not None:
        os.utime(folder / "sw.js", (worker_at, worker_at))
    return folder


class UpdateTest(harness.BrowserTest):
    def setUp(self):
        super().setUp()
        self.server.stop()  # this test serves sites of its own

    def serve(self, site, port=0):
        self.server = harness.Server(site, self.temp.path, port=port, max_age=3600).start()
        return self.server

    def worker(self):
        self.browser.driver.set_script_timeout(10)
        return self.browser.driver.execute_async_script(WORKER_JS)

    def builds(self):
        return self.page.js("return " + "(() => {" + BUILD_JS + "})();")

    def test_the_next_visit_plays_the_new_version_whole(self):
        now = time.time()
        self.check_update(now - 7200, now - 60)

    def test_a_new_version_whose_files_are_dated_earlier(self):
        # Only the new worker is dated later than what the browser holds:
        # asked whether its copies of the other files are still current, a
        # host that goes by dates alone says yes, and would have the new
        # worker keep the old version's files.
        now = time.time()
        self.check_update(now - 60, now - 7200, worker_at=now - 30)

    def check_update(self, old_at, new_at, worker_at=None):
        page = self.page
        old = marked_site(self.temp.path / "site-A", "A", old_at)
        new = marked_site(self.temp.path / "site-B", "B", new_at, worker_at)
        port = self.serve(old).port
        page.open(self.server.url())
        page.wait_started()
        self.assertEqual(self.builds(), ["A", "A", "A"])
        wait_for("the site kept by its service worker",
                 lambda: (lambda w: w and w["active"] == "activated" and w["controlled"])(
                     self.worker()), timeout=30)

        self.server.stop()
        self.serve(new, port)
        page.open(self.server.url())
        cells = page.wait_started()["cells"]
        self.assertEqual(self.builds(), ["A", "A", "A"], "the second visit plays what it has")
        wait_for("the new version fetched and waiting",
                 lambda: (self.worker() or {}).get("waiting") == "installed", timeout=30)
        # The game in progress goes on, still the old version's.
        source, target = play_one_move(page, cells)
        wait_for("the move done", lambda: page.cells()[source] == -1)
        self.assertEqual(self.builds(), ["A", "A", "A"])

        # The tab goes; the new version takes over once no page of the old
        # one is left. The next visit plays it (a visit that comes before
        # the hand-over plays the old one, whole).
        visits = []

        def next_visit():
            page.open("about:blank")
            page.open(self.server.url())
            page.wait_started()
            visits.append(self.builds())
            return visits[-1] != ["A", "A", "A"]

        wait_for("a visit that plays the new version", next_visit, timeout=60, interval=0.5)
        for builds in visits:
            self.assertIn(builds, (["A", "A", "A"], ["B", "B", "B"]), "never a mix")
        self.assertEqual(visits[-1], ["B", "B", "B"])
        self.assertEqual(self.worker()["active"], "activated")


if __name__ == "__main__":
    harness.main()
