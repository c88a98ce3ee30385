#!/usr/bin/python3
"""Plays a round with the keyboard alone and reads the game as a screen reader
does, through the accessibility bus (AT-SPI), with Debian's pyatspi:
    a11y.py PATH-TO-GAME
Run inside tests/e2e/on_display.sh --a11y, which provides the display and
the bus. Checks what the tree holds after each step: the board is a frame
with named lists and its language, a wrong check opens a dialog that holds
the cell as text, the count of lives is told when the hint closes, the
success panel reads as one sentence. What Orca makes of it all is heard in orca.sh."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

ATTRIBUTES = ["Boja", "Poreklo", "Piće", "Cigarete", "Ljubimac"]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, seconds=10):
    """Asks `probe` every 50 ms until it gives something; fails with `what`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass  # answer the registry, which hands us every key first
        try:
            found = probe()
        except Exception:  # a window may vanish while it is read
            found = None
        if found:
            return found
        time.sleep(0.05)
    fail(what)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def descendants(node):
    for child in children(node):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(node):
    """What a screen reader reads of a node: its text where it has one."""
    if "Text" in pyatspi.listInterfaces(node):
        text = node.queryText()
        return text.getText(0, text.characterCount)
    return node.name


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name=None):
    for node in descendants(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def the_app():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in children(desktop) if a and a.name == "Mudrovan"), None)


def application_locale():
    """The language the game tells the bus (Application.GetLocale, messages)."""
    def call(*args):
        return subprocess.run(["dbus-send", "--print-reply=literal"] + list(args),
                              capture_output=True, text=True).stdout.strip()
    address = call("--session", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    root = "/org/a11y/atspi/accessible/root"
    names = re.findall(r":[0-9.]+", subprocess.run(
        ["dbus-send", "--bus=" + address, "--print-reply", "--dest=org.a11y.atspi.Registry", root,
         "org.a11y.atspi.Accessible.GetChildren"], capture_output=True, text=True).stdout)
    for name in names:
        if call("--bus=" + address, "--dest=" + name, root, "org.freedesktop.DBus.Properties.Get",
                "string:org.a11y.atspi.Accessible", "string:Name").endswith("Mudrovan"):
            return call("--bus=" + address, "--dest=" + name, root, "org.a11y.atspi.Application.GetLocale",
                        "uint32:0")
    return ""


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)
    time.sleep(0.2)


def heard_key(event):
    return False  # let the key through, as a screen reader does


def main():
    # Like a screen reader, listen to events and take every key before the
    # game does: the game then gets each key back from the bus, without a
    # time stamp.
    pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
    pyatspi.Registry.registerKeystrokeListener(
        heard_key, mask=pyatspi.allModifiers(), kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT))
    game = subprocess.Popen([sys.argv[1]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = wait_for("the game does not appear on the accessibility bus", the_app)
    frame = wait_for("no frame 'Dazazirezir uraruvivo'",
                     lambda: find(app, "frame", "Dazazirezir uraruvivo"))
    wait_for("the board has not got the focus", lambda: find(frame, "push button", "Provera")
             .getState().contains(pyatspi.STATE_FOCUSED))

    colour = find(frame, "combo box", "Kuća 2, Boja") or fail("no list named 'Kuća 2, Boja'")
    if text_of(colour) != "nije izabrano":
        fail("the empty colour list of house 2 reads %r" % text_of(colour))
    locale = application_locale()
    if not locale.startswith("sr_"):
        fail("the game tells the bus its language as %r, not Serbian" % locale)
    lives = find(frame, "filler", "Preostalo života: 15") or find(frame, "panel", "Preostalo života: 15")
    if not lives:
        fail("the row of lives does not tell 15")
    print("  board: frame, named lists, 15 lives, language %s" % locale)

    key("Return")  # "Provera" has the focus
    hint = wait_for("no hint dialog after a wrong check", lambda: find(app, "dialog", " Informacija"))
    read = wait_for("the hint dialog holds no texts",
                    lambda: [text_of(n) for n in descendants(hint) if showing(n)])
    house = next((t for t in read if re.fullmatch("[1-5]", t)), None)
    attribute = next((t for t in read if t in ATTRIBUTES), None)
    if not house or not attribute:
        fail("the hint dialog holds no house number and attribute: %r" % read)
    sentence = "Nađena je greška! Kuća broj: %s. Pitanje: %s." % (house, attribute)
    if sentence not in read:
        fail("the hint dialog does not read %r: %r" % (sentence, read))
    key("Return")  # "Izlaz" has the focus
    told = "Preostalo života: 14"
    wait_for("the hint did not close", lambda: not find(app, "dialog", " Informacija"))
    wait_for("no notification %r once the hint had closed" % told,
             lambda: (n := find(frame, "notification", told)) and showing(n))
    print("  wrong check: %r, then %r" % (sentence, told))

    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Dazazirezir uraruvivo$"],
                            capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "mousemove", "--window", window, "437", "224", "click", "3"], check=True)
    key("Return")
    bravo = "Bravo! Rešili ste problem!"  # as Orca says it: orca.sh
    wait_for("the success panel does not read as one sentence",
             lambda: (n := find(frame, "label", bravo)) and showing(n))
    print("  right check: %r" % bravo)

    subprocess.run(["xdotool", "mousemove", "--window", window, "459", "325", "click", "1"], check=True)
    try:
        status = game.wait(10)
    except subprocess.TimeoutExpired:
        game.kill()
        fail("'Kraj' did not end the game")
    if status != 0:
        fail("the game ended with status %d" % status)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
