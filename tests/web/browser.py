"""Plays the game's web page in a browser engine, served on 127.0.0.1 by
scripts/serve_web.py: Debian's chromium (headless, through its DevTools
protocol), firefox-esr (through WebDriver BiDi) and WebKitGTK's MiniBrowser
(through WebKitWebDriver), with Python's standard library and Debian's
python3-websockets. Firefox and WebKit draw WebGL only on a display: run
them inside tests/e2e/on_display.sh. Everything is started here, waited for
by asking it, and stopped on close()."""
import asyncio
import base64
import json
import os
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import urllib.request
import zlib

import websockets

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


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


def decode_png(data, rows=None):
    """The pixels of an 8-bit RGB or RGBA PNG, as rows of (r, g, b) tuples
    (only the first `rows`, where told)."""
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
    raw, stride, result, previous = zlib.decompress(b"".join(chunks)), width * channels, [], bytearray(width * channels)
    for y in range(min(height, rows or height)):
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
        result.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return result


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def stop_group(process):
    """Stops a browser with its helpers, which live in its process group."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
            process.wait(10)
            return
        except (ProcessLookupError, subprocess.TimeoutExpired):
            pass


# The keys a test presses, as WebDriver names them.
WEBDRIVER_KEYS = {"Enter": "\ue007", "Tab": "\ue004", "ArrowDown": "\ue015", "ArrowUp": "\ue013",
                  "Escape": "\ue00c", "F2": "\ue032", "F3": "\ue033", "F5": "\ue035"}
# Modifier bits as DevTools counts them, and their WebDriver keys.
MODIFIERS = ((1, "\ue00a"), (2, "\ue009"), (4, "\ue03d"), (8, "\ue008"))


class Browser:
    """One engine's browser showing the page: what a test asks of it."""
    engine = "?"

    def __init__(self):
        self.work = tempfile.mkdtemp(prefix="mudrovan-web-")
        self.server = None
        self.url = None

    def serve(self, site, port=0, compress=False):
        """Serves the site on 127.0.0.1 (a free port unless told) and sets url."""
        command = [sys.executable, os.path.join(ROOT, "scripts", "serve_web.py")] + (["--gzip"] if compress else [])
        self.server = subprocess.Popen(command + [site, str(port)], stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL, text=True)
        self.url = self.server.stdout.readline().strip()
        if not self.url.startswith("http://127.0.0.1:"):
            raise Failure("the web server did not start")
        wait_for("the web server does not answer", lambda: urllib.request.urlopen(self.url, timeout=2).status == 200)

    def stop_serving(self):
        """Stops the web server: the network is gone for the page."""
        if self.server and self.server.poll() is None:
            self.server.kill()
            self.server.wait()

    def pixel(self, x, y):
        """The colour of the page's pixel at (x, y), as a screenshot shows it."""
        return decode_png(self.shot(x, y, 1, 1))[0][0]

    def screenshot(self):
        """The page as the screen shows it now, in device pixels: rows of (r, g, b)."""
        return decode_png(self.shot())

    def starting(self, start, *args):
        """Runs `start`; if it fails, what it had started is stopped again."""
        try:
            return start(*args)
        except BaseException:
            self.close()
            raise

    def needs(self, program, package, site):
        """Before a browser of its own starts: it is installed, has a display
        where it draws WebGL only on one, and the site is served."""
        if not shutil.which(program):
            raise Failure("%s is missing: run ./web.sh test, which installs %s" % (program, package))
        if self.engine != "chromium" and not os.environ.get("DISPLAY"):
            raise Failure("%s draws WebGL only on a display: run this inside tests/e2e/on_display.sh" % self.engine)
        if site:
            self.serve(site)

    def told(self):
        """What the page tells screen readers of the game's focused control:
        its role, name and text, and its window's role, name and
        description, as the page's elements say."""
        return tuple(self.evaluate(
            "(() => { const c = document.activeElement;"
            " if (!document.getElementById('mirror').contains(c)) return ['', '', '', '', '', ''];"
            " const w = c.closest('[role=dialog], [role=group]');"
            " const d = document.getElementById(w.getAttribute('aria-describedby') || '');"
            " return [c.getAttribute('role'), c.getAttribute('aria-label') || '', c.textContent,"
            " w.getAttribute('role'), w.getAttribute('aria-label') || '', d ? d.textContent : '']; })()"))

    def has_keyboard(self):
        """The game's control has the browser's focus, on its element in the mirror."""
        return self.evaluate("document.getElementById('mirror').contains(document.activeElement)")

    def close(self):
        self.stop_serving()
        if self.work:
            shutil.rmtree(self.work, ignore_errors=True)


class Socket:
    """A browser's protocol over a WebSocket: commands numbered, answered in
    turn; what else comes meanwhile is kept in events."""

    def open_socket(self):
        self.socket = None
        self.loop = asyncio.new_event_loop()
        self.next_id = 0
        self.events = []

    def exchange(self, method, params):
        self.next_id += 1
        ask = self.next_id

        async def exchange():
            await self.socket.send(json.dumps({"id": ask, "method": method, "params": params}))
            while True:
                message = json.loads(await asyncio.wait_for(self.socket.recv(), 30))
                if message.get("id") == ask:
                    return message
                self.events.append(message)

        return self.loop.run_until_complete(exchange())

    def connect(self, url):
        async def connect():
            return await websockets.connect(url, max_size=None, ping_interval=None)
        self.socket = self.loop.run_until_complete(connect())

    def close_socket(self):
        if self.socket:
            try:
                self.loop.run_until_complete(self.socket.close())
            except Exception:
                pass
        self.loop.close()


class Chromium(Socket, Browser):
    """Debian's headless chromium, through its DevTools protocol."""
    engine = "chromium"

    def __init__(self, site=None, profile=None):
        """A headless chromium of its own showing `site`; or, with `profile`,
        the page of a chromium started elsewhere with that profile and
        --remote-debugging-port=0, which close() leaves running."""
        super().__init__()
        self.chromium = None
        self.open_socket()
        if profile:
            self.starting(self._connect, profile)
        else:
            self.starting(self._start, site)

    def _start(self, site):
        self.needs("chromium", "chromium", site)
        profile = os.path.join(self.work, "profile")
        self.chromium = subprocess.Popen([
            "chromium", "--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
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
        self.connect(pages[0]["webSocketDebuggerUrl"])
        self.send("Page.enable")
        self.send("Runtime.enable")

    def send(self, method, **params):
        """Sends a DevTools command and returns its result."""
        answer = self.exchange(method, params)
        if "error" in answer:
            raise Failure("%s: %s" % (method, answer["error"].get("message")))
        return answer.get("result", {})

    def navigate(self, url=None):
        self.send("Page.navigate", url=url or self.url)

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

    def shot(self, x=None, y=None, width=None, height=None):
        clip = {} if x is None else {"clip": {"x": x, "y": y, "width": width, "height": height, "scale": 1}}
        return base64.b64decode(self.send("Page.captureScreenshot", format="png", **clip)["data"])

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

    def controls(self):
        """The names of the lists and buttons in chromium's accessibility tree."""
        nodes = self.send("Accessibility.getFullAXTree")["nodes"]
        value = lambda n, key: n.get(key, {}).get("value", "")  # noqa: E731
        return [value(n, "name") for n in nodes if not n.get("ignored") and value(n, "role") in ("combobox", "button")]

    def told(self):
        """What chromium tells screen readers of the game's focused control:
        its role, name and text, and its window's role, name and description."""
        ident = self.evaluate("document.activeElement.id")
        root = self.send("DOM.getDocument", depth=0)["root"]["nodeId"]
        node = self.send("DOM.querySelector", nodeId=root, selector="#" + ident)["nodeId"]
        backend = self.send("DOM.describeNode", nodeId=node)["node"]["backendNodeId"]
        nodes = self.send("Accessibility.getPartialAXTree", nodeId=node, fetchRelatives=True)["nodes"]
        value = lambda n, key: n.get(key, {}).get("value", "")  # noqa: E731
        control = next(n for n in nodes if n.get("backendDOMNodeId") == backend)
        window = next((n for n in nodes if n["nodeId"] == control.get("parentId")), {})
        return (value(control, "role"), value(control, "name"),
                self.evaluate("document.getElementById(%r).textContent" % ident),
                value(window, "role"), value(window, "name"), value(window, "description"))

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
        self.close_socket()
        if self.chromium:
            stop_group(self.chromium)
        super().close()


class WebDriverInput:
    """Keys and the mouse as WebDriver's actions (BiDi and classic alike)."""

    def key(self, key, code=None, vk=0, modifiers=0, text=None):
        value = WEBDRIVER_KEYS.get(key, key)
        held = [k for bit, k in MODIFIERS if modifiers & bit]
        presses = ([{"type": "keyDown", "value": k} for k in held] +
                   [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}] +
                   [{"type": "keyUp", "value": k} for k in reversed(held)])
        self.act([{"type": "key", "id": "keyboard", "actions": presses}])

    def pointer(self, moves):
        self.act([{"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"}, "actions": moves}])

    def click(self, x, y, button="left"):
        number = {"left": 0, "middle": 1, "right": 2}[button]
        self.pointer([{"type": "pointerMove", "x": int(x), "y": int(y)},
                      {"type": "pointerDown", "button": number}, {"type": "pointerUp", "button": number}])

    def drag(self, x, y, to_x, to_y):
        self.pointer([{"type": "pointerMove", "x": int(x), "y": int(y)}, {"type": "pointerDown", "button": 0},
                      {"type": "pointerMove", "x": int(to_x), "y": int(to_y)}, {"type": "pointerUp", "button": 0}])


class Firefox(Socket, WebDriverInput, Browser):
    """Debian's firefox-esr on the display, through WebDriver BiDi."""
    engine = "firefox"

    def __init__(self, site=None, port=None):
        """A firefox of its own showing `site`; or, with `port`, one started
        elsewhere with --remote-debugging-port PORT, which close() leaves running."""
        super().__init__()
        self.firefox = None
        self.open_socket()
        self.starting(lambda: self._connect(port or self._start(site)))

    @staticmethod
    def profile(folder):
        """A fresh profile that opens no first-run pages beside the game's."""
        os.makedirs(folder)
        prefs = {"datareporting.policy.firstRunURL": "", "browser.aboutwelcome.enabled": False,
                 "browser.shell.checkDefaultBrowser": False, "browser.startup.homepage_override.mstone": "ignore",
                 "toolkit.telemetry.reportingpolicy.firstRun": False, "trailhead.firstrun.didSeeAboutWelcome": True,
                 "browser.tabs.warnOnClose": False, "app.update.auto": False, "app.normandy.enabled": False,
                 # no new-tab page loaded beside (a screen reader would read it)
                 "browser.newtab.preload": False, "browser.newtabpage.enabled": False, "browser.startup.page": 0,
                 "datareporting.policy.dataSubmissionPolicyBypassNotification": True}
        with open(os.path.join(folder, "user.js"), "w") as f:
            for name, value in prefs.items():
                f.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        return folder

    def _start(self, site):
        self.needs("firefox-esr", "firefox-esr", site)
        port = free_port()
        self.firefox = subprocess.Popen(
            ["firefox-esr", "--no-remote", "--profile", self.profile(os.path.join(self.work, "profile")),
             "--remote-debugging-port", str(port), "--width", "1024", "--height", "740", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        return port

    def _connect(self, port):
        def attempt():
            try:
                self.connect("ws://127.0.0.1:%d/session" % port)
                return True
            except (OSError, websockets.exceptions.WebSocketException):
                return False
        wait_for("firefox did not open its WebDriver BiDi port", attempt, seconds=60, step=0.2)
        self.send("session.new", capabilities={})
        self.context = self.send("browsingContext.getTree")["contexts"][0]["context"]
        self.send("session.subscribe", events=["log.entryAdded"])

    def send(self, method, **params):
        """Sends a WebDriver BiDi command and returns its result."""
        answer = self.exchange(method, params)
        if answer.get("type") == "error":
            raise Failure("%s: %s" % (method, answer.get("message")))
        return answer.get("result", {})

    def navigate(self, url=None):
        self.send("browsingContext.navigate", context=self.context, url=url or self.url, wait="none")

    def evaluate(self, expression, wait=False):
        result = self.send("script.evaluate", expression=expression, target={"context": self.context},
                           awaitPromise=wait, resultOwnership="none", serializationOptions={"maxObjectDepth": 8})
        if result.get("type") != "success":
            raise Failure("the page could not evaluate %s" % expression)
        return self.value(result["result"])

    @classmethod
    def value(cls, remote):
        """A value as WebDriver BiDi sends it, in Python."""
        kind, value = remote["type"], remote.get("value")
        if kind == "array":
            return [cls.value(v) for v in value or []]
        if kind == "object":
            return {k if isinstance(k, str) else cls.value(k): cls.value(v) for k, v in value or []}
        return value if kind in ("number", "string", "boolean") else None

    def console(self):
        self.evaluate("0")
        return [" ".join(str(a.get("value", "")) for a in e["params"].get("args", []))
                for e in self.events if e.get("method") == "log.entryAdded"]

    def shot(self, x=None, y=None, width=None, height=None):
        clip = {} if x is None else {"clip": {"type": "box", "x": x, "y": y, "width": width, "height": height}}
        return base64.b64decode(self.send("browsingContext.captureScreenshot", context=self.context, **clip)["data"])

    def act(self, actions):
        self.send("input.performActions", context=self.context, actions=actions)
        self.send("input.releaseActions", context=self.context)

    def close(self):
        if self.socket:
            try:
                self.send("session.end")  # one session at a time: a later one may attach
            except Exception:
                pass
        self.close_socket()
        if self.firefox:
            stop_group(self.firefox)
        super().close()


class WebKit(WebDriverInput, Browser):
    """WebKitGTK's MiniBrowser on the display, through WebKitWebDriver."""
    engine = "webkit"

    def __init__(self, site=None):
        super().__init__()
        self.driver = self.session = None
        self.starting(self._start, site)

    def _start(self, site):
        self.needs("WebKitWebDriver", "webkit2gtk-driver", site)  # and with it the MiniBrowser
        port = free_port()
        self.driver = subprocess.Popen(["WebKitWebDriver", "--port=%d" % port], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
        self.base = "http://127.0.0.1:%d" % port
        wait_for("WebKitWebDriver does not answer", lambda: self.call("GET", "/status")["ready"], seconds=30)
        self.session = "/session/" + self.call("POST", "/session", {"capabilities": {"alwaysMatch": {
            "webkitgtk:browserOptions": {"binary": MINIBROWSER, "args": ["--automation"]}}}})["sessionId"]
        self.call("POST", self.session + "/window/rect", {"width": 1024, "height": 740})

    def call(self, method, path, body=None):
        request = urllib.request.Request(self.base + path, method=method, headers={"Content-Type": "application/json"},
                                         data=None if body is None else json.dumps(body).encode())
        try:
            with urllib.request.urlopen(request, timeout=60) as answer:
                return json.load(answer)["value"]
        except urllib.error.HTTPError as error:
            raise Failure("WebDriver %s %s: %s" % (method, path, error.read()[:300]))

    def navigate(self, url=None):
        # WebDriver waits for the page to load; the game's start is the test's.
        self.call("POST", self.session + "/url", {"url": url or self.url})

    def evaluate(self, expression, wait=False):
        # WebDriver awaits a promise the script gives back.
        return self.call("POST", self.session + "/execute/sync",
                         {"script": "return eval(arguments[0]);", "args": [expression]})

    def console(self):
        return []  # WebDriver does not tell it

    def shot(self, x=None, y=None, width=None, height=None):
        return base64.b64decode(self.call("GET", self.session + "/screenshot"))

    def pixel(self, x, y):
        # The whole screenshot, read down to the row asked for.
        return decode_png(self.shot(), rows=int(y) + 1)[int(y)][int(x)]

    def act(self, actions):
        self.call("POST", self.session + "/actions", {"actions": actions})
        self.call("DELETE", self.session + "/actions")

    def close(self):
        if self.session:
            try:
                self.call("DELETE", self.session)
            except Exception:
                pass
        if self.driver:
            stop_group(self.driver)
        super().close()


ENGINES = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}


def run(play):
    """Runs play(browser, site) on the site given on the command line, in
    the engine named after it (chromium unless told), in a browser that is
    stopped afterwards; reports as the other tests do."""
    site, engine = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "chromium"
    browser = None
    try:
        browser = ENGINES[engine](site)
        play(browser, site)
    except Failure as failure:
        print("FAIL (%s): %s" % (engine, failure), file=sys.stderr)
        if browser:
            for line in browser.console()[-15:]:
                print("  page: " + line, file=sys.stderr)
        return 1
    finally:
        if browser:
            browser.close()
    print("1 passed, 0 failed")
    return 0
