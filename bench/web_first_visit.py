#!/usr/bin/python3
"""A first visit to the web page, measured in headless chromium (not a test):
    bench/web_first_visit.py [--runs N] [NAME=SITE-FOLDER ...]      after ./web.sh
(by default the site in build-web/site). For each site, in one run:
  - its files: as they are and gzipped;
  - the bytes over the wire until the board is on the screen, from a host
    that compresses nothing (as ./web.sh serve) and from one that gzips;
  - the time from navigation to the board on the screen (its pixels, not the
    browser's paint figures): on a desktop page; on a phone on a slow mobile
    network (390 x 844, pixel ratio 3, touch; 150 ms round trip, 1.47 Mbit/s
    down, 0.68 up, the processor slowed four times), from each host; and on
    that phone again from the kept copy, with the web server stopped.
Prints each run and the medians. Give an earlier build's site beside this
one (before=FOLDER after=build-web/site) to compare them in one run."""
import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import ROOT, Chromium, wait_for  # noqa: E402
from web_play import SILVER, Board  # noqa: E402

KBPS = 1024 / 8  # bytes a second in a kilobit a second, as the web's audit counts
SLOW_4G = {"offline": False, "latency": 150, "downloadThroughput": 1474.56 * KBPS, "uploadThroughput": 675 * KBPS}


def on_screen(browser, started, seconds=300):
    """Seconds from `started` until the board's ground is on the screen."""
    # One pixel at a time, read from a clip of the screen (a whole phone's
    # screenshot takes seconds to read here).
    board = Board(browser, seconds)
    board.wait_pixel("the board did not come", 250, 480, SILVER, seconds=seconds)
    return time.monotonic() - started


def wire_bytes(browser):
    """Bytes the page has received over the network so far (headers too)."""
    browser.send("Runtime.evaluate", expression="0")  # collects pending events
    return sum(e["params"]["encodedDataLength"] for e in browser.events if e.get("method") == "Network.loadingFinished")


def visit(site, phone=False, compress=False, kept=False):
    """One first visit in a new browser: the time to the board and the bytes
    it took (and, with `kept`, the time from the kept copy afterwards)."""
    browser = Chromium()
    try:
        browser.serve(site, compress=compress)
        browser.send("Network.enable")
        browser.send("Network.setCacheDisabled", cacheDisabled=False)
        if phone:
            browser.emulate_phone(390, 844)
            browser.send("Emulation.setCPUThrottlingRate", rate=4)
            browser.send("Network.emulateNetworkConditions", **SLOW_4G)
        started = time.monotonic()
        browser.navigate()
        seconds = on_screen(browser, started)
        weight = wire_bytes(browser)
        again = None
        if kept:
            wait_for("the page was not kept", lambda: browser.evaluate(
                "navigator.serviceWorker.ready.then(r => !!r.active && r.active.state === 'activated')",
                wait=True), seconds=300, step=0.5)
            browser.stop_serving()
            started = time.monotonic()
            browser.reload()
            again = on_screen(browser, started)
        return seconds, weight, again
    finally:
        browser.close()


def sizes(site):
    raw = zipped = 0
    for name in sorted(os.listdir(site)):
        data = open(os.path.join(site, name), "rb").read()
        packed = len(gzip.compress(data, 9)) if not name.endswith(".gz") else len(data)
        print("  %-22s %10d bytes, %10d gzipped" % (name, len(data), packed))
        raw, zipped = raw + len(data), zipped + packed
    print("  %-22s %10d bytes, %10d gzipped" % ("all", raw, zipped))


def main():
    args = sys.argv[1:]
    runs = 3
    if "--runs" in args:
        at = args.index("--runs")
        runs = int(args[at + 1])
        del args[at:at + 2]
    sites = [a.split("=", 1) for a in args] or [["site", os.path.join(ROOT, "build-web", "site")]]
    results = {}
    for name, site in sites:
        print("%s (%s):" % (name, site))
        sizes(site)
    for run in range(runs):
        for name, site in sites:
            r = results.setdefault(name, {})
            desktop, plain_bytes, _ = visit(site)
            phone_plain, _, kept = visit(site, phone=True, kept=True)
            phone_gzip, gzip_bytes, _ = visit(site, phone=True, compress=True)
            for key, value in (("desktop s", desktop), ("phone s, plain host", phone_plain),
                               ("phone s, gzip host", phone_gzip), ("phone s, kept copy", kept),
                               ("bytes, plain host", plain_bytes), ("bytes, gzip host", gzip_bytes)):
                r.setdefault(key, []).append(value)
            print("run %d, %s: desktop %.1f s; phone %.1f s (plain host), %.1f s (gzip host), %.1f s (kept copy);"
                  " %d bytes from the plain host, %d from the gzip host"
                  % (run + 1, name, desktop, phone_plain, phone_gzip, kept, plain_bytes, gzip_bytes), flush=True)
    print("medians over %d runs:" % runs)
    for name, r in results.items():
        print("  " + name + ": " + "; ".join("%s %s" % (key, ("%.1f" % statistics.median(v)) if " s" in key
                                             else "%d" % statistics.median(v)) for key, v in r.items()))


if __name__ == "__main__":
    main()
