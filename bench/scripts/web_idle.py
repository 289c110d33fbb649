#!/usr/bin/python3
"""The browser game's main-thread CPU while a ball glows, against a floor
page, in the same headless Chromium and run.

    bench/scripts/web_idle.py [--site FOLDER] [--seconds S] [--rounds R]

FOLDER is the site tools/make_web.sh lays out (default build-web/site of
this checkout); S the measured stretch of each page (default 10 s), R the
number of rounds (default 3), each measuring the floor and then the game.

The game's page is opened and a ball selected (its glow is checked on the
Desk canvas); the floor (bench/web/floor.html) repaints one 22 x 22 square
every 100 ms. Each page settles for two seconds, then the DevTools
protocol's Performance.getMetrics gives the renderer main thread's busy
time (TaskDuration, and of it ScriptDuration) at the start and the end of
the stretch; the figures are milliseconds of it per second of wall time.

Last line, for machines (ms per s, medians):
  web_idle seconds=<s> task_game=<ms/s> task_floor=<ms/s> task_ratio=<r>
           script_game=<ms/s> script_floor=<ms/s>
"""

import argparse
import statistics
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "tests" / "e2e" / "web"))

import harness  # noqa: E402

FLOOR = HERE.parent / "web"
SETTLE_S = 2


def busy(browser, seconds):
    """Main-thread task and script time over `seconds`, in ms per second."""
    browser.cdp("Performance.enable", {"timeDomain": "timeTicks"})

    def metrics():
        m = {x["name"]: x["value"] for x in browser.cdp("Performance.getMetrics")["metrics"]}
        return m["Timestamp"], m["TaskDuration"], m["ScriptDuration"]

    t0, task0, script0 = metrics()
    time.sleep(seconds)
    t1, task1, script1 = metrics()
    browser.cdp("Performance.disable")
    wall = t1 - t0
    return (task1 - task0) * 1000 / wall, (script1 - script0) * 1000 / wall


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", default=str(harness.SITE))
    parser.add_argument("--seconds", type=float, default=10)
    parser.add_argument("--rounds", type=int, default=3)
    args = parser.parse_args()
    site = Path(args.site)
    if not (site / "index.html").exists():
        sys.exit(f"no browser site in {site} (tools/make_web.sh builds it)")

    temp = harness.TempFolder("quorbals-bench-web-")
    game = harness.Server(site, temp.path).start()
    floor = harness.Server(FLOOR, temp.path).start()
    browser = harness.Browser(temp.sub("browser"))
    page = harness.GamePage(browser)
    figures = {"game": [], "floor": []}
    try:
        for _ in range(args.rounds):
            browser.driver.get(floor.url("floor.html"))
            time.sleep(SETTLE_S)
            figures["floor"].append(busy(browser, args.seconds))

            page.open(game.url())
            cells = page.wait_started()["cells"]
            page.click_cell(next(i for i, c in enumerate(cells) if c >= 0))
            harness.wait_for("a glowing ball", lambda: any(page.desk()["dots"]))
            time.sleep(SETTLE_S)
            figures["game"].append(busy(browser, args.seconds))
            harness.wait_for("the ball still glowing", lambda: any(page.desk()["dots"]), 2)
    finally:
        browser.quit()
        game.stop()
        floor.stop()
        temp.remove()

    task = {k: statistics.median(t for t, _ in v) for k, v in figures.items()}
    script = {k: statistics.median(s for _, s in v) for k, v in figures.items()}
    print(f"Main-thread time per second over {args.seconds:g} s, median of {args.rounds} rounds:")
    for name, label in (("game", "game, a ball glowing"),
                        ("floor", "floor, one 22 x 22 square every 100 ms")):
        print(f"  {label:40} tasks {task[name]:5.2f} ms/s, of which script {script[name]:5.2f} ms/s"
              f"   rounds: {[round(t, 2) for t, _ in figures[name]]}")
    print(f"web_idle seconds={args.seconds:g} task_game={task['game']:.2f} "
          f"task_floor={task['floor']:.2f} task_ratio={task['game'] / task['floor']:.2f} "
          f"script_game={script['game']:.2f} script_floor={script['floor']:.2f}")


if __name__ == "__main__":
    main()
