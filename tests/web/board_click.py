#!/usr/bin/python3
"""Clicks a point of the board's client area in the page of a browser
started elsewhere: a chromium with --remote-debugging-port=0 and this
profile folder, or a firefox with --remote-debugging-port PORT:
    board_click.py chromium PROFILE-FOLDER X Y [left|right]
    board_click.py firefox PORT X Y [left|right]"""
import sys

from browser import Chromium, Failure, Firefox
from web_play import Board

if __name__ == "__main__":
    engine, where, x, y = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    browser = Chromium(profile=where) if engine == "chromium" else Firefox(port=int(where))
    try:
        Board(browser).click(x, y, sys.argv[5] if len(sys.argv) > 5 else "left")
    except Failure as failure:
        sys.exit("FAIL: %s" % failure)
    finally:
        browser.close()
