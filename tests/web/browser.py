"""Plays the game's web page in Debian's headless chromium, served on
127.0.0.1 by scripts/serve_web.py, through chromium's DevTools protocol
(Python's standard library and Debian's python3-websockets). Both are
started here, waited for by asking them, and stopped on close()."""
import asyncio
import base64
import json
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import urllib.request
import zlib

import websockets

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=10, step=0.05):
    """Asks `probe` until it gives something true; fails with `what`."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except (OSError, ValueError, KeyError, Failure):
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(what)
        time.sleep(step)


def decode_png(data):
    """The pixels of an 8-bit RGB or RGBA PNG, as rows of (r, g, b) tuples."""
    pos, chunks, width = 8, [], 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise Failure("unexpected screenshot format")
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            chunks.append(body)
        pos += 12 + length
    raw, stride, rows, previous = zlib.decompress(b"".join(chunks)), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return rows


class Browser:
    def __init__(self, site=None, profile=None):
        """A headless chromium of its own showing `site`; or, with `profile`,
        the page of a chromium started elsewhere with that profile and
        --remote-debugging-port=0, which close() leaves running."""
        self.work = None if profile else tempfile.mkdtemp(prefix="mudrovan-web-")
        self.server = self.chromium = self.socket = None
        self.loop = asyncio.new_event_loop()
        self.next_id = 0
        self.events = []
        try:
            if profile:
                self._connect(profile)
            else:
                self._start(site)
        except BaseException:
            self.close()
            raise

    def _start(self, site):
        chromium = shutil.which("chromium")
        if not chromium:
            raise Failure("chromium is missing: run ./web.sh test, which installs it")
        self.serve(site)
        profile = os.path.join(self.work, "profile")
        self.chromium = subprocess.Popen([
            chromium, "--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
            "--remote-debugging-port=0", "--user-data-dir=" + profile, "--window-size=1024,768",
            "--force-device-scale-factor=1", "--no-first-run", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--disable-quic", "--disable-gpu-sandbox",
            "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        self._connect(profile)

    def _connect(self, profile):
        port_file = os.path.join(profile, "DevToolsActivePort")
        port = wait_for("chromium did not open its DevTools port",
                        lambda: open(port_file).readline().strip(), seconds=30)
        pages = wait_for("chromium has no page", lambda: [
            p for p in json.load(urllib.request.urlopen("http://127.0.0.1:%s/json/list" % port, timeout=2))
            if p["type"] == "page"])
        async def connect():
            return await websockets.connect(pages[0]["webSocketDebuggerUrl"], max_size=None, ping_interval=None)

        self.socket = self.loop.run_until_complete(connect())
        self.send("Page.enable")
        self.send("Runtime.enable")

    def serve(self, site, port=0):
        """Serves the site on 127.0.0.1 (a free port unless told) and sets url."""
        self.server = subprocess.Popen([sys.executable, os.path.join(ROOT, "scripts", "serve_web.py"), site,
                                        str(port)], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.url = self.server.stdout.readline().strip()
        if not self.url.startswith("http://127.0.0.1:"):
            raise Failure("the web server did not start")
        wait_for("the web server does not answer", lambda: urllib.request.urlopen(self.url, timeout=2).status == 200)

    def stop_serving(self):
        """Stops the web server: the network is gone for the page."""
        if self.server and self.server.poll() is None:
            self.server.kill()
            self.server.wait()

    def send(self, method, **params):
        """Sends a DevTools command and returns its result."""
        self.next_id += 1
        ask = self.next_id

        async def exchange():
            await self.socket.send(json.dumps({"id": ask, "method": method, "params": params}))
            while True:
                message = json.loads(await asyncio.wait_for(self.socket.recv(), 30))
                if message.get("id") == ask:
                    return message
                self.events.append(message)

        answer = self.loop.run_until_complete(exchange())
        if "error" in answer:
            raise Failure("%s: %s" % (method, answer["error"].get("message")))
        return answer.get("result", {})

    def evaluate(self, expression, wait=False):
        """The value of a JavaScript expression in the page (once its promise
        has settled, with `wait`)."""
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=wait)
        if "exceptionDetails" in result:
            raise Failure("the page could not evaluate %s" % expression)
        return result["result"].get("value")

    def console(self):
        """What the page has written to its console so far."""
        self.send("Runtime.evaluate", expression="0")  # collects pending events
        return [" ".join(str(a.get("value", "")) for a in e["params"]["args"])
                for e in self.events if e.get("method") == "Runtime.consoleAPICalled"]

    def pixel(self, x, y):
        """The colour of the page's pixel at (x, y), as a screenshot shows it."""
        shot = self.send("Page.captureScreenshot", format="png", clip={"x": x, "y": y, "width": 1, "height": 1,
                                                                     "scale": 1})
        return decode_png(base64.b64decode(shot["data"]))[0][0]

    def key(self, key, code=None, vk=0, modifiers=0, text=None):
        """Presses and lets go a key, as the keyboard sends it (with the
        text it types, where it types one)."""
        common = {"key": key, "code": code or key, "windowsVirtualKeyCode": vk, "modifiers": modifiers}
        typed = {"type": "keyDown", "text": text} if text else {"type": "rawKeyDown"}
        self.send("Input.dispatchKeyEvent", **common, **typed)
        self.send("Input.dispatchKeyEvent", type="keyUp", **common)

    def drag(self, x, y, to_x, to_y):
        self.send("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", clickCount=1)
        self.send("Input.dispatchMouseEvent", type="mouseMoved", x=to_x, y=to_y, button="left", buttons=1)
        self.send("Input.dispatchMouseEvent", type="mouseReleased", x=to_x, y=to_y, button="left", clickCount=1)

    def click(self, x, y, button="left"):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="none" if kind == "mouseMoved"
                      else button, clickCount=0 if kind == "mouseMoved" else 1)

    def reload(self):
        """Loads the page again, as the reload button does, and waits until the old one has gone."""
        self.evaluate("window.leaving = true")
        self.send("Page.reload")
        wait_for("the page did not load again", lambda: self.evaluate("window.leaving === undefined"), seconds=30)

    def screenshot(self):
        """The page as the screen shows it now, in device pixels: rows of (r, g, b)."""
        return decode_png(base64.b64decode(self.send("Page.captureScreenshot", format="png")["data"]))

    def emulate_phone(self, width, height, ratio=3):
        """A phone's screen (CSS pixels, portrait when taller than wide) with
        its pixel ratio, played by touch; called again, the phone turns."""
        landscape = width > height
        self.ratio = ratio
        self.send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=ratio,
                  mobile=True, screenOrientation={"type": "landscapePrimary" if landscape else "portraitPrimary",
                                                  "angle": 90 if landscape else 0})
        self.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)

    def touch(self, x, y, hold=0.0):
        """A finger down at (x, y) of the page's layout, up again after `hold` seconds."""
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        if hold:
            time.sleep(hold)
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def close(self):
        if self.socket:
            try:
                self.loop.run_until_complete(self.socket.close())
            except Exception:
                pass
        # Chromium's helpers are in its own process group, and go with it.
        if self.chromium:
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    os.killpg(self.chromium.pid, sig)
                    self.chromium.wait(10)
                    break
                except (ProcessLookupError, subprocess.TimeoutExpired):
                    pass
        self.stop_serving()
        self.loop.close()
        if self.work:
            shutil.rmtree(self.work, ignore_errors=True)


def run(play):
    """Runs play(browser, site) on the site given on the command line, in a
    browser that is stopped afterwards; reports as the other tests do."""
    browser = None
    try:
        browser = Browser(sys.argv[1])
        play(browser, sys.argv[1])
    except Failure as failure:
        print("FAIL: %s" % failure, file=sys.stderr)
        if browser:
            for line in browser.console()[-15:]:
                print("  page: " + line, file=sys.stderr)
        return 1
    finally:
        if browser:
            browser.close()
    print("1 passed, 0 failed")
    return 0
