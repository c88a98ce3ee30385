#!/usr/bin/python3
"""How soon the page's elements for screen readers follow a change (not a
test), in headless chromium on a phone (390 x 844, pixel ratio 3, touch)
with the processor slowed four times:
    bench/mirror_follow.py [RUNS] [SITE-FOLDER]           after ./web.sh
Each run acts as a screen reader does (a click on an element, with no touch
before it) and times, in the page, the click until the elements show its
result: house 2's colour list opened, its third item chosen, the hint
dialog opened by "Provera" and closed by its "Izlaz"; and of that, the
time the page spends placing the elements (what the program spends making
their list is not seen from the page). Prints each run and the medians,
in milliseconds."""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import ROOT, Chromium, wait_for  # noqa: E402

# In the page: the time the mirror's own work takes, and a click followed
# until the mirror shows what `done` asks.
TOOLS = """
  window.mirrorWork = [];
  const placed = mudrovan.mirror;
  mudrovan.mirror = json => { const t = performance.now(); placed(json); mirrorWork.push(performance.now() - t); };
  window.follow = (role, name, done) => new Promise(resolve => {
    const find = (r, n) => [...document.querySelectorAll('#mirror [role=' + r + '], #mirror ' + r)]
      .find(e => n === undefined || e.textContent === n || e.getAttribute('aria-label') === n);
    const start = performance.now(), before = mirrorWork.length;
    const watch = new MutationObserver(() => {
      if (!done(find)) return;
      watch.disconnect();
      const work = mirrorWork.slice(before);
      resolve([performance.now() - start, work.reduce((a, b) => a + b, 0)]);
    });
    watch.observe(document.getElementById('mirror'), {subtree: true, childList: true, attributes: true,
                                                      characterData: true});
    find(role, name).click();
  });
"""
STEPS = [
    ("a list opened", "combobox", "Kuća 2, Boja", "f => f('option', 'Zelena')"),
    ("an item chosen", "option", "Zelena", "f => !f('option') && f('combobox', 'Kuća 2, Boja').textContent === 'Zelena'"),
    ("a dialog opened", "button", "Provera", "f => f('dialog')"),
    ("a dialog closed", "button", "Izlaz", "f => !f('dialog')"),
]


def run(browser):
    browser.emulate_phone(390, 844)
    browser.send("Emulation.setCPUThrottlingRate", rate=4)
    browser.send("Page.navigate", url=browser.url)
    wait_for("the page's elements did not come", lambda: browser.evaluate(
        "!!(window.mudrovan && document.querySelectorAll('#mirror [role=combobox]').length === 25)"), 120)
    browser.evaluate(TOOLS)
    found = {}
    for what, role, name, done in STEPS:
        found[what] = browser.evaluate("follow(%r, %r, %s)" % (role, name, done), wait=True)
    browser.send("Emulation.setCPUThrottlingRate", rate=1)
    return found


if __name__ == "__main__":
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    site = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "build-web", "site")
    results = []
    for n in range(runs):
        browser = Chromium(site)
        try:
            results.append(run(browser))
        finally:
            browser.close()
        print("run %d: %s" % (n + 1, ", ".join("%s %.0f (placing %.1f)" % (k, *v) for k, v in results[-1].items())))
    print("medians:")
    for what in results[0]:
        print("  %-28s %6.0f ms, of which placing the elements %.1f ms" % (
            what, statistics.median(r[what][0] for r in results), statistics.median(r[what][1] for r in results)))
