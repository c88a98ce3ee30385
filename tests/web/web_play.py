#!/usr/bin/python3
"""Plays the game's web page in a browser engine (chromium, firefox or
webkit; the last two inside tests/e2e/on_display.sh):
    web_play.py SITE-FOLDER [ENGINE]
A failed download says so and is tried again at a press of the button, with
the progress shown as a progress bar; the board paints at its size and
stays in place, a wrong check by the keyboard opens the hint and costs a
life, the hidden reveal (without the browser's context menu) and a right
check show the congratulation, the keys stay in the game but for the
browser's own, and "Kraj" ends the game and the page says so; on the way,
what the page tells screen readers: the focused control, the hint as a
dialog with its finding, and the sentences said."""
import os
import re
import shutil
import sys

from browser import Failure, run, wait_for

SILVER, NAVY, WHITE = (192, 192, 192), (0, 0, 128), (255, 255, 255)
BORDER, CAPTION = 4, 18  # the board's own classic frame
DIALOG_BORDER = 3


class Board:
    """The board in the page: its client area's pixels and clicks."""

    def __init__(self, browser, seconds=60):
        self.b = browser
        left, top, self.width, self.height = wait_for("the board did not show", lambda: self.b.evaluate(
            "(() => { const s = document.getElementById('screen'); if (!s || s.hidden) return null;"
            " const r = s.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()"), seconds)
        self.x, self.y = round(left) + BORDER, round(top) + BORDER + CAPTION

    def pixel(self, x, y):
        return self.b.pixel(self.x + x, self.y + y)

    def wait_pixel(self, what, x, y, colour, equal=True, seconds=10):
        wait_for(what, lambda: (self.pixel(x, y) == colour) == equal, seconds)

    def click(self, x, y, button="left"):
        self.b.click(self.x + x, self.y + y, button)

    def dialog_caption(self, client_width, client_height):
        """A pixel of the caption of a dialog centred over the board."""
        width, height = client_width + 2 * DIALOG_BORDER, client_height + 2 * DIALOG_BORDER + CAPTION
        return ((self.width - width) // 2 + DIALOG_BORDER + 40 - BORDER,
                (self.height - height) // 2 + DIALOG_BORDER + 5 - BORDER - CAPTION)


def check(condition, message):
    if not condition:
        raise Failure(message)


def said(b):
    """The last sentence the page's spoken region has said, without the mark of a repeat."""
    return b.evaluate("(document.getElementById('heard').lastChild || {}).textContent || ''").replace("\u200b", "")


def shown(b, ident):
    return b.evaluate("!document.getElementById(%r).hidden" % ident)


def load_after_a_failure(b, site):
    """The page from a host that has lost the program: it says so, and
    loads at the button once the host has it again, the progress shown
    as a progress bar (in chromium, on a network slow enough to see it)."""
    b.stop_serving()
    copy = os.path.join(b.work, "site")
    shutil.copytree(site, copy)
    os.rename(os.path.join(copy, "mudrovan.wasm.gz"), os.path.join(b.work, "program"))
    b.serve(copy)
    b.navigate()
    wait_for("a failed download was not said", lambda: shown(b, "failed"), seconds=60)
    check(b.evaluate("document.getElementById('failed').getAttribute('role')") == "alert" and
          "Igra nije mogla da se učita" in b.evaluate("document.getElementById('why').textContent") and
          not shown(b, "loading") and not shown(b, "screen"), "the failure is not said as it should be")
    os.rename(os.path.join(b.work, "program"), os.path.join(copy, "mudrovan.wasm.gz"))
    slow = b.engine == "chromium"
    if slow:
        b.send("Network.enable")
        b.send("Network.emulateNetworkConditions", offline=False, latency=40, downloadThroughput=500000,
               uploadThroughput=500000)
    retry = b.evaluate("(() => { const r = document.getElementById('retry').getBoundingClientRect();"
                       " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
    b.click(*retry)
    if not slow:
        return
    seen, heard = set(), []

    def progress():
        bar = b.evaluate("(() => { const p = document.getElementById('bar');"
                         " return [p.getAttribute('aria-valuenow'), p.getAttribute('aria-valuetext'),"
                         " document.getElementById('loading').textContent.replace(/\\s+/g, ' ').trim()]; })()")
        if bar[1]:
            seen.add(tuple(bar))
            if len(seen) == 3:  # as screen readers meet it, well under way
                heard.extend((n["role"]["value"], n["name"]["value"], n.get("value", {}).get("value"))
                             for n in b.send("Accessibility.getFullAXTree")["nodes"]
                             if n.get("role", {}).get("value") == "progressbar")
        return shown(b, "screen")
    wait_for("the game did not load at the second try", progress, seconds=60, step=0.2)
    b.send("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1, uploadThroughput=-1)
    amounts = sorted(int(now) for now, _, _ in seen)
    check(len(amounts) >= 3 and amounts[-1] > amounts[0], "the progress bar did not move: %s" % sorted(seen))
    for now, text, line in seen:
        check(re.match(r"\d+,\d od \d+,\d MB$", text) and line == "Igra se učitava… " + text,
              "the progress reads %r, %r" % (text, line))
    check(len(heard) == 1 and heard[0][1] == "Igra se učitava…" and heard[0][2] > 0,
          "screen readers meet the progress as %s" % heard)


def play(b, site):
    print("a failed download, then the progress of the next")
    load_after_a_failure(b, site)
    board = Board(b)
    print("the board")
    check(b.evaluate("document.title") == "Dazazirezir uraruvivo", "the page's title is not the game's")
    client = (board.width - 2 * BORDER, board.height - 2 * BORDER - CAPTION)
    check(client == (511, 487), "the board's client area is %dx%d, not 511x487" % client)
    board.wait_pixel("the board did not paint its silver ground", 250, 480, SILVER, seconds=30)
    check(board.pixel(486, 287) != SILVER, "life 15 is not shown at start")
    wait_for("the game does not have the keyboard", b.has_keyboard)
    # The board is the page's game area: dragging its caption leaves it there.
    b.drag(board.x + 200, board.y - 9, board.x + 260, board.y + 60)
    check(board.pixel(200, -9) == NAVY and board.pixel(250, 480) == SILVER, "the board moved in the page")
    b.evaluate("window.keys = []; document.addEventListener('keydown', e => ['Shift', 'Control'].includes(e.key) ||"
               " keys.push((e.code === 'Tab' ? 'Tab' : e.key) + ':' + e.defaultPrevented));"
               "window.menus = []; document.addEventListener('contextmenu', e => menus.push(e.defaultPrevented));")
    check(b.told()[:3] == ("button", "Provera", "Provera"), "screen readers are told %s of the focused control" % (b.told(),))
    check(b.evaluate("document.getElementById('keys').textContent").startswith("F2 "), "the clue keys are not told")

    print("a wrong check by the keyboard")
    hint = board.dialog_caption(169, 128)
    b.key("Enter", vk=13, text="\r")  # "Provera" has the focus
    board.wait_pixel("Enter on Provera opened no hint window", *hint, NAVY)
    check(board.pixel(486, 287) != SILVER, "the life went before the hint was closed")
    role, name, _, window, title, finding = b.told()
    check((role, name, window, title) == ("button", "Izlaz", "dialog", " Informacija") and
          re.match(r"Nađena je greška! Kuća broj: [1-5]\. Pitanje: \w+\.$", finding),
          "screen readers are told %s of the hint" % (b.told(),))
    b.key("Enter", vk=13, text="\r")  # the hint's "Izlaz"
    board.wait_pixel("Enter did not close the hint window", *hint, NAVY, equal=False)
    board.wait_pixel("life 15 is still shown after the hint", 486, 287, SILVER)
    wait_for("the lives left were not said", lambda: said(b) == "Preostalo života: 14")
    check(b.told()[:2] == ("button", "Provera"), "the focus did not come back to Provera: %s" % (b.told(),))
    b.evaluate("document.activeElement.blur()")  # as a click beside the board, or a screen reader's caret
    b.key("Tab", vk=9)
    check(b.has_keyboard(), "a key pressed on the page did not go to the game")
    b.key("ArrowDown", code="ArrowDown", vk=40)
    wait_for("a list's new value was not said", lambda: said(b) == "Crvena")
    check(b.told()[:3] == ("combobox", "Kuća 1, Boja", "Crvena"), "screen readers are told %s of a list" % (b.told(),))
    if hasattr(b, "controls"):
        for _ in range(2):
            b.key("Tab", vk=9)
        wait_for("the focus did not reach house 3's colour", lambda: b.told()[1] == "Kuća 3, Boja")
        wait_for("with the focus moved, screen readers do not find the board's lists and buttons each once",
                 lambda: (lambda names: len(names) == 30 and len(set(names)) == 30)(b.controls()))
        for _ in range(2):
            b.key("Tab", vk=9, modifiers=8)
    b.key("Tab", vk=9, modifiers=8)

    print("the hidden reveal and a right check")
    house1 = board.pixel(85, 40)  # the picture of house 1
    board.click(437, 224, "right")  # the pet label of house 5
    wait_for("the reveal did not paint house 1", lambda: board.pixel(85, 40) != house1)
    check(b.evaluate("menus.length > 0 && menus.every(Boolean)"), "the browser's context menu was not held back")
    check(b.has_keyboard(), "a click on the board took the keyboard from the game")
    b.key("Enter", vk=13, text="\r")
    board.wait_pixel("a right check showed no congratulation", 74, 298, WHITE)
    wait_for("the win was not said", lambda: said(b) == "Bravo! Rešili ste problem! Liste su zaključane.")

    print("keys: the game's stay in the game, the browser's go to it")
    b.evaluate("keys.length = 0")
    b.key("Tab", vk=9)  # to "Reklama": the lists are locked
    b.key("Tab", vk=9, modifiers=8)  # Shift+Tab: back to "Provera"
    b.key("F5", vk=116)
    b.key("=", code="Equal", vk=187, modifiers=2)  # Ctrl+=: zoom in
    keys = b.evaluate("keys")
    check(keys == ["Tab:true", "Tab:true", "F5:false", "=:false"], "the game took the browser's keys, or the"
          " page the game's: %s" % keys)
    check(b.has_keyboard(), "Tab moved the keyboard out of the game")

    print("Kraj")
    b.key("Tab", vk=9)
    b.key("Tab", vk=9)  # "Reklama", then "Kraj"
    b.key("Enter", vk=13, text="\r")
    wait_for("Kraj did not end the game", lambda: b.evaluate(
        "!document.getElementById('ended').hidden && document.getElementById('screen').hidden"))
    check("završena" in b.evaluate("document.getElementById('ended').textContent"), "the page does not say so")
    wait_for("what screen readers find on the board stayed after the end",
             lambda: b.evaluate("document.getElementById('mirror').children.length") == 0)


if __name__ == "__main__":
    sys.exit(run(play))
