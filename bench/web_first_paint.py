#!/usr/bin/python3
"""Time from navigation to the board's first paint in headless chromium,
the page served on 127.0.0.1 (not a test):
    bench/web_first_paint.py [RUNS]      after ./web.sh
Prints each run and the median; also the download sizes of the page."""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import ROOT, Browser  # noqa: E402
from web_play import SILVER, Board  # noqa: E402

SITE = os.path.join(ROOT, "build-web", "site")


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    for name in sorted(os.listdir(SITE)):
        data = open(os.path.join(SITE, name), "rb").read()
        print("%-14s %9d bytes, %9d gzipped" % (name, len(data), len(gzip.compress(data, 9))))
    times = []
    for _ in range(runs):
        browser = Browser(SITE)
        try:
            browser.send("Page.navigate", url=browser.url)
            started = time.monotonic()
            board = Board(browser)
            board.wait_pixel("the board did not paint", 250, 480, SILVER, seconds=60)
            times.append(time.monotonic() - started)
            print("first paint after %.2f s" % times[-1])
        finally:
            browser.close()
    print("median %.2f s over %d runs" % (statistics.median(times), runs))


if __name__ == "__main__":
    main()
