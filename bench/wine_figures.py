#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up and shots of vargo.exe under wine beside the Linux game, measured the same way from outside.

Both run in turns on one private Xvfb, RUNS starts each. Start-up: the wall clock from the launch until the
menu's window is mapped and shows a picture. A shot: from the click (XTest) until the magazine's label on
the window changes; the first comes 0.4 s after level 1 shows, the later ones 0.4 s apart. The window's
pixels are read with XGetImage every millisecond or so.

    python3 bench/wine_figures.py [VARGO_EXE [LINUX_VARGO]]

Defaults: the staged release build/win64/dist/vargo-*-win64/vargo.exe and build/release/vargo, run from the
top of the source tree. Needs xvfb, xdotool and wine; not run by CI.
"""

import ctypes
import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 5
SHOTS = 5  # a magazine holds nine: no reload comes between them
MENU = ("Vargo - Tarnok", 459, 469)
BRIEFING = ("Form2", 708, 461)
LEVEL = ("Form1", 599, 321)
MAGAZINE = (528, 280, 33, 25)  # the label that changes with every shot
DEADLINE_S = 60


class X:
    """The few Xlib and XTest calls the measuring needs, through ctypes."""

    def __init__(self, display):
        self.xlib = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.xlib.XOpenDisplay.restype = ctypes.c_void_p
        self.xlib.XGetImage.restype = ctypes.c_void_p
        self.xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
        self.xlib.XFree.argtypes = [ctypes.c_void_p]
        self.xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xlib.XFlush.argtypes = [ctypes.c_void_p]
        self.xlib.XSetErrorHandler.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.xlib.XOpenDisplay(display.encode())
        # A window that goes away between two reads is no reason to end.
        self.ignore = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
        self.xlib.XSetErrorHandler(ctypes.cast(self.ignore, ctypes.c_void_p))

    def pixels(self, window, x, y, w, h):
        """The area's pixels as bytes, or None when the window cannot be read."""
        image = self.xlib.XGetImage(self.display, window, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return None
        # XImage: four ints, then the data pointer; bytes_per_line is the twelfth int.
        fields = ctypes.cast(image, ctypes.POINTER(ctypes.c_int))
        data = ctypes.cast(image, ctypes.POINTER(ctypes.c_void_p))[2]
        bytes_per_line = fields[11]
        out = ctypes.string_at(data, bytes_per_line * h)
        self.xlib.XFree(ctypes.c_void_p(data))
        self.xlib.XFree(ctypes.c_void_p(image))
        return out

    def click(self):
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.xlib.XFlush(self.display)


def find_window(env, kind):
    title, width, height = kind
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], env=env,
                           capture_output=True, text=True).stdout.split()
    for window in found:
        geometry = subprocess.run(["xdotool", "getwindowgeometry", window], env=env, capture_output=True,
                                  text=True).stdout
        if f"Geometry: {width}x{height}" in geometry:
            return int(window)
    return None


class GameEnded(Exception):
    pass


def wait(what, probe, game):
    deadline = time.monotonic() + DEADLINE_S
    while time.monotonic() < deadline:
        seen = probe()
        if seen:
            return seen
        if game.poll() is not None:
            raise GameEnded(f"the game ended ({game.returncode}) before {what}: {game.stderr.read().strip()}")
        time.sleep(0.001)
    sys.exit(f"waited {DEADLINE_S} s for {what}")


def painted(x, window, kind):
    data = x.pixels(window, 0, 0, kind[1], kind[2])
    return data is not None and len(set(memoryview(data).cast("I")[::31])) > 16


def click_at(x, env, window, at):
    subprocess.run(["xdotool", "mousemove", "--window", str(window), str(at[0]), str(at[1])], env=env,
                   check=True)
    time.sleep(0.05)
    x.click()


def one_run(command, env, x):
    """Start-up in ms, then the shots in ms, of one start of the game."""
    start = time.monotonic()
    game = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    menu = wait("the menu's window", lambda: find_window(env, MENU), game)
    wait("the menu's picture", lambda: painted(x, menu, MENU), game)
    startup = (time.monotonic() - start) * 1000
    click_at(x, env, menu, (228, 178))  # "Nová hra"
    briefing = wait("the briefing", lambda: find_window(env, BRIEFING), game)
    wait("the briefing's picture", lambda: painted(x, briefing, BRIEFING), game)
    click_at(x, env, briefing, (678, 438))  # the diary's arrow
    level = wait("level 1", lambda: find_window(env, LEVEL), game)
    wait("level 1's picture", lambda: painted(x, level, LEVEL), game)
    shots = []
    for _ in range(SHOTS):
        subprocess.run(["xdotool", "mousemove", "--window", str(level), "300", "20"], env=env, check=True)
        time.sleep(0.4)
        before = x.pixels(level, *MAGAZINE)
        shot = time.monotonic()
        x.click()
        wait("the magazine to change", lambda: x.pixels(level, *MAGAZINE) != before, game)
        shots.append((time.monotonic() - shot) * 1000)
    click_at(x, env, level, (588, 6))  # the X
    try:
        game.wait(timeout=DEADLINE_S)
    except subprocess.TimeoutExpired:
        game.kill()
        sys.exit(f"{command[-1]} did not end at its X")
    return startup, shots


def start_xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    number = os.read(read, 16).decode().strip()
    os.close(read)
    return server, f":{number}"


def main():
    exe = sys.argv[1] if len(sys.argv) > 1 else glob.glob("build/win64/dist/vargo-*-win64/vargo.exe")[0]
    linux = sys.argv[2] if len(sys.argv) > 2 else "build/release/vargo"
    server, display = start_xvfb()
    prefix = tempfile.mkdtemp(prefix="vargo-wine-")
    env = dict(os.environ, DISPLAY=display, WINEPREFIX=prefix, WINEDEBUG="-all", SDL_AUDIODRIVER="dummy",
               WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml=")
    try:
        # Output to nothing: the wine processes it leaves running would hold a pipe open.
        subprocess.run(["wineboot", "-i"], env=env, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=env, check=True)  # wineboot's server has gone
        # A wine server that stays up between the starts, as Windows itself does.
        subprocess.run(["wineserver", "-p"], env=env, check=True)
        x = X(display)
        programs = {"wine": ["wine", exe], "linux": [linux]}
        # The first start in a new prefix also starts wine's desktop, and now and then opens no window.
        for attempt in range(3):
            try:
                one_run(programs["wine"], env, x)
                break
            except GameEnded as ended:
                print(f"warm-up {attempt + 1}: {ended}", flush=True)
        figures = {name: ([], [], []) for name in programs}
        for run in range(RUNS):
            for name, command in programs.items():
                startup, shots = one_run(command, env, x)
                figures[name][0].append(startup)
                figures[name][1].append(shots[0])
                figures[name][2].extend(shots[1:])
                print(f"run {run + 1} {name}: start-up {startup:.0f} ms, shots " +
                      " ".join(f"{s:.1f}" for s in shots) + " ms", flush=True)
        print("\nmedian (min-max) in ms   start-up          first shot        later shots")
        for name, columns in figures.items():
            cells = [f"{statistics.median(c):.1f} ({min(c):.1f}-{max(c):.1f})" for c in columns]
            print(f"{name:24} " + " ".join(f"{c:17}" for c in cells))
        print(f"load average {os.getloadavg()[0]:.1f}")
    finally:
        subprocess.run(["wineserver", "-k"], env=env)
        server.terminate()
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    main()
