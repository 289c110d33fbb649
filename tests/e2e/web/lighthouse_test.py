"""The browser game as Lighthouse audits it (its default mobile profile, in
Debian's Chromium): accessibility, best practices and SEO each at least 95;
and the page installable as an app, as Chromium itself judges it. How fast
the page starts depends on the machine's load and is measured in bench/
(bench/scripts/web_lighthouse.py) instead."""

import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
import lighthouse  # noqa: E402
from harness import wait_for  # noqa: E402

CATEGORIES = ["accessibility", "best-practices", "seo"]
LEAST = 95


class LighthouseTest(harness.BrowserTest):
    def setUp(self):
        super().setUp()
        # Served compressed, as hosts serve it.
        self.server.stop()
        self.server = harness.Server(harness.SITE, self.temp.path, compress=True).start()

    def start_browser(self, **kwargs):
        return None  # the installability test starts its own

    def test_accessibility_best_practices_and_seo(self):
        command = lighthouse.install()
        report = lighthouse.run(command, self.server.url(), self.temp.sub("lighthouse"),
                                CATEGORIES)
        scores = lighthouse.scores(report)
        for category in CATEGORIES:
            with self.subTest(category=category):
                self.assertGreaterEqual(
                    scores.get(category, 0), LEAST,
                    f"{category} {scores.get(category)}: {lighthouse.failures(report, category)}")

    def test_installable(self):
        self.browser = harness.Browser(self.temp.sub("browser"))
        page = harness.GamePage(self.browser)
        page.open(self.server.url())
        page.wait_started()
        # What Chromium still finds missing for installing the page as an
        # app: nothing, once it has read the manifest and its icons.
        errors = []

        def installable():
            errors[:] = self.browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
            return not errors

        try:
            wait_for("the page installable", installable, timeout=20)
        except harness.Timeout:
            self.fail(f"Chromium finds the page not installable: {errors}")


if __name__ == "__main__":
    harness.main()
