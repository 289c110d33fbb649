"""The Help menu in headless Chromium: F1 opens the help pages at their
first topic, in one window however often it is asked for; the home-page
items open their addresses."""

import re
import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from harness import SOURCE_DIR, wait_for  # noqa: E402

# Notes every window.open of the page, from its first frame on; only the
# test's own server is really opened (the tests stay off the network).
OPEN_RECORDER_JS = r"""
(() => {
    window.__quorbalsOpened = [];
    const open = window.open;
    window.open = function (...args) {
        window.__quorbalsOpened.push(args.map(String));
        const url = new URL(String(args[0]), location.href);
        return url.origin === location.origin ? open.apply(this, args) : null;
    };
})();
"""


def program_text(name):
    header = (SOURCE_DIR / "app" / "program_texts.h").read_text()
    return re.search(name + r'\[\] = "([^"]*)"', header).group(1)


class HelpTest(harness.BrowserTest):
    def setUp(self):
        super().setUp()
        self.browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": OPEN_RECORDER_JS})
        self.page.open(self.server.url())
        self.page.wait_started()

    def opened(self):
        return self.page.js("return window.__quorbalsOpened;")

    def test_f1_opens_the_help_pages_at_their_first_topic_in_one_window(self):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys

        driver = self.page.driver
        game = driver.current_window_handle
        for _ in range(2):
            ActionChains(driver).send_keys(Keys.F1).perform()
            help_window = wait_for("the help window", lambda: [
                h for h in driver.window_handles if h != game])
            self.assertEqual(len(help_window), 1, "more than one help window")
        # The key's press and its release each ask for the help window, by
        # one name: every request comes to the same window.
        self.assertTrue(all(args[:2] == ["help/quorbals.htm", "quorbals-help"]
                            for args in self.opened()), self.opened())
        driver.switch_to.window(help_window[0])
        wait_for("the help page", lambda: driver.current_url.endswith("/help/quorbals.htm")
                 and driver.title == "Quorbals Help")

    def test_the_home_page_items_open_their_addresses(self):
        self.page.menu("MI_Help", "MI_HelpGameHome")
        self.page.menu("MI_Help", "MI_HelpSiteHome")
        self.assertEqual([args[0] for args in self.opened()],
                         [program_text("kGameHomePage"), program_text("kMakerHomePage")])


if __name__ == "__main__":
    harness.main()
