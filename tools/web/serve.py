#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1, as any static web server would host the
browser site, with the types the page needs (WebAssembly, the manifest):

    serve.py [--port N] [--port-file FILE] FOLDER

--port 0 (the default) takes a free port; --port-file writes the port
chosen, for tests that wait for it.
"""

import argparse
import functools
import http.server
import os


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

    def log_message(self, *args):
        pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--port-file")
    parser.add_argument("folder")
    args = parser.parse_args()
    handler = functools.partial(Handler, directory=os.path.abspath(args.folder))
    with http.server.ThreadingHTTPServer(("127.0.0.1", args.port), handler) as server:
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
