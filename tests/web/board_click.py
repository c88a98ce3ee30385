#!/usr/bin/python3
"""Clicks a point of the board's client area in the page of a chromium
started elsewhere (with --remote-debugging-port=0 and this profile):
    board_click.py PROFILE-FOLDER X Y [left|right]"""
import sys

from browser import Browser, Failure
from web_play import Board

if __name__ == "__main__":
    profile, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    browser = Browser(profile=profile)
    try:
        Board(browser).click(x, y, sys.argv[4] if len(sys.argv) > 4 else "left")
    except Failure as failure:
        sys.exit("FAIL: %s" % failure)
    finally:
        browser.close()
