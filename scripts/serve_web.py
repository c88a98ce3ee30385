#!/usr/bin/env python3
"""Serves the game's web page on 127.0.0.1 and prints its address:
    serve_web.py [--gzip] FOLDER [PORT]
Port 0 (the default) takes a free one. Only this machine can reach it.
Files go as they are, as many simple static hosts send them; with --gzip,
as a host that compresses does: gzipped on the way where the browser takes
it, but for files already gzipped."""
import functools
import gzip
import http.server
import io
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # Browsers compile WebAssembly while it downloads only when it comes as such.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript", ".html": "text/html; charset=utf-8",
                      ".webmanifest": "application/manifest+json", ".png": "image/png", ".gz": "application/gzip"}
    compress = False

    def send_head(self):
        if not self.compress or "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().send_head()
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path) or path.endswith((".gz", ".png")):
            return super().send_head()
        with open(path, "rb") as f:
            body = gzip.compress(f.read(), 6)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "no-cache")
        self.end_headers()
        return io.BytesIO(body)

    def log_message(self, *args):
        pass


def main():
    args = sys.argv[1:]
    compress = "--gzip" in args
    args = [a for a in args if a != "--gzip"]
    folder = args[0]
    port = int(args[1]) if len(args) > 1 else 0
    handler = type("Serving", (Handler,), {"compress": compress})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(handler, directory=folder))
    print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
