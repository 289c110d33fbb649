#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1, as any static web server would host the
browser site, with the types the page needs (WebAssembly, the manifest):

    serve.py [--port N] [--port-file FILE] [--log FILE] [--max-age S] [--gzip] FOLDER

--port 0 (the default) takes a free port; --port-file writes the port
chosen, for tests that wait for it; --log appends a line for every answer,
"STATUS PATH BYTES" (BYTES the file's size for a file sent, else 0), for the
benchmarks that count what a visit downloads; --max-age lets browsers keep
each answer in their HTTP cache for S seconds, as many hosts do; --gzip
sends the page, its scripts, style sheet, manifest and WebAssembly
compressed to browsers that take gzip, as most hosts do (the audits and
benchmarks of the page's loading want what such a host sends).
"""

import argparse
import functools
import gzip
import http.server
import io
import os
import sys
import threading
import urllib.parse


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".webmanifest": "application/manifest+json",
        ".wav": "audio/wav",
        ".htm": "text/html; charset=utf-8",
        ".html": "text/html; charset=utf-8",
    }

    compressed_types = {"text/html", "text/css", "text/javascript", "application/wasm",
                        "application/manifest+json", "text/html; charset=utf-8"}

    log_file = None
    log_lock = threading.Lock()
    max_age = None
    compress = False

    def send_head(self):
        # A conditional request is left to the plain handler, which answers
        # it with "not modified" or the whole file.
        path = self.translate_path(self.path)
        if os.path.isdir(path) and urllib.parse.urlsplit(self.path).path.endswith("/"):
            path = os.path.join(path, "index.html")
        if (not self.compress or "gzip" not in self.headers.get("Accept-Encoding", "")
                or "If-Modified-Since" in self.headers or not os.path.isfile(path)
                or self.guess_type(path) not in self.compressed_types):
            return super().send_head()
        with open(path, "rb") as f:
            body = gzip.compress(f.read(), compresslevel=6, mtime=0)
        self.send_response(200)
        self.send_header("Content-type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(os.stat(path).st_mtime))
        self.end_headers()
        return io.BytesIO(body)

    def end_headers(self):
        if self.max_age is not None:
            self.send_header("Cache-Control", f"max-age={self.max_age}")
        super().end_headers()

    def log_message(self, *args):
        pass

    def log_request(self, code="-", size="-"):
        if self.log_file is None:
            return
        path = urllib.parse.urlsplit(self.path).path
        local = self.translate_path(self.path)
        if os.path.isdir(local):
            local = os.path.join(local, "index.html")
        sent = os.path.getsize(local) if str(code) == "200" and os.path.isfile(local) else 0
        with self.log_lock, open(self.log_file, "a") as log:
            log.write(f"{int(code)} {path} {sent}\n")


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that drops a connection it no longer needs (a page left,
        # a browser quit) is no fault of the server's.
        if isinstance(sys.exc_info()[1], ConnectionError):
            return
        super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--port-file")
    parser.add_argument("--log")
    parser.add_argument("--max-age", type=int)
    parser.add_argument("--gzip", action="store_true")
    parser.add_argument("folder")
    args = parser.parse_args()
    Handler.log_file = os.path.abspath(args.log) if args.log else None
    Handler.max_age = args.max_age
    Handler.compress = args.gzip
    handler = functools.partial(Handler, directory=os.path.abspath(args.folder))
    with Server(("127.0.0.1", args.port), handler) as server:
        port = server.server_address[1]
        if args.port_file:
            with open(args.port_file + ".part", "w") as f:
                f.write(f"{port}\n")
            os.replace(args.port_file + ".part", args.port_file)
        else:
            print(f"Quorbals is served at http://127.0.0.1:{port}/ (Ctrl+C stops it)", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
