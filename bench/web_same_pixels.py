#!/usr/bin/python3
"""Whether two builds of the web page draw the same pixels (a check for a
change to how the page is built, not a test):
    web_same_pixels.py SITE-A SITE-B
Plays the same steps on each in headless chromium (the board, the
explanation, the advert, a list open, the hint for one wrong answer, the
congratulation) and compares each screen, pixel for pixel, once it has
stopped changing; SHOTS=FOLDER keeps the screens that differ."""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Chromium, decode_png, wait_for  # noqa: E402
from web_play import Board  # noqa: E402


def settled(b):
    """The screen once two shots a quarter of a second apart agree."""
    last = None
    for _ in range(40):
        shot = b.shot()
        if shot == last:
            return shot
        last = shot
        time.sleep(0.25)
    raise SystemExit("the page kept changing")


# Each screen from a page loaded afresh: (name, steps), a step being a click
# at a place of the board's client area (with its button) or a key.
CLICK_LIST, PROVERA, REVEAL = (50, 61), (200, 325), (437, 224, "right")
SCREENS = [
    ("board", []),
    ("explanation", [(374, 325)]),
    ("advert", [(464, 469)]),
    ("list open", [CLICK_LIST]),
    # every answer right but one, which the hint then names
    ("hint", [REVEAL, CLICK_LIST, ("ArrowDown", 40), ("Enter", 13), PROVERA]),
    ("congratulation", [REVEAL, PROVERA]),
]


def screens(site):
    b = Chromium(site)
    shots = {}
    try:
        for name, steps in SCREENS:
            b.navigate()
            wait_for("the game did not take the keyboard",
                     lambda: b.evaluate("!!document.activeElement && (document.activeElement.id === 'screen' ||"
                                        " document.getElementById('mirror').contains(document.activeElement))"), 90)
            board = Board(b)
            settled(b)
            for step in steps:
                if isinstance(step[0], str):
                    b.key(step[0], vk=step[1], text="\r" if step[0] == "Enter" else None)
                else:
                    board.click(*step)
                    settled(b)
            shots[name] = settled(b)
        return shots
    finally:
        b.close()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    a, b = screens(sys.argv[1]), screens(sys.argv[2])
    differ = 0
    for name in a:
        rows_a, rows_b = decode_png(a[name]), decode_png(b[name])
        count = sum(pa != pb for ra, rb in zip(rows_a, rows_b) for pa, pb in zip(ra, rb))
        count += abs(len(rows_a) - len(rows_b))
        differ += count
        print("%-16s %s" % (name, "the same" if not count else "%d pixels differ" % count))
        if count and os.environ.get("SHOTS"):  # a folder to keep the two screens that differ
            for side, shots in (("a", a), ("b", b)):
                with open(os.path.join(os.environ["SHOTS"], "%s-%s.png" % (name, side)), "wb") as f:
                    f.write(shots[name])
    sys.exit(1 if differ else 0)


if __name__ == "__main__":
    main()
