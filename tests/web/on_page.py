#!/usr/bin/python3
"""The game's page in a browser started elsewhere (tests/web/web_orca.sh): a
chromium with --remote-debugging-port=0 and this profile folder, or a
firefox with --remote-debugging-port PORT.
    on_page.py ENGINE WHERE click X Y [left|right]
        clicks a point of the board's client area
    on_page.py firefox PORT point NAME
        prints the screen point (x y) where the mirrored thing NAME lies,
        for the X pointer
    on_page.py chromium PROFILE-FOLDER explore
        as a screen reader explores the page through the accessibility bus
        (AT-SPI, run inside tests/e2e/on_display.sh --a11y): what lies at
        the middle of each list and each clue, by the browser's own hit
        test; then house 2's colour list opened by its default action, and
        its third item chosen by the item's. Prints the value chosen."""
import json
import sys

from browser import Chromium, Failure, Firefox, wait_for
from web_play import Board

LISTS = ["Kuća %d, %s" % (h, a) for h in range(1, 6) for a in ("Boja", "Poreklo", "Piće", "Cigarete", "Ljubimac")]
# The mirror's things on the page: name (a control's label, else its text),
# role, text, middle and box (left, top, right, bottom) in the page's CSS
# pixels.
MIRRORED = """JSON.stringify([...document.querySelectorAll('#mirror *')].map(e => {
    const r = e.getBoundingClientRect();
    return [e.getAttribute('aria-label') || e.textContent, e.getAttribute('role') || e.tagName.toLowerCase(),
            e.textContent, r.left + r.width / 2, r.top + r.height / 2, [r.left, r.top, r.right, r.bottom]]; }))"""


def mirrored(browser, boxes=False):
    return {name: (role, text, x, y) + ((box,) if boxes else ())
            for name, role, text, x, y, box in json.loads(browser.evaluate(MIRRORED))}


def clues(things):
    """The clues: the texts below their heading."""
    below = things["Podaci"][3]
    return [name for name, (role, _, _, y, *_) in things.items() if role == "div" and y > below]


def explore(browser):
    import pyatspi
    from gi.repository import GLib

    def ask(what, probe, seconds=10):
        def pumped():
            while GLib.MainContext.default().iteration(False):
                pass
            return probe()
        return wait_for(what, pumped, seconds)

    def document():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Chromium":
                return pyatspi.findDescendant(app, lambda a: a.getRole() == pyatspi.ROLE_DOCUMENT_WEB and
                                              a.name == "Dazazirezir uraruvivo")
    page = ask("chromium's page is not on the accessibility bus", document)
    origin = page.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

    def at(x, y):
        """The deepest object at a point of the page, as a screen reader asks."""
        node, point = page, (int(origin.x + x), int(origin.y + y))
        while True:
            inner = node.queryComponent().getAccessibleAtPoint(*point, pyatspi.DESKTOP_COORDS)
            if inner is None or inner == node:
                return node
            node = inner

    def read(node):
        text = node.queryText() if "Text" in pyatspi.listInterfaces(node) else None
        return node.getRoleName(), node.name, text.getText(0, -1) if text else ""

    things = mirrored(browser)
    found = []
    if len(clues(things)) != 15:
        raise Failure("the page holds %d clues" % len(clues(things)))
    for name in LISTS + clues(things):
        role, text, x, y = things[name]
        seen = read(at(x, y))
        expected = ("combo box", name, text) if name in LISTS else (seen[0], seen[1], name)
        if seen != expected or (name in LISTS) != (role == "combobox"):
            found.append("%s: %s" % (name, seen))
    if found:
        raise Failure("the hit test finds, at the middle of each list and clue:\n  " + "\n  ".join(found))

    def act(name, node):
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if not names:
            raise Failure("%s has no action for a screen reader" % name)
        action.doAction(0)

    act("house 2's colour list", at(*things["Kuća 2, Boja"][2:]))
    options = ask("house 2's colour list did not open at its action", lambda: [
        (name, x, y) for name, (role, _, x, y) in mirrored(browser).items() if role == "option"])
    name, x, y = options[2]
    act("the list's third item", at(x, y))
    return ask("the third item was not chosen", lambda: (lambda v: v if v == name and not any(
        role == "option" for role, *_ in mirrored(browser).values()) else None)(mirrored(browser)["Kuća 2, Boja"][1]))


def point(browser, name):
    inside = browser.evaluate("[mozInnerScreenX, mozInnerScreenY]")
    _, _, x, y = mirrored(browser)[name]
    return "%d %d" % (round(inside[0] + x), round(inside[1] + y))


if __name__ == "__main__":
    engine, where, command = sys.argv[1:4]
    browser = Chromium(profile=where) if engine == "chromium" else Firefox(port=int(where))
    try:
        if command == "click":
            Board(browser).click(int(sys.argv[4]), int(sys.argv[5]), sys.argv[6] if len(sys.argv) > 6 else "left")
        elif command == "point":
            print(point(browser, sys.argv[4]))
        else:
            print(explore(browser))
    except Failure as failure:
        sys.exit("FAIL: %s" % failure)
    finally:
        browser.close()
