#!/usr/bin/python3
"""The web's usual audit of the page (not a test): Lighthouse 12.2.3 from
npm, with its mobile settings, driving Debian's chromium:
    bench/lighthouse.py [RUNS] [SITE-FOLDER]          after ./web.sh
The site (build-web/site by default) is served as ./web.sh serve does, from
a host that compresses nothing. Lighthouse is installed once into the cache
(npm i -E lighthouse@12.2.3; it needs the network to npm's registry then).
Prints, for each run, the four scores, the main thread's blocked time and
every audit that fails; the reports stay in build-web/lighthouse/."""
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import ROOT, Browser  # noqa: E402

VERSION = "12.2.3"
CACHE = os.environ.get("MUD_CACHE") or ("/var/cache/mudrovan" if os.getuid() == 0 else
                                        os.path.join(os.path.expanduser("~"), ".cache", "mudrovan"))
CHROME_FLAGS = ("--headless=new --no-sandbox --use-angle=swiftshader --enable-unsafe-swiftshader --no-first-run"
                " --disable-background-networking --disable-component-update --disable-sync --disable-quic")


def lighthouse():
    folder = os.path.join(CACHE, "lighthouse-" + VERSION)
    program = os.path.join(folder, "node_modules", ".bin", "lighthouse")
    if not os.path.exists(program):
        subprocess.run(["npm", "install", "--no-audit", "--no-fund", "-E", "--prefix", folder,
                        "lighthouse@" + VERSION], check=True)
    return program


def main():
    args = sys.argv[1:]
    runs = int(args.pop(0)) if args and args[0].isdigit() else 1
    site = args[0] if args else os.path.join(ROOT, "build-web", "site")
    program = lighthouse()
    reports = os.path.join(ROOT, "build-web", "lighthouse")
    os.makedirs(reports, exist_ok=True)
    server = Browser()  # only its web server
    try:
        server.serve(site)
        for run in range(runs):
            report = os.path.join(reports, "report-%d.json" % (run + 1))
            subprocess.run([program, server.url, "--output=json", "--output-path=" + report, "--quiet",
                            "--only-categories=performance,accessibility,best-practices,seo",
                            "--chrome-flags=" + CHROME_FLAGS], check=True,
                           env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"))
            result = json.load(open(report))
            scores = ", ".join("%s %.2f" % (c["title"], c["score"]) for c in result["categories"].values())
            blocked = result["audits"]["total-blocking-time"]["numericValue"]
            print("run %d: %s; main thread blocked %.0f ms" % (run + 1, scores, blocked))
            for key, audit in sorted(result["audits"].items()):
                if audit.get("scoreDisplayMode") in ("binary", "numeric", "metricSavings") and \
                        audit.get("score") is not None and audit["score"] < 0.9:
                    print("  %-32s %.2f  %s" % (key, audit["score"], audit.get("displayValue", "")))
    finally:
        server.close()


if __name__ == "__main__":
    main()
