#!/usr/bin/python3
"""Whether two builds of the web page draw the same pixels (a check for a
change to how the page is built, not a test):
    web_same_pixels.py SITE-A SITE-B
Plays the same steps on each in headless chromium (the board, a list open,
the hint, the explanation, the advert, the congratulation) and compares
each screen, pixel for pixel, once it has stopped changing."""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Chromium, decode_png, wait_for  # noqa: E402

ENTER, TAB = dict(vk=13, text="\r"), dict(vk=9)


def settled(b):
    """The screen once two shots a quarter of a second apart agree."""
    last = None
    for _ in range(40):
        shot = b.shot()
        if shot == last:
            return decode_png(shot)
        last = shot
        time.sleep(0.25)
    raise SystemExit("the page kept changing")


def screens(site):
    b = Chromium(site)
    try:
        b.navigate()
        wait_for("the game did not take the keyboard",
                 lambda: b.evaluate("document.activeElement && document.activeElement.id") == "screen", 90)
        left, top = b.evaluate("(() => { const r = document.getElementById('screen').getBoundingClientRect();"
                               " return [r.left, r.top]; })()")
        x, y = round(left) + 4, round(top) + 4 + 18  # the board's client area
        shots = {"board": settled(b)}
        b.key("Enter", **ENTER)  # "Provera" has the focus: a wrong check
        shots["hint"] = settled(b)
        b.key("Enter", **ENTER)  # its "Izlaz"
        b.click(x + 60, y + 170)  # house 1's colour list, open
        shots["list open"] = settled(b)
        b.key("Escape", vk=27)
        for name, tabs in (("explanation", 1), ("advert", 2)):
            b.key("Tab", vk=9, modifiers=8)  # back to "Provera"...
            for _ in range(tabs):
                b.key("Tab", **TAB)  # ... then on to the button
            b.key("Enter", **ENTER)
            shots[name] = settled(b)
            b.key("Escape", vk=27)
            settled(b)
        b.click(x + 437, y + 224, "right")  # the reveal
        b.key("Tab", vk=9, modifiers=8)
        b.key("Enter", **ENTER)
        shots["congratulation"] = settled(b)
        return shots
    finally:
        b.close()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    a, b = screens(sys.argv[1]), screens(sys.argv[2])
    differ = 0
    for name in a:
        rows_a, rows_b = a[name], b[name]
        count = sum(pa != pb for ra, rb in zip(rows_a, rows_b) for pa, pb in zip(ra, rb))
        count += abs(len(rows_a) - len(rows_b))
        differ += count
        print("%-16s %s" % (name, "the same" if not count else "%d pixels differ" % count))
    sys.exit(1 if differ else 0)


if __name__ == "__main__":
    main()
