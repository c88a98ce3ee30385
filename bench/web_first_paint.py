#!/usr/bin/python3
"""Time from navigation to the board's first paint in headless chromium,
the page served on 127.0.0.1 (not a test):
    bench/web_first_paint.py [RUNS] [--phone]      after ./web.sh
With --phone, on an emulated phone (390 x 844, pixel ratio 3, touch) with
the processor slowed four times: once from the network, and once more from
the kept copy, with the web server stopped. Prints each run and the medians;
also the download sizes of the page."""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import ROOT, Browser, wait_for  # noqa: E402
from web_play import SILVER, Board  # noqa: E402

SITE = os.path.join(ROOT, "build-web", "site")


def painted(browser, started):
    board = Board(browser)
    board.wait_pixel("the board did not paint", 250, 480, SILVER, seconds=120)
    return time.monotonic() - started


def main():
    args = [a for a in sys.argv[1:] if a != "--phone"]
    phone = "--phone" in sys.argv
    runs = int(args[0]) if args else 5
    for name in sorted(os.listdir(SITE)):
        data = open(os.path.join(SITE, name), "rb").read()
        print("%-22s %9d bytes, %9d gzipped" % (name, len(data), len(gzip.compress(data, 9))))
    network, kept = [], []
    for _ in range(runs):
        browser = Browser(SITE)
        try:
            if phone:
                browser.emulate_phone(390, 844)
                browser.send("Emulation.setCPUThrottlingRate", rate=4)
            browser.send("Page.navigate", url=browser.url)
            network.append(painted(browser, time.monotonic()))
            line = "first paint after %.2f s" % network[-1]
            if phone:
                wait_for("the page was not kept", lambda: browser.evaluate(
                    "navigator.serviceWorker.ready.then(r => !!r.active && r.active.state === 'activated')",
                    wait=True), seconds=120)
                browser.stop_serving()
                started = time.monotonic()
                browser.reload()
                kept.append(painted(browser, started))
                line += ", from the kept copy after %.2f s" % kept[-1]
            print(line)
        finally:
            browser.close()
    print("median %.2f s over %d runs" % (statistics.median(network), runs))
    if kept:
        print("median from the kept copy %.2f s" % statistics.median(kept))


if __name__ == "__main__":
    main()
