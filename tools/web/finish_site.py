#!/usr/bin/env python3
"""Finishes the browser site: adds the page's preloads, fills the service
worker's file list (each file with its digest, which the worker checks) and
cache name (a digest of every file, so that a changed site replaces the
cache), then zips the site.

    finish_site.py SITE_FOLDER ZIP_FILE
"""

import base64
import hashlib
import json
import os
import sys
import zipfile

PAGE = "app/web/page/page.js"  # the module index.html starts


def site_files(site):
    names = []
    for folder, _, files in os.walk(site):
        for name in files:
            path = os.path.relpath(os.path.join(folder, name), site)
            if path != "sw.js":
                names.append(path.replace(os.sep, "/"))
    return sorted(names)


def add_preloads(site, names):
    """Has the page ask for every module it imports and for the game's
    WebAssembly along with itself, rather than one level of imports at a
    time and the WebAssembly last."""
    modules = [n for n in names if n.endswith(".js") and n not in (PAGE, "sw.js")]
    links = [f'<link rel="preload" href="{n}" as="fetch" type="application/wasm" crossorigin>'
             for n in names if n.endswith(".wasm")]
    links += [f'<link rel="modulepreload" href="{m}">' for m in modules]
    index_path = os.path.join(site, "index.html")
    with open(index_path, encoding="utf-8") as f:
        page = f.read()
    page = page.replace("</head>", "\n".join(links) + "\n</head>", 1)
    with open(index_path, "w", encoding="utf-8") as f:
        f.write(page)


def integrity(path):
    """The file's digest as a fetch's `integrity` option takes it."""
    with open(path, "rb") as f:
        return "sha256-" + base64.b64encode(hashlib.sha256(f.read()).digest()).decode()


def fill_worker(site, template):
    """Writes the site's sw.js from `template`: every file with its digest,
    and the cache named after a digest of them all."""
    names = site_files(site)
    digest = hashlib.sha256()
    for name in names:
        digest.update(name.encode())
        with open(os.path.join(site, name), "rb") as f:
            digest.update(f.read())
    # "./" is the page itself, as a visitor first asks for it.
    entries = [("./", "index.html")] + [(name, name) for name in names]
    listed = ",\n    ".join(json.dumps([url, integrity(os.path.join(site, file))])
                            for url, file in entries)
    worker = template.replace("@VERSION@", digest.hexdigest()[:16]).replace("@FILES@", listed)
    with open(os.path.join(site, "sw.js"), "w", encoding="utf-8") as f:
        f.write(worker)
    return names


def main():
    site, zip_path = sys.argv[1], sys.argv[2]
    add_preloads(site, site_files(site))
    with open(os.path.join(site, "sw.js"), encoding="utf-8") as f:
        names = fill_worker(site, f.read())

    if os.path.exists(zip_path):
        os.remove(zip_path)
    with zipfile.ZipFile(zip_path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name in names + ["sw.js"]:
            z.write(os.path.join(site, name), "quorbals/" + name)


if __name__ == "__main__":
    main()
