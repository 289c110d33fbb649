#!/usr/bin/env python3
"""Checks that no room of the source tree includes a room above it.

The rooms, lowest first: game/ (the rules), platform/ (calls to the system),
view/ (the Desk's geometry, pictures and input), assets/ (artwork as code),
storage/ (files and the high-score dialog), app/ (the main window, start-up,
the page). A room may include itself and any room below it; tools/, bench/,
fuzz/ and tests/ stand above them all. Within a room, a front end's folder
(qt/, win32/, web/, posix/) includes only the room's shared code and its own
front end's folders, in that room or below. Prints each include that breaks
the order and exits 1 if there is one.

The page's scripts are laid out in the site as in the source tree, so each
import of one is a relative path naming the real file (or the module the
game is built into, GENERATED), and keeps the same order of rooms.

    tools/check_rooms.py [SOURCE_DIR]
"""

import os
import re
import sys

ROOMS = ["game", "platform", "view", "assets", "storage", "app"]
FRONT_ENDS = {"qt", "win32", "web", "posix"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCES = (".h", ".cpp", ".js")
# import ... from "x", import "x", export ... from "x"; comments aside.
JS_IMPORT = re.compile(
    r'^\s*(?:import\s*|(?:import|export)\b[^;"\']*?\bfrom\s*)["\']([^"\']+)["\']', re.M)
JS_COMMENT = re.compile(r'//[^\n]*|/\*.*?\*/', re.S)
# What the build makes that the page imports, where the site has it.
GENERATED = {"app/web/quorbals.js"}


def front_end(parts):
    """The front end a path inside a room belongs to, or None for shared code."""
    return parts[1] if len(parts) > 2 and parts[1] in FRONT_ENDS else None


def breaks(source, target):
    """Why `source` (a file path) may not include `target`, or None."""
    s, t = source.split("/"), target.split("/")
    if t[0] not in ROOMS:
        return None  # a system or third-party header
    if ROOMS.index(t[0]) > ROOMS.index(s[0]):
        return f"{s[0]}/ may not include the higher room {t[0]}/"
    theirs, ours = front_end(t), front_end(s)
    # posix/ is the POSIX file layer, which the Qt and node builds share.
    if theirs and theirs != ours and not (theirs == "posix" and ours in (None, "qt", "web")):
        return f"{'shared code' if ours is None else ours + '/'} may not include {theirs}/"
    return None


def imports(path, text):
    """The files a source file includes, as paths from the source tree's top;
    a JavaScript import that is no relative path comes as it is written."""
    if path.endswith(".js"):
        folder = os.path.dirname(path)
        for m in JS_IMPORT.finditer(JS_COMMENT.sub("", text)):
            name = m.group(1)
            if name.startswith(("./", "../")):
                name = os.path.normpath(os.path.join(folder, name)).replace(os.sep, "/")
            yield name
        return
    for line in text.splitlines():
        m = INCLUDE.match(line)
        if m:
            yield m.group(1)


def unknown_import(top, path, target):
    """Why a script's import names no file it may import, or None."""
    if not path.endswith(".js"):
        return None
    if target.startswith("/") or ":" in target or target.split("/")[0] not in ROOMS:
        return "not a relative path to a file of the source tree"
    if target not in GENERATED and not os.path.isfile(os.path.join(top, target)):
        return "no such file in the source tree"
    return None


def main():
    top = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                          os.path.join(os.path.dirname(__file__), ".."))
    found = []
    for room in ROOMS:
        for folder, _, files in os.walk(os.path.join(top, room)):
            for name in sorted(files):
                if not name.endswith(SOURCES):
                    continue
                path = os.path.relpath(os.path.join(folder, name), top).replace(os.sep, "/")
                with open(os.path.join(top, path), encoding="utf-8", errors="replace") as f:
                    text = f.read()
                for target in imports(path, text):
                    why = unknown_import(top, path, target) or breaks(path, target)
                    if why:
                        found.append(f"{path}: {target}: {why}")
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} include(s) break the order of rooms: " + " < ".join(ROOMS))
        return 1
    print("every include keeps the order of rooms: " + " < ".join(ROOMS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
