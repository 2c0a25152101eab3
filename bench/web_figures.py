#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser release beside the desktop game: bytes to download, start-up, a shot, and the idle page.

- Bytes: what the first screen needs in Czech (the page, vargo.js, vargo.wasm, vargo.data, and at scale K
  images-Kx and images-Kx-cs, .js and .data), each file gzipped at level 9 as a static host serves it.
- Start-up: from the page's navigation until the canvas first shows the menu (the page's clock, polled every
  animation frame), RUNS times in a fresh browser each, and of it the time until the last file arrived;
  the desktop game's start-up (measure.py's, until its first frame is presented) RUNS times in the same
  run, in turns with the page.
- A shot: from the click (the pointer event's time stamp) until the game next puts pixels on the canvas,
  SHOTS misses on level 1.
- Idle: the page's main thread busy time (Chromium's TaskDuration) over IDLE_S seconds on the menu, and on
  level 1 once every target is up.

    xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 bench/web_figures.py

From the top of the source tree, after `bash tools/dev.sh web` and the bench preset's vargo; needs
Debian's chromium, chromium-driver and python3-selenium (the ones tools/ci/web.sh installs). Not run by CI.
"""

import gzip
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure  # noqa: E402  (the desktop game's start-up, measured as bench/run.sh measures it)
import road  # noqa: E402  (the browser road's page helpers and positions)

SITE = os.path.abspath("build/web")
RUNS = 10
SHOTS = 8  # a magazine holds ten: the eighth miss still reloads nothing
IDLE_S = 10
LEVEL_TARGETS_UP_S = 7

# Marks, on the page's own clock, when the canvas first shows something other than the desk's ground and
# when the game last put pixels on it; kept from the page's first script on.
PAGE_CLOCK = """
window.bench = { firstFrame: null, lastPut: 0 };
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...args) {
  bench.lastPut = performance.now();
  return put.apply(this, args);
};
function watch() {
  const c = document.getElementById("canvas");
  if (c && c.width > 0) {
    const k = c.width / 1024;
    const p = c.getContext("2d").getImageData(512 * k, 384 * k, 1, 1).data;
    if (p[3] !== 0 && (p[0] !== 32 || p[1] !== 40 || p[2] !== 48)) { bench.firstFrame = performance.now(); return; }
  }
  requestAnimationFrame(watch);
}
requestAnimationFrame(watch);
"""


def gzipped(path):
    with open(path, "rb") as f:
        return len(gzip.compress(f.read(), 9))


def first_screen_bytes(k):
    files = ["index.html", "vargo.js", "vargo.wasm", "vargo.data"]
    files += [f"images-{k}x{part}.{kind}" for part in ("", "-cs") for kind in ("js", "data")]
    return sum(gzipped(os.path.join(SITE, f)) for f in files)


def fresh_page(url, profile):
    driver = road.browser(profile)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PAGE_CLOCK})
    driver.execute_cdp_cmd("Performance.enable", {})
    page = road.Road(driver)
    road.open_page(page, url)
    page.wait_for(30, "the menu on the canvas", lambda: (page.js("return bench.firstFrame") is not None, "no frame"))
    return page


def task_seconds(page):
    metrics = page.driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
    return next(m["value"] for m in metrics if m["name"] == "TaskDuration")


def idle_percent(page):
    before = task_seconds(page)
    time.sleep(IDLE_S)
    return 100 * (task_seconds(page) - before) / IDLE_S


def shot_ms(page):
    """From a miss's pointer event to the next pixels the game puts on the canvas."""
    page.js("window.bench.shotAt = null; canvas.addEventListener('pointerdown', "
            "(e) => { bench.shotAt = e.timeStamp; bench.lastPut = 0; }, { once: true, capture: true });")
    page.click(road.LEVEL1, road.MISS)
    return page.wait_for(2, "the canvas to change after a miss", lambda: (lambda t: (
        t[0] is not None and t[1] > t[0], t))(page.js("return [bench.shotAt, bench.lastPut]")))


def main():
    server = road.serve(SITE)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html?lang=cs"
    stage = tempfile.mkdtemp(prefix="vargo-web-bench.")
    os.symlink(os.path.abspath("data"), f"{stage}/data")
    os.symlink(f"{measure.BUILD}/images", f"{stage}/images")
    page_ms, downloaded_ms, desktop_ms = [], [], []
    shots, idle = [], {}
    for run in range(RUNS):
        with tempfile.TemporaryDirectory() as profile:
            page = fresh_page(url, profile)
            page_ms.append(page.js("return bench.firstFrame"))
            downloaded_ms.append(page.js(
                "return Math.max(...performance.getEntriesByType('resource').map((r) => r.responseEnd))"))
            if run == 0:
                idle["menu"] = idle_percent(page)
                page.click(road.MENU, road.NEW_GAME)
                page.painted(road.MISE1, "the first briefing")
                page.click(road.MISE1, road.DIARY_ARROW)
                page.painted(road.LEVEL1, "level 1")
                time.sleep(LEVEL_TARGETS_UP_S)
                idle["level 1, every target up"] = idle_percent(page)
                for _ in range(SHOTS):
                    shot = shot_ms(page)
                    shots.append(shot[1] - shot[0])
                    time.sleep(0.3)
            page.driver.quit()
        cwd = os.getcwd()
        os.chdir(stage)
        game = measure.Game(args=["--scale", "1"])
        desktop_ms.append(game.startup_ms())
        game.stop()
        os.chdir(cwd)
    server.shutdown()

    page_median, desktop_median = statistics.median(page_ms), statistics.median(desktop_ms)
    rows = [
        ("bytes to download for the first screen, gzip, scale 1", f"{first_screen_bytes(1) / 1e6:.2f} MB", "≤ 3 MB"),
        ("the same at scale 2", f"{first_screen_bytes(2) / 1e6:.2f} MB", "≤ 3 MB"),
        (f"page opened → the menu's first frame (median of {RUNS})",
         f"{page_median:.0f} ms (min {min(page_ms):.0f}, max {max(page_ms):.0f})", ""),
        ("  of which until the last file arrived", f"{statistics.median(downloaded_ms):.0f} ms", ""),
        (f"the desktop game's start-up in the same run (median of {RUNS})", f"{desktop_median:.0f} ms", ""),
        ("the page / the desktop game", f"{page_median / desktop_median:.1f} ×", "≤ 1.5 ×"),
        (f"click → changed canvas, a miss on level 1 (median of {SHOTS})",
         f"{statistics.median(shots):.1f} ms (max {max(shots):.1f})", "≤ 16.7 ms"),
    ] + [(f"idle: the page's main thread, {where}", f"{percent:.2f} % of a core", "< 1 %")
         for where, percent in idle.items()]
    width = max(len(r[0]) for r in rows)
    for name, value, target in rows:
        print(f"{name:<{width}}  {value:<28} {target}")


if __name__ == "__main__":
    main()
