#!/usr/bin/python3
"""The browser game's first visit: what it downloads, and how soon the Desk
is painted against a floor page, in the same headless Chromium and run.

    bench/scripts/web_first_visit.py [--site FOLDER] [--runs N]

FOLDER is the site tools/make_web.sh lays out (default build-web/site of
this checkout); N the number of runs (default 5), each in a fresh browser
profile.

Downloads: tools/web/serve.py serves the site and notes every file it sends;
a fresh browser visits the page and stays until the service worker controls
it, by which time the worker's copy of the site is complete. Every file sent
counts at its gzip -9 size (the server sends files as they are; level 9 is
what a host that compresses would send at best) and as it is.

Time to the first painted Desk: from navigation (the page's time origin) to
the first animation frame in which a visible canvas of the Desk's size shows
a ball on one of its cells, noted by the same script in both pages. The
floor (bench/web/floor.html) paints such a canvas from a script at once; the
game shows its splash for one second first, which is part of its start-up:
the game's figure is given as it is and without that second. "first": the
first visit of a fresh profile; "repeat": the next visit, the game then
coming from its service worker's cache. The order of the two pages
alternates from run to run.

Last line, for machines (bytes; times in ms, medians):
  web_first_visit gzip_bytes=<n> raw_bytes=<n> files=<n>
                  first_game=<ms> first_floor=<ms> repeat_game=<ms> repeat_floor=<ms>
"""

import argparse
import gzip
import statistics
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "tests" / "e2e" / "web"))

import harness  # noqa: E402

FLOOR = HERE.parent / "web"
SPLASH_MS = 1000

# Notes the first animation frame that shows a ball on a visible canvas of
# the Desk's size (262 design pixels, whole multiples of them).
DESK_PROBE_JS = r"""
(() => {
    window.__deskPainted = null;
    const look = () => {
        const canvases = [...document.querySelectorAll('canvas')].filter(
            (c) => c.width >= 262 && c.width % 262 === 0 && c.checkVisibility());
        const c = canvases[canvases.length - 1];
        if (c) {
            const k = c.width / 262;
            const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            for (let cell = 0; cell < 81; ++cell) {
                const x = (4 + 29 * (cell % 9) + 5) * k, y = (4 + 29 * Math.floor(cell / 9) + 5) * k;
                const i = (y * c.width + x) * 4;
                const [r, g, b] = [d[i], d[i + 1], d[i + 2]];
                if (!(r === 192 && g === 192 && b === 192) && r + g + b > 0) {
                    window.__deskPainted = performance.now();
                    return;
                }
            }
        }
        requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
})();
"""


def gzip9(path):
    return len(gzip.compress(path.read_bytes(), compresslevel=9, mtime=0))


def time_to_desk(browser, url):
    browser.driver.get(url)
    return harness.wait_for(f"the Desk painted at {url}",
                            lambda: browser.js("return window.__deskPainted;"), timeout=30)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", default=str(harness.SITE))
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    site = Path(args.site)
    if not (site / "index.html").exists():
        sys.exit(f"no browser site in {site} (tools/make_web.sh builds it)")

    temp = harness.TempFolder("quorbals-bench-web-")
    log = temp.path / "requests.log"
    game = harness.Server(site, temp.path, log=log).start()
    floor = harness.Server(FLOOR, temp.path).start()
    times = {"first_game": [], "first_floor": [], "repeat_game": [], "repeat_floor": []}
    sent = None
    try:
        for run in range(args.runs):
            browser = harness.Browser(temp.sub(f"run{run}"))
            try:
                browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": DESK_PROBE_JS})
                browser.driver.get("about:blank")
                pages = [("game", game.url()), ("floor", floor.url("floor.html"))]
                if run % 2:
                    pages.reverse()
                for visit in ("first", "repeat"):
                    for name, url in pages:
                        if name == "game" and visit == "first" and sent is None:
                            log.write_text("")
                        times[f"{visit}_{name}"].append(time_to_desk(browser, url))
                        if name == "game" and visit == "first":
                            harness.wait_for("the service worker to control the page", lambda: browser.js(
                                "return Boolean(navigator.serviceWorker.controller);"), timeout=30)
                            if sent is None:
                                # Let the last answers reach the log.
                                time.sleep(0.5)
                                sent = [line.split() for line in log.read_text().splitlines()]
            finally:
                browser.quit()
    finally:
        game.stop()
        floor.stop()

    files = [(path, int(size)) for status, path, size in sent if status == "200"]
    by_path = {}
    for path, size in files:
        local = site / (path.lstrip("/") or "index.html")
        by_path.setdefault(path, [0, size, gzip9(local)])[0] += 1
    raw = sum(count * size for count, size, _ in by_path.values())
    packed = sum(count * z for count, _, z in by_path.values())
    print("First visit: every file the server sent (times sent, size, gzip -9 size)")
    for path, (count, size, z) in sorted(by_path.items(), key=lambda kv: -kv[1][2]):
        print(f"  {path:34} {count} x {size:7} {z:7}")
    others = [" ".join(x) for x in sent if x[0] != "200"]
    if others:
        print("  other answers: " + ", ".join(others))
    print(f"  total: {len(files)} files, {raw / 1024:.1f} KiB as sent, "
          f"{packed / 1024:.1f} KiB at gzip -9")

    med = {k: statistics.median(v) for k, v in times.items()}
    print(f"\nNavigation to the first painted Desk, median of {args.runs} runs (ms):")
    for visit in ("first", "repeat"):
        g, f = med[f"{visit}_game"], med[f"{visit}_floor"]
        print(f"  {visit:6}  game {g:7.1f} (without the splash's second {g - SPLASH_MS:6.1f})   "
              f"floor {f:6.1f}   game - second - floor {g - SPLASH_MS - f:6.1f}")
        print(f"          runs: game {[round(x) for x in times[f'{visit}_game']]}, "
              f"floor {[round(x) for x in times[f'{visit}_floor']]}")
    temp.remove()
    print(f"web_first_visit gzip_bytes={packed} raw_bytes={raw} files={len(files)} "
          f"first_game={med['first_game']:.1f} first_floor={med['first_floor']:.1f} "
          f"repeat_game={med['repeat_game']:.1f} repeat_floor={med['repeat_floor']:.1f}")


if __name__ == "__main__":
    main()
