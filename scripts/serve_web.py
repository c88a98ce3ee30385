#!/usr/bin/env python3
"""Serves the game's web page on 127.0.0.1 and prints its address:
    serve_web.py FOLDER [PORT]
Port 0 (the default) takes a free one. Only this machine can reach it."""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile WebAssembly while it downloads only when it comes as such.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript", ".html": "text/html; charset=utf-8",
                      ".webmanifest": "application/manifest+json", ".png": "image/png"}

    def log_message(self, *args):
        pass


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
