#!/usr/bin/python3
"""The game's web page on a phone, in Debian's headless chromium emulating
one (mobile viewport, touch, pixel ratio 3):
    web_phone.py SITE-FOLDER
The whole board on the screen in portrait, each list, button and clue
where screen readers find it (in landscape too), a list played by a screen
reader's activation, a round by touch alone (a tap opens a list and chooses
an item, a tap presses "Provera" and the hint's "Izlaz", a held press on
house 5's pet reveals, a tap shows the congratulation), a pinch zooms the
page further and it stays so, the whole board again once the phone is
turned, and on a tablet, enlarged; the page installable; after that one
visit, the page loaded and played with the web server stopped; and a new
version of the site kept in place of the old on the next visit, but only
whole."""
import os
import re
import shutil
import subprocess
import sys
import time

from browser import ROOT, Failure, run, wait_for
from on_page import LISTS, clues, mirrored
from web_play import BORDER, CAPTION, NAVY, SILVER, WHITE, Board, check

HOLD = 1.2  # seconds: longer than a press-and-hold
# The colour list of house 1, and the items of its list open below it.
LIST = (40, 60)


def item(n):
    return LIST[0], 72 + 13 * n + 6


class PhoneBoard(Board):
    """The board on a zoomed page: judged on screenshots of the phone's
    screen, played by touch at the page's layout positions."""

    def __init__(self, browser, seconds=60):
        super().__init__(browser, seconds)
        self.shot = None

    def look(self):
        """Takes the screen as it is now, and where the board is on it; pixel() reads it."""
        view = self.b.evaluate("(() => { const r = document.getElementById('screen').getBoundingClientRect();"
                               " return [r.left, r.top, visualViewport.offsetLeft, visualViewport.offsetTop,"
                               " visualViewport.scale]; })()")
        left, top, self.left, self.top, zoom = view
        self.k = zoom * self.b.ratio
        self.x, self.y = left + BORDER, top + BORDER + CAPTION
        self.shot = self.b.screenshot()

    def pixel(self, x, y):
        """The colour the screen shows at the middle of the board's client pixel (x, y)."""
        if self.shot is None:
            self.look()
        return self.at(self.x + x + 0.5, self.y + y + 0.5)

    def wait_pixel(self, what, x, y, colour, equal=True, seconds=10):
        def probe():
            self.look()
            return (self.pixel(x, y) == colour) == equal
        wait_for(what, probe, seconds, step=0.2)

    def at(self, x, y):
        """The colour the screen shows at the page's CSS point (x, y)."""
        col, row = int((x - self.left) * self.k), int((y - self.top) * self.k)
        if not (0 <= row < len(self.shot) and 0 <= col < len(self.shot[0])):
            raise Failure("the page's point (%.1f, %.1f) is off the screen" % (x, y))
        return self.shot[row][col]

    def click(self, x, y, button="left"):
        raise Failure("a phone has no mouse")

    def tap(self, x, y, hold=0.0):
        self.b.touch(self.x + x, self.y + y, hold)

    def samples(self):
        """Points of a grid over the client area inside areas of one colour, with their colours."""
        found = {}
        for x in range(5, 506, 11):
            for y in range(3, 484, 10):
                colour = self.pixel(x, y)
                if all(self.pixel(x + dx, y + dy) == colour for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1))):
                    found[(x, y)] = colour
        return found

    def check_whole(self, orientation):
        """The whole board with its frame on the screen, as the desktop shows it,
        drawn at the zoomed density."""
        self.wait_pixel("the board did not paint in %s" % orientation, 250, 480, SILVER, seconds=30)
        drawn, shown = self.b.evaluate("[document.getElementById('screen').width, document.getElementById('screen')"
                                       ".clientWidth * visualViewport.scale * %s]" % self.b.ratio)
        check(abs(drawn - shown) <= 1, "the board is drawn %d pixels wide and shown %.1f wide in %s"
              % (drawn, shown, orientation))
        width, height = self.width - 2 * BORDER, self.height - 2 * BORDER - CAPTION
        check(self.pixel(200, -9) == NAVY, "no navy caption in %s" % orientation)
        # Each corner of the frame on the screen; its right and bottom edges
        # dark, as its two outer rings are (at a fractional zoom a line's
        # colour blends with its neighbours' at its sides).
        for corner in ((-BORDER, -BORDER - CAPTION), (width + BORDER - 1, -BORDER - CAPTION),
                       (-BORDER, height + BORDER - 1), (width + BORDER - 1, height + BORDER - 1)):
            self.pixel(*corner)
        right, bottom = width + BORDER - 1, height + BORDER - 1
        for edge in (((right, 200), (right - 1, 200)), ((200, bottom), (200, bottom - 1))):
            check(min(max(self.pixel(*p)) for p in edge) < 160, "no dark edge of the frame at %s in %s: %s"
                  % (edge, orientation, [self.pixel(*p) for p in edge]))


def check_mirror(b, board, orientation):
    """Each list's, button's and clue's element for screen readers lies over
    what is drawn of it, within 2 CSS pixels: a list's or a button's drawn
    edges, on its silver ground, at each side of the element's box; a
    clue's ink from the box's left, in its rows."""
    board.look()
    things, near, step = mirrored(b, boxes=True), 2, 1 / board.k
    steps = [i * step - near for i in range(int(2 * near / step) + 1)]
    wrong = []
    for name in LISTS + ["Provera", "Ponovo", "Objašnjenje", "Kraj", "Reklama"]:
        left, top, right, bottom = things[name][4]
        across, down = top + (bottom - top) / 2, left + (right - left) * 0.85
        for side, points in (("left", [(left + d, across) for d in steps]),
                             ("right", [(right - d, across) for d in steps]),
                             ("top", [(down, top + d) for d in steps]),
                             ("bottom", [(down, bottom - d) for d in steps])):
            colours = [board.at(*p) for p in points]
            if not any(a == SILVER and c != SILVER for a, c in zip(colours, colours[1:])):
                wrong.append("%s's %s" % (name, side))
    for name in clues(things):
        left, top, right, bottom = things[name][4]
        ink = [(x, y) for y in frange(top, bottom, step) for x in frange(left - near, left + 12, step)
               if board.at(x, y) != SILVER]
        # A letter's ink begins after its own side bearing, up to a pixel.
        if not ink or not -near <= min(x for x, _ in ink) - left <= near + 1:
            wrong.append("%s's text" % name)
    check(not wrong, "in %s, not drawn where screen readers find them: %s" % (orientation, ", ".join(wrong)))


def frange(start, stop, step):
    return [start + i * step for i in range(int((stop - start) / step))]


def play(b, site):
    b.emulate_phone(390, 844)
    b.send("Page.navigate", url=b.url)
    board = PhoneBoard(b)
    print("the whole board on a portrait phone")
    board.check_whole("portrait")
    check(board.pixel(486, 287) != SILVER, "life 15 is not shown at start")
    check(b.send("Page.getInstallabilityErrors")["installabilityErrors"] == [],
          "chromium would not install the page: %s" % b.send("Page.getInstallabilityErrors"))
    b.evaluate("window.menus = []; document.addEventListener('contextmenu', e => menus.push(e.defaultPrevented))")
    check_mirror(b, board, "portrait")

    print("a screen reader's activation (a click with no touch before it) opens a list and chooses an item")
    click = "[...document.querySelectorAll('#mirror [role=%s]')].find(e => e.textContent === %r || " \
            "e.getAttribute('aria-label') === %r).click()"
    b.evaluate(click % ("combobox", "Kuća 2, Boja", "Kuća 2, Boja"))
    options = wait_for("a click on the list's element did not open it", lambda: [
        name for name, (role, *_) in mirrored(b).items() if role == "option"])
    b.evaluate(click % ("option", options[2], options[2]))
    wait_for("a click on an item's element did not choose it", lambda: mirrored(b)["Kuća 2, Boja"][1] == options[2]
             and "option" not in [role for role, *_ in mirrored(b).values()])

    print("a round by touch")
    house1 = board.pixel(85, 40)
    board.tap(*LIST)
    board.wait_pixel("a tap did not open the list", 30, item(0)[1], NAVY)  # its current item, highlighted
    board.tap(*item(4))  # "Žuta", house 1's colour
    wait_for("a tap on an item did not paint house 1", lambda: board.look() or board.pixel(85, 40) != house1)
    hint = board.dialog_caption(169, 128)
    board.tap(200, 325)  # Provera
    board.wait_pixel("a tap on Provera opened no hint", *hint, NAVY)
    izlaz = (hint[0] - 40 + 123, hint[1] - 5 + CAPTION + 105)  # the hint's "Izlaz", from its caption
    board.tap(*izlaz)
    board.wait_pixel("a tap on Izlaz did not close the hint", *hint, NAVY, equal=False)
    board.wait_pixel("life 15 is still shown after the hint", 486, 287, SILVER)
    house2 = board.pixel(176, 40)
    board.tap(437, 224, HOLD)  # held on the pet label of house 5
    wait_for("a held press did not reveal", lambda: board.look() or board.pixel(176, 40) != house2)
    check(b.evaluate("menus.every(Boolean) && getSelection().toString() === ''"),
          "a long press opened the browser's menu or selected text")
    board.tap(200, 325)
    board.wait_pixel("a tap on Provera showed no congratulation", 74, 298, WHITE)

    print("the player zooms in, as on any page")
    viewport = b.evaluate("document.querySelector('meta[name=viewport]').content")
    check("maximum-scale" not in viewport and "user-scalable" not in viewport, "the page forbids zooming: " + viewport)
    fitted = b.evaluate("visualViewport.scale")
    below = b.evaluate("(document.getElementById('screen').getBoundingClientRect().bottom + innerHeight) / 2")
    b.send("Input.synthesizePinchGesture", x=195, y=below, scaleFactor=2)
    wait_for("a pinch did not zoom the page", lambda: b.evaluate("visualViewport.scale") > 1.9 * fitted)
    time.sleep(0.5)
    check(b.evaluate("visualViewport.scale") > 1.9 * fitted, "the page took the player's zoom back")

    print("the phone turned: the whole board again, drawn anew")
    before = board.samples()
    b.emulate_phone(844, 390)
    wait_for("the page did not refit", lambda: b.evaluate(
        "visualViewport.height * visualViewport.scale < 400 && Math.abs(document.getElementById('screen').width -"
        " document.getElementById('screen').clientWidth * visualViewport.scale * 3) <= 1"))
    board = PhoneBoard(b)
    board.check_whole("landscape")
    check_mirror(b, board, "landscape")
    board.look()
    same = sum(board.pixel(*point) == colour for point, colour in before.items())
    check(same >= 0.98 * len(before), "the turned board shows other pixels: %d of %d alike" % (same, len(before)))

    print("a tablet: the board enlarged to the width, drawn at the enlarged density")
    b.emulate_phone(768, 1024, ratio=2)
    wait_for("the page did not refit for a tablet", lambda: b.evaluate("visualViewport.scale > 1.4"))
    board = PhoneBoard(b)
    board.check_whole("a tablet")

    print("kept as an app: with the web server stopped, it loads and plays")
    files = len(site_files(site))
    wait_for("the page was not kept whole", lambda: b.evaluate(
        "navigator.serviceWorker.ready.then(async () => {"
        " const names = (await caches.keys()).filter(n => n.startsWith('mudrovan-'));"
        " return names.length === 1 && (await (await caches.open(names[0])).keys()).length; })", wait=True) == files,
             seconds=60, step=0.5)
    b.stop_serving()
    b.reload()
    board = PhoneBoard(b)
    board.check_whole("a tablet, offline")
    board.tap(200, 325)
    board.wait_pixel("offline, a tap on Provera opened no hint", *hint, NAVY)

    print("a new version of the site: kept whole in place of the old, and played on the next visit")
    replace(b, site, b.work)


def site_files(site):
    """The files the site's worker keeps, as the build wrote them into it."""
    return re.findall(r'^  "([^"]+)": "', open(os.path.join(site, "sw.js")).read(), re.M)


def new_version(site, folder, mark, whole=True):
    """A copy of the site whose page differs by a comment, with its worker
    written as the build writes it; not `whole`, it serves another page than
    the one its worker was written for, as a server caught mid-update does."""
    shutil.copytree(site, folder)
    page = os.path.join(folder, "index.html")

    def mark_page(text):
        html = open(page).read().replace("</body>", "<!-- %s --></body>" % text)
        with open(page, "w") as f:
            f.write(html)
    mark_page(mark)
    subprocess.run(["cmake", "-DSITE=" + folder, "-DVERSION=1.00", "-DFILES=" + ",".join(site_files(site)),
                    "-DTEMPLATE=" + os.path.join(ROOT, "web", "sw.js.in"),
                    "-P", os.path.join(ROOT, "web", "service_worker.cmake")], check=True)
    if not whole:
        mark_page("changed since")
    # A web server dates a file to the second: each version's own changes
    # are dated apart, as versions put on a site are.
    stamp = time.time() + 60 * len(os.listdir(os.path.dirname(folder)))
    for name in ("index.html", "sw.js"):
        os.utime(os.path.join(folder, name), (stamp, stamp))
    return folder


def kept(b):
    """The names of the kept copies, once no new worker is installing."""
    return b.evaluate("navigator.serviceWorker.getRegistration().then(async r => r.installing ? null :"
                      " [(await caches.keys()).filter(n => n.startsWith('mudrovan-')), !!r.waiting])", wait=True)


def replace(b, site, work):
    port = int(b.url.rsplit(":", 1)[1].strip("/"))
    old = kept(b)[0]
    b.serve(new_version(site, os.path.join(work, "half"), "half", whole=False), port)
    b.reload()
    # Asked here too, so that what is kept is judged after the attempt.
    b.evaluate("navigator.serviceWorker.getRegistration().then(r => r.update()).catch(() => null)", wait=True)
    wait_for("the worker of a site caught mid-update did not give up", lambda: kept(b) == [old, False],
             seconds=30, step=0.5)
    b.stop_serving()
    b.serve(new_version(site, os.path.join(work, "new"), "new"), port)
    b.reload()
    wait_for("the new version was not kept", lambda: (kept(b) or [0, 0])[1], seconds=60, step=0.5)
    check("<!-- new -->" not in b.evaluate("document.documentElement.outerHTML"), "the new version mixed in early")
    b.send("ServiceWorker.enable")
    b.send("Page.navigate", url="about:blank")  # the old version's last page closes

    def new_worker_active():
        b.send("Runtime.evaluate", expression="0")  # collects the browser's events
        statuses = {}
        for e in b.events:
            if e.get("method") == "ServiceWorker.workerVersionUpdated":
                for v in e["params"]["versions"]:
                    statuses.setdefault(v["versionId"], []).append(v["status"])
        return any("installed" in seen and seen[-1] == "activated" for seen in statuses.values())
    wait_for("the new version did not take over once the old one's last page had closed", new_worker_active,
             seconds=30, step=0.2)
    b.send("Page.navigate", url=b.url)
    wait_for("the next visit did not play the new version", lambda: b.evaluate(
        "document.readyState === 'complete' && document.documentElement.outerHTML.includes('<!-- new -->')"),
        seconds=30)
    wait_for("the old version was not removed", lambda: (kept(b) or [[]])[0] not in ([], [old]) and
             len(kept(b)[0]) == 1, seconds=30, step=0.5)


if __name__ == "__main__":
    sys.exit(run(play))
