#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web release played in headless Chromium, served from 127.0.0.1: the page loads, the menu stands in
the middle of the desk, "Nová hra" and the diary's arrow lead to level 1, a hit changes the score and a miss
the magazine, a tap is a shot, the tenth shot brings up the reload window and the magazine is full again
after it, "X" ends the game with the page's closing line; on a second visit the credits box opens and
closes, and the desk under it is the native game's (vargo_screenshot --desk) pixel for pixel. The first
click starts the audio, and the first shot plays through it. Those visits ask for Czech (?lang=cs); a last
one without it takes the browser's language, English, for the page and the game.

    road.py SITE_DIR NATIVE_DESK.png [SCREENSHOT.png]

Positions are the game's logical pixels inside a window, as the desktop roads (tests/e2e) click them; a
window centred on the desk stands in its middle. Each step waits a limited time and says what it waited for
and what it saw.
"""

import base64
import functools
import http.server
import io
import sys
import tempfile
import threading
import time

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

MENU = (459, 469)
MISE1 = (708, 461)
LEVEL1 = (599, 321)
RELOAD = (312, 61)
NEW_GAME = (228, 178)
CREDITS = (228, 308)
DIARY_ARROW = (678, 438)
GUNMAN = (12, 90, 67, 121)
GUNMAN_HIT = (45, 150)
MISS = (300, 20)
SCORE = (24, 280, 65, 25)
MAGAZINE = (528, 280, 33, 25)
X_LABEL = (588, 6)
DESK_MIDDLE = 512
BOX_MARGIN = 14  # below the box's OK button
BOX_BUTTON_HEIGHT = 23
BLEND_LEVELS = 2  # text blended in the browser may differ from the native game's by as much

# The logical size of the canvas, its device pixels per logical pixel and its place on the page; a
# rectangle's pixels as a checksum and a count of colours.
PAGE_HELPERS = """
window.road = {
  scale() { return Number(Module.arguments[1]); },
  size() { const k = road.scale(); return [canvas.width / k, canvas.height / k]; },
  place() {
    const r = canvas.getBoundingClientRect();
    return [r.left, r.top, r.width / road.size()[0]];
  },
  region(x, y, w, h) {
    const k = road.scale();
    const data = canvas.getContext("2d").getImageData(x * k, y * k, w * k, h * k).data;
    let sum = 0;
    const colours = new Set();
    for (let i = 0; i < data.length; i += 4) {
      const p = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
      sum = (Math.imul(sum, 31) + p) | 0;
      if (colours.size < 100) colours.add(p);
    }
    return [sum, colours.size];
  },
  column(x) {
    const k = road.scale();
    const data = canvas.getContext("2d").getImageData(x * k, 0, 1, canvas.height).data;
    const rows = [];
    for (let y = 0; y < canvas.height; y += k) rows.push((data[y * 4] << 16) | (data[y * 4 + 1] << 8) | data[y * 4 + 2]);
    return rows;
  },
};
"""


class Failed(Exception):
    pass


class Road:
    def __init__(self, driver):
        self.driver = driver
        self.passed = 0
        self.failed = 0

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, seconds, what, probe):
        """Calls probe until it returns (ok, seen) with ok true; fails after `seconds` with what it saw."""
        deadline = time.monotonic() + seconds
        while True:
            ok, seen = probe()
            if ok:
                return seen
            if time.monotonic() > deadline:
                raise Failed(f"waited {seconds} s for {what}; saw {seen}")
            time.sleep(0.05)

    def step(self, name, action):
        try:
            action()
            self.passed += 1
            print(f"ok    {name}", flush=True)
        except Exception as error:  # a step that throws fails; the road goes on only where it can
            self.failed += 1
            print(f"FAIL  {name}: {error}", flush=True)
            raise

    # --- the desk ---

    def origin(self, window):
        """The top left corner of a window centred on the desk; None stands for the desk itself."""
        if window is None:
            return (0, 0)
        width, height = self.js("return road.size()")
        return ((width - window[0]) // 2, (height - window[1]) // 2)

    def column(self, x):
        return self.js("return road.column(arguments[0])", x)

    def region(self, window, rect):
        x, y = self.origin(window)
        return tuple(self.js("return road.region(...arguments)", x + rect[0], y + rect[1], rect[2], rect[3]))

    def page_point(self, window, point):
        left, top, css = self.js("return road.place()")
        x, y = self.origin(window)
        return (left + (x + point[0] + 0.5) * css, top + (y + point[1] + 0.5) * css)

    def click(self, window, point):
        x, y = self.page_point(window, point)
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.driver.execute_cdp_cmd(
                "Input.dispatchMouseEvent",
                {"type": kind, "x": x, "y": y, "button": "left", "buttons": 0 if kind == "mouseReleased" else 1,
                 "clickCount": 1})

    def tap(self, window, point):
        x, y = self.page_point(window, point)
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def changes(self, window, rect, before, seconds, what):
        return self.wait_for(seconds, what, lambda: (lambda now: (now != before, now))(self.region(window, rect)))

    def painted(self, window, what):
        return self.wait_for(10, what, lambda: (lambda r: (r[1] > 16, f"{r[1]} colours"))(
            self.region(window, (0, 0, window[0], window[1]))))

    def shown(self, element_id):
        return self.js(f"return !document.getElementById('{element_id}').hidden")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={profile}", "--window-size=1280,1000", "--force-device-scale-factor=1"):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": "en-GB,en"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(30)
    driver.set_script_timeout(30)
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
    return driver


def open_page(road, url):
    road.driver.get(url)
    road.wait_for(30, "the game to start (the loading panel gone)",
                  lambda: (road.js("return typeof Module === 'object' && !!Module.calledRun && "
                                   "document.getElementById('loading').hidden"),
                           road.js("return document.getElementById('status').textContent")))
    road.js(PAGE_HELPERS)


def first_visit(road, url):
    state = {}

    def loads():
        open_page(road, url)

    def menu():
        road.painted(MENU, "the menu to be painted in the middle of the desk")

    def new_game():
        road.click(MENU, NEW_GAME)
        road.painted(MISE1, "the first briefing")

    def audio_started():
        road.wait_for(2, "a running audio context after the first click",
                      lambda: (lambda s: (s == "running", s))(
                          road.js("return Module.SDL2 && Module.SDL2.audioContext && Module.SDL2.audioContext.state")))

    def level1():
        road.click(MISE1, DIARY_ARROW)
        road.painted(LEVEL1, "level 1")
        state["full"] = road.region(LEVEL1, MAGAZINE)

    def hit():
        gunman = road.region(LEVEL1, GUNMAN)
        road.changes(LEVEL1, GUNMAN, gunman, 8, "a gunman to come up")
        gunman = road.region(LEVEL1, GUNMAN)
        score = road.region(LEVEL1, SCORE)
        road.click(LEVEL1, GUNMAN_HIT)
        road.changes(LEVEL1, SCORE, score, 2, "the score to change after a hit")

    def first_shot_heard():
        road.wait_for(2, "SDL's audio device open on the running context",
                      lambda: (lambda s: (s == "running", s))(
                          road.js("return Module.SDL2.audio ? Module.SDL2.audioContext.state : 'no device'")))

    def miss():
        score = road.region(LEVEL1, SCORE)
        magazine = road.region(LEVEL1, MAGAZINE)
        road.click(LEVEL1, MISS)
        road.changes(LEVEL1, MAGAZINE, magazine, 2, "the magazine to change after a miss")
        if road.region(LEVEL1, SCORE) != score:
            raise Failed("a miss changed the score")

    def tap():
        magazine = road.region(LEVEL1, MAGAZINE)
        road.tap(LEVEL1, MISS)
        road.changes(LEVEL1, MAGAZINE, magazine, 2, "the magazine to change after a tap")

    def reload():
        for _ in range(7):  # shots 4 to 10: the hit, the miss and the tap were the first three
            magazine = road.region(LEVEL1, MAGAZINE)
            road.click(LEVEL1, MISS)
            road.changes(LEVEL1, MAGAZINE, magazine, 2, "the magazine to change")
        road.painted(RELOAD, "the reload window in the middle of the desk")
        road.wait_for(5, "the magazine full again after the reload",
                      lambda: (lambda now: (now == state["full"], now))(road.region(LEVEL1, MAGAZINE)))

    def x_ends():
        road.click(LEVEL1, X_LABEL)
        road.wait_for(3, "the page's closing line", lambda: (road.shown("ended"), "no closing line"))

    for name, action in (("the page loads", loads), ("the menu stands in the middle of the desk", menu),
                         ("Nová hra opens the first briefing", new_game),
                         ("the first click starts the audio", audio_started),
                         ("the diary's arrow opens level 1", level1), ("a hit changes the score", hit),
                         ("the first shot plays on the started audio", first_shot_heard),
                         ("a miss changes the magazine", miss), ("a tap is a shot", tap),
                         ("the tenth shot reloads, then the magazine is full", reload),
                         ("X ends the game with the closing line", x_ends)):
        road.step(name, action)


def differences(canvas, native):
    """Pixels of two pictures of one size more than BLEND_LEVELS apart, and the box around them."""
    if canvas.size != native.size:
        return f"a canvas of {canvas.size}, the native desk {native.size}"
    far = ImageChops.difference(canvas, native).point(lambda level: 255 if level > BLEND_LEVELS else 0)
    box = far.getbbox()
    return None if box is None else f"pixels apart in {box}"


def second_visit(road, url, native_desk, seen):
    def native():
        open_page(road, url)
        road.painted(MENU, "the menu")
        seen["czech menu"] = road.region(MENU, (0, 0, *MENU))
        shown = road.js("return canvas.toDataURL('image/png')").split(",", 1)[1]
        canvas = Image.open(io.BytesIO(base64.b64decode(shown))).convert("RGB")
        differ = differences(canvas, Image.open(native_desk).convert("RGB"))
        if differ:
            raise Failed(f"the desk as the native game draws it; {differ}")

    def credits():
        before = road.column(DESK_MIDDLE)
        road.click(MENU, CREDITS)
        # The box stands in the middle of the desk; its lowest changed row is its bottom edge.
        changed = road.wait_for(3, "the credits box to open over the menu", lambda: (lambda now: (
            now != before, [y for y, (a, b) in enumerate(zip(before, now)) if a != b]))(road.column(DESK_MIDDLE)))
        bottom = changed[-1]
        road.click(None, (DESK_MIDDLE, bottom - BOX_MARGIN - BOX_BUTTON_HEIGHT // 2))
        road.wait_for(3, "the credits box to close", lambda: (lambda now: (now == before, "the box still open"))(
            road.column(DESK_MIDDLE)))

    road.step("the menu's desk is the native game's", native)
    road.step("the credits box opens and closes", credits)


def english_visit(road, url, seen):
    def english():
        open_page(road, url)
        language = road.js("return [document.documentElement.lang, document.getElementById('how').textContent]")
        if language[0] != "en" or not language[1].startswith("Aim"):
            raise Failed(f"the page in English for an English browser; saw {language}")
        road.painted(MENU, "the menu")
        if "czech menu" not in seen:
            raise Failed("no Czech menu seen to compare the English one with")
        if road.region(MENU, (0, 0, *MENU)) == seen["czech menu"]:
            raise Failed("the menu in English; its pixels are the Czech menu's")

    road.step("an English browser gets the page and the game in English", english)


def main():
    site, native_desk = sys.argv[1], sys.argv[2]
    server = serve(site)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        road = Road(driver)
        try:
            seen = {}
            for visit in (first_visit, functools.partial(second_visit, native_desk=native_desk, seen=seen)):
                try:
                    visit(road, url + "?lang=cs")
                except Exception:
                    pass
            try:
                english_visit(road, url, seen)
            except Exception:
                pass
            if len(sys.argv) > 3:
                driver.save_screenshot(sys.argv[3])
        finally:
            driver.quit()
            server.shutdown()
    print(f"web road: {road.passed} passed, {road.failed} failed")
    return 0 if road.failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
