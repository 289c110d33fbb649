#!/usr/bin/python3
"""The browser game's start as Lighthouse measures it, against the floor
page, in one run: Lighthouse's default mobile profile (a mid-range phone on
a slow 4G network, simulated), Debian's Chromium, both pages served by
tools/web/serve.py on 127.0.0.1; and what a first visit downloads.

    bench/scripts/web_lighthouse.py [--site FOLDER] [--runs N] [--lighthouse DIR]

FOLDER is the site tools/make_web.sh lays out (default build-web/site of
this checkout); N the number of Lighthouse runs of each page (default 3,
alternating game and floor, medians given); DIR where Lighthouse is
installed (default build/lighthouse, installed there first if it is not).

For each page: First Contentful Paint, Largest Contentful Paint, Total
Blocking Time and the Performance score; for the game also the other
categories' scores and the main thread's long tasks of its median run. The
floor (bench/web/floor.html) paints a Desk-sized canvas from one small
script at once.

The first visit's download: a fresh headless Chromium visits the game and
stays until its service worker controls the page, by which time the worker
has its copy of the site; every answer the server sent counts, each file at
its gzip -9 size (what a host that compresses sends at best; the test
server itself sends files as they are). The budget is 300 KiB.

Last line, for machines (times in ms, medians; bytes):
  web_lighthouse game_perf=<n> game_fcp=<ms> game_lcp=<ms> game_tbt=<ms>
                 floor_perf=<n> floor_fcp=<ms> floor_lcp=<ms> floor_tbt=<ms>
                 first_visit_gzip_bytes=<n>
"""

import argparse
import gzip
import re
import statistics
import sys
import time
from pathlib import Path

sys.dont_write_bytecode = True
HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "tests" / "e2e" / "web"))

import harness  # noqa: E402
import lighthouse  # noqa: E402

FLOOR = HERE.parent / "web"
BUDGET = 300 * 1024
METRICS = [("fcp", "first-contentful-paint"), ("lcp", "largest-contentful-paint"),
           ("tbt", "total-blocking-time")]


def gzip9(path):
    return len(gzip.compress(path.read_bytes(), compresslevel=9, mtime=0))


def first_visit(site, temp):
    """(gzip -9 bytes, bytes as sent, answers) of a fresh browser's first
    visit until the service worker controls the page."""
    log = temp / "requests.log"
    server = harness.Server(site, temp, log=log).start()
    browser = harness.Browser(temp / "first-visit")
    try:
        page = harness.GamePage(browser)
        page.open(server.url())
        page.wait_started(timeout=60)
        harness.wait_for("the service worker to control the page", lambda: browser.js(
            "return Boolean(navigator.serviceWorker.controller);"), timeout=60)
        # The worker's last answers reach the log once it is active.
        harness.wait_for("the service worker active", lambda: browser.js(
            "return navigator.serviceWorker.controller.state === 'activated';"), timeout=30)
    finally:
        browser.quit()
        server.stop()
    sent = [line.split() for line in log.read_text().splitlines()]
    packed = raw = 0
    for status, path, size in sent:
        if status == "200":
            packed += gzip9(site / (path.lstrip("/") or "index.html"))
            raw += int(size)
    return packed, raw, sent


def long_tasks(report):
    """The main thread's long tasks by script, as Lighthouse attributes them."""
    items = report["audits"].get("long-tasks", {}).get("details", {}).get("items", [])
    return [(round(i["duration"]), i["url"].rsplit("/", 1)[-1] or i["url"]) for i in items]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", default=str(harness.SITE))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--lighthouse", default=str(lighthouse.FOLDER))
    args = parser.parse_args()
    site = Path(args.site)
    if not (site / "index.html").exists():
        sys.exit(f"no browser site in {site} (tools/make_web.sh builds it)")
    command = lighthouse.install(args.lighthouse)

    temp = harness.TempFolder("quorbals-bench-lighthouse-")
    game = harness.Server(site, temp.path, compress=True).start()
    floor = harness.Server(FLOOR, temp.path, compress=True).start()
    reports = {"game": [], "floor": []}
    try:
        for run in range(args.runs):
            pages = [("game", game.url()), ("floor", floor.url("floor.html"))]
            if run % 2:
                pages.reverse()
            for name, url in pages:
                reports[name].append(
                    lighthouse.run(command, url, temp.sub(f"{name}{run}"),
                                   None if name == "game" else ["performance"]))
    finally:
        game.stop()
        floor.stop()

    line = {}
    first = reports["game"][0]
    browser = re.search(r"Chrome/([\d.]+)", first["environment"]["hostUserAgent"])
    print(f"Lighthouse {first['lighthouseVersion']}, Chromium {browser and browser.group(1)}, "
          f"its mobile profile, simulated throttling; medians of {args.runs} runs")
    for name in ("game", "floor"):
        runs = reports[name]
        perf = [lighthouse.scores(r)["performance"] for r in runs]
        values = {key: [lighthouse.metric(r, audit) for r in runs] for key, audit in METRICS}
        line[f"{name}_perf"] = statistics.median(perf)
        for key, _ in METRICS:
            known = [v for v in values[key] if v is not None]
            line[f"{name}_{key}"] = statistics.median(known) if known else float("nan")
        print(f"  {name:5}  Performance {line[f'{name}_perf']:5.1f}   "
              + "   ".join(f"{key.upper()} {line[f'{name}_{key}']:6.0f} ms" for key, _ in METRICS))
        print(f"         runs: performance {perf}, "
              + ", ".join(f"{key} {[v if v is None else round(v) for v in values[key]]}"
                           for key, _ in METRICS))
    middle = sorted(reports["game"], key=lambda r: lighthouse.scores(r)["performance"])[
        len(reports["game"]) // 2]
    print("  game's categories (median run): " + ", ".join(
        f"{k} {v}" for k, v in lighthouse.scores(middle).items()))
    print(f"  game's long tasks (median run): {long_tasks(middle) or 'none'}")
    for category in ("performance", "accessibility", "best-practices", "seo"):
        lost = lighthouse.failures(middle, category)
        if lost:
            print(f"  {category} loses on: " + "; ".join(
                f"{audit} ({score})" for audit, score, _ in lost))

    packed, raw, sent = first_visit(site, temp.path)
    files = [s for s in sent if s[0] == "200"]
    print(f"\nFirst visit: {len(files)} files sent, {raw / 1024:.1f} KiB as sent, "
          f"{packed / 1024:.1f} KiB at gzip -9 (budget {BUDGET // 1024} KiB)")
    others = [" ".join(s) for s in sent if s[0] != "200"]
    if others:
        print(f"  other answers: {len(others)} ({', '.join(sorted(set(o.split()[0] for o in others)))})")
    temp.remove()
    line["first_visit_gzip_bytes"] = packed
    print("web_lighthouse " + " ".join(
        f"{k}={v:.0f}" if isinstance(v, float) else f"{k}={v}" for k, v in line.items()))
    if packed > BUDGET:
        sys.exit(f"the first visit downloads {packed / 1024:.1f} KiB, over the budget")


if __name__ == "__main__":
    main()
