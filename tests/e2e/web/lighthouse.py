"""Lighthouse against a page on 127.0.0.1, for the audit test and the
benchmark: Lighthouse is installed at its pinned version into a folder of the
build (tools/web/install_lighthouse.sh) and run by the machine's node against
Debian's Chromium, in its default mobile profile with its simulated
throttling, with HOME, the XDG folders and TMPDIR (where it keeps the
browser's profile) in a temporary folder."""

import json
import os
import subprocess
from pathlib import Path

from harness import CHROMIUM, SOURCE_DIR, private_environment

INSTALLER = SOURCE_DIR / "tools" / "web" / "install_lighthouse.sh"
FOLDER = Path(os.environ.get("QUORBALS_LIGHTHOUSE") or SOURCE_DIR / "build" / "lighthouse")
CHROME_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                "--no-default-browser-check", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--disable-extensions",
                "--mute-audio", "--password-store=basic", "--use-mock-keychain"]


def install(folder=FOLDER):
    """Lighthouse's command in `folder`, installed there first if it is not."""
    subprocess.run(["sh", str(INSTALLER), str(folder)], check=True, stdin=subprocess.DEVNULL)
    return Path(folder) / "node_modules" / "lighthouse" / "cli" / "index.js"


def run(command, url, temp, categories=None, timeout=300):
    """Lighthouse's report (its JSON, as a dict) of one visit to `url`."""
    temp = Path(temp)
    temp.mkdir(parents=True, exist_ok=True)
    env = private_environment(temp)
    env["CHROME_PATH"] = CHROMIUM
    report = temp / "report.json"
    args = ["node", str(command), url, "--output=json", f"--output-path={report}", "--quiet",
            "--chrome-flags=" + " ".join(CHROME_FLAGS)]
    if categories:
        args.append("--only-categories=" + ",".join(categories))
    subprocess.run(args, check=True, env=env, stdin=subprocess.DEVNULL, timeout=timeout)
    return json.loads(report.read_text())


def scores(report):
    """Each category's score, 0 to 100."""
    return {name: round(c["score"] * 100) for name, c in report["categories"].items()
            if c["score"] is not None}


def failures(report, category):
    """The audits of a category that cost it points: (id, score, title)."""
    audits = report["audits"]
    out = []
    for ref in report["categories"][category]["auditRefs"]:
        audit = audits[ref["id"]]
        if ref["weight"] > 0 and audit["score"] is not None and audit["score"] < 1:
            out.append((ref["id"], audit["score"], audit["title"]))
    return out


def metric(report, audit):
    """A metric audit's value (ms for times), or None where Lighthouse
    could not tell it."""
    return report["audits"].get(audit, {}).get("numericValue")
