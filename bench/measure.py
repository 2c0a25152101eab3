#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the benchmarks and the whole-process measurements and prints every figure against its target.

Run it under an X server (bench/run.sh starts Xvfb) from the top of the source tree, after the bench
preset is built. --quick makes every run very short: for checking that the measuring works, not for figures.
"""

import argparse
import atexit
import json
import os
import random
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath("build/bench")
GAME = f"{BUILD}/vargo"
BENCH = f"{BUILD}/bench/vargo_bench"
LATENESS = f"{BUILD}/bench/vargo_timer_lateness"
PLAY_THROUGH = f"{BUILD}/bench/vargo_play_through"
WHERE = f"{BUILD}/bench/vargo_where"
BARE_SDL = f"{BUILD}/bench/vargo_bare_sdl"
SCALES = (1, 2, 3)

START_TIMEOUT_S = 20
LEVEL_TARGETS_UP_S = 7  # the longest show timer of level1 is 5.5 s
AUDIO_CLOSED_S = 6  # the platform closes a silent audio device after 5 s


class Report:
    """Figures with their targets; prints a table at the end and remembers whether any missed."""

    def __init__(self):
        self.rows = []

    def add(self, name, value, unit, limit=None, note=""):
        verdict = "" if limit is None else ("ok" if value < limit else "MISS")
        target = "" if limit is None else f"< {limit:g} {unit}"
        self.rows.append((name, f"{value:.3f} {unit}", target, verdict, note))

    def info(self, name, text, note=""):
        self.rows.append((name, text, "", "", note))

    def print(self):
        widths = [max(len(r[i]) for r in self.rows) for i in range(4)]
        print()
        print("== figures against targets")
        for row in self.rows:
            cells = [row[i].ljust(widths[i]) for i in range(4)]
            print("  ".join(cells) + ("  " + row[4] if row[4] else ""))

    def missed(self):
        return [r[0] for r in self.rows if r[3] == "MISS"]


# ---- in-process benchmarks ----------------------------------------------------------------------------

IN_PROCESS_TARGETS = [
    # (benchmark name prefix, what it is, limit in the benchmark's unit or None)
    ("BM_FullRepaint/", "full repaint", 1000),
    ("BM_RepaintAfterHit/", "repaint after a hit", 100),
    ("BM_RepaintAfterHitPixelsOnly/", "repaint after a hit, text unchanged", None),
    ("BM_ShotMiss/", "shot (miss), event to present, headless", 1000),
    ("BM_ShotHit/", "shot (hit), event to present, headless", 1000),
    ("BM_PlaySoundSdl/", "playSound", 1000),
    ("BM_PlaySoundAfterSilence/", "playSound with the device closed", 1000),
    ("BM_SoundReachesDevice", "shot sound taken by the audio thread", 20),
    ("BM_LoadUnload/", "screen load + first paint + unload", None),
]


def run_in_process(report, quick):
    out = f"{BUILD}/bench_results.json"
    args = [BENCH, f"--benchmark_out={out}", "--benchmark_out_format=json"]
    if quick:
        args += ["--benchmark_min_time=0.001"]
    else:
        args += ["--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"]
    print("== in-process benchmarks:", " ".join(args), flush=True)
    subprocess.run(args, check=True)
    with open(out) as f:
        results = json.load(f)["benchmarks"]
    for r in results:
        if not quick and r.get("aggregate_name") != "median":
            continue
        if "error_message" in r:
            report.info(r["run_name"], "not run", r["error_message"])
            continue
        for prefix, what, limit in IN_PROCESS_TARGETS:
            if r["run_name"].startswith(prefix):
                name = f"{what} [{r.get('label', r['run_name'])}]"
                if limit is not None and "k=" in name and "k=1" not in name:
                    limit = max(limit, 1000)  # every figure at scales 2 and 3 is under 1 ms
                note = "median of 5" if not quick else ""
                if "slowest_ms" in r:
                    note += f"; slowest {r['slowest_ms']:.1f} ms"
                report.add(name, r["real_time"], r["time_unit"], limit, note)
                break


# ---- the game as a process ----------------------------------------------------------------------------


def monotonic_ns():
    return time.clock_gettime_ns(time.CLOCK_MONOTONIC)


class Game:
    """The game started as players start it, with its first-frame trace on; or another program that
    traces its first frame the same way."""

    def __init__(self, extra_env=None, args=(), program=GAME):
        env = dict(os.environ, VARGO_TRACE_FIRST_FRAME="1")
        env.update(extra_env or {})
        self.started_ns = monotonic_ns()
        self.proc = subprocess.Popen([program, *args], env=env, stderr=subprocess.PIPE, text=True)
        self.first_frame_ns = self._wait_for_first_frame()

    def _wait_for_first_frame(self):
        deadline = time.monotonic() + START_TIMEOUT_S
        while time.monotonic() < deadline:
            ready, _, _ = select.select([self.proc.stderr], [], [], 0.5)
            if not ready:
                continue
            line = self.proc.stderr.readline()
            if not line:
                break
            m = re.search(r"first frame at (\d+) ns", line)
            if m:
                return int(m.group(1))
        self.stop()
        raise RuntimeError("the game presented no first frame")

    def startup_ms(self):
        return (self.first_frame_ns - self.started_ns) / 1e6

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def resident_peak_kib(self):
        with open(f"/proc/{self.proc.pid}/status") as f:
            return int(re.search(r"^VmHWM:\s+(\d+)", f.read(), re.M).group(1))


def bare_sdl(menu_size):
    return Game(program=BARE_SDL, args=[str(menu_size[0]), str(menu_size[1])])


def measure_startup(report, runs):
    """The game at each scale and the bare SDL2 program, started in turns so that they share the noise, in
    an order shuffled each round: a program started right after another starts faster or slower than one
    started after a third, so a fixed order would favour one of them. For the same reason nothing else runs
    between the starts: the menu's size is asked once, before them."""
    _, menu_size, _ = where("Vargo1")
    times = {k: [] for k in SCALES}
    bare = []
    order = random.Random(1)
    for _ in range(runs):
        for k in order.sample([*SCALES, None], len(SCALES) + 1):
            program = bare_sdl(menu_size) if k is None else Game(args=["--scale", str(k)])
            (bare if k is None else times[k]).append(program.startup_ms())
            program.stop()
    median = {k: statistics.median(t) for k, t in times.items()}
    bare_median = statistics.median(bare)
    report.add(f"start-up to the menu's first frame (median of {runs})", median[1], "ms", 100,
               f"min {min(times[1]):.1f}, max {max(times[1]):.1f}")
    report.add(f"start-up of a bare SDL2 program, one window of the menu's size (median of {runs})", bare_median,
               "ms", None, f"min {min(bare):.1f}, max {max(bare):.1f}")
    for k in SCALES:
        if k != 1:
            report.add(f"start-up at scale {k}", median[k], "ms", None, f"min {min(times[k]):.1f}")
            report.add(f"start-up at scale {k} / at scale 1", median[k] / median[1], "", 1.5 if k == 2 else None)
        report.add(f"start-up at scale {k} / the bare SDL2 program", median[k] / bare_median, "", 1.5 if k == 1 else None)


def thread_counters(pid):
    """CPU time (ms) and voluntary context switches (each one a sleep that ended) of every thread."""
    threads = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        base = f"/proc/{pid}/task/{tid}"
        try:
            with open(f"{base}/comm") as f:
                name = f.read().strip()
            with open(f"{base}/sched") as f:
                cpu = float(re.search(r"se\.sum_exec_runtime\s*:\s*([\d.]+)", f.read()).group(1))
            with open(f"{base}/status") as f:
                wakes = int(re.search(r"^voluntary_ctxt_switches:\s+(\d+)", f.read(), re.M).group(1))
        except (OSError, AttributeError):
            continue
        threads[tid] = (name, cpu, wakes)
    return threads


def measure_idle(report, game, what, seconds):
    before = thread_counters(game.proc.pid)
    time.sleep(seconds)
    after = thread_counters(game.proc.pid)
    cpu = 0.0
    per_thread = []
    for tid, (name, cpu_after, wakes_after) in after.items():
        _, cpu_before, wakes_before = before.get(tid, (name, 0.0, 0))
        cpu += cpu_after - cpu_before
        per_thread.append(f"{name} {wakes_after - wakes_before}")
    main = str(game.proc.pid)
    main_wakes = after[main][2] - before[main][2] if main in after and main in before else -1
    report.add(f"idle CPU, {what}", 100 * cpu / (seconds * 1000), "% of a core", 0.5, f"over {seconds} s")
    report.add(f"idle wake-ups of the game's thread, {what}", main_wakes, "", 1,
               f"no timer is due; all threads: {', '.join(per_thread)}")


def ere_escape(text):
    return re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", text)


def where(screen, *widget):
    """The screen's window title and client size, and a free point of the widget when one is named."""
    out = subprocess.run([WHERE, screen, *widget], check=True, capture_output=True, text=True).stdout
    title, size, *point = out.rstrip("\n").split("\t")
    return title, tuple(map(int, size.split())), tuple(map(int, point[0].split())) if point else None


def find_window(title, size, timeout_s=10):
    deadline = time.monotonic() + timeout_s
    while time.monotonic() < deadline:
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{ere_escape(title)}$"],
                             capture_output=True, text=True).stdout.split()
        for wid in ids:
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], capture_output=True,
                                      text=True).stdout
            g = dict(line.split("=", 1) for line in geometry.split())
            if (int(g["WIDTH"]), int(g["HEIGHT"])) == size:
                return int(g["X"]), int(g["Y"])
        time.sleep(0.1)
    raise RuntimeError(f"no window {title!r} of {size[0]}x{size[1]} came up")


def click(screen, widget, k=1):
    title, size, (x, y) = where(screen, widget)
    left, top = find_window(title, (k * size[0], k * size[1]))
    subprocess.run(["xdotool", "mousemove", str(left + k * x), str(top + k * y), "click", "1"], check=True)


def wait_for_screen(screen, k=1):
    title, size, _ = where(screen)
    find_window(title, (k * size[0], k * size[1]))


def open_level1(k=1):
    click("Vargo1", "Image1", k)
    click("Mise1", "Image1", k)
    wait_for_screen("level1", k)


def open_akce(k=1):
    """The largest window, akce, over the unit's page: the most pixels the game ever holds at once."""
    click("Vargo1", "Image3", k)
    wait_for_screen("About", k)
    click("About", "Image3", k)
    wait_for_screen("akce", k)


def measure_scaled_memory(report, quick):
    """Peak resident set at each scale after the menu and level1 with its targets up, against the bare
    SDL2 program's after its one frame."""
    program = bare_sdl(where("Vargo1")[1])
    time.sleep(1)
    bare = program.resident_peak_kib() / 1024
    program.stop()
    report.add("peak resident set of a bare SDL2 program", bare, "MiB")
    for k in SCALES:
        roads = (("menu and level1", open_level1, LEVEL_TARGETS_UP_S), ("About and akce", open_akce, 1))
        for what, road, settle_s in roads:
            game = Game({"SDL_AUDIODRIVER": "dummy"}, ["--scale", str(k)])
            try:
                road(k)
                time.sleep(1 if quick else settle_s)
                peak = game.resident_peak_kib() / 1024
            finally:
                game.stop()
            report.add(f"peak resident set at scale {k}, {what}", peak, "MiB", 60)
            report.add(f"peak resident set at scale {k}, {what} / the bare SDL2 program", peak / bare, "")


def measure_game_idle(report, seconds, audio):
    env = {} if audio == "as found" else {"SDL_AUDIODRIVER": audio}
    label = f"audio {audio}"
    game = Game(env)
    try:
        time.sleep(AUDIO_CLOSED_S)
        measure_idle(report, game, f"menu, {label}", seconds)
        open_level1()
        time.sleep(LEVEL_TARGETS_UP_S)
        measure_idle(report, game, f"level1 with all targets up, {label}", seconds)
        report.add(f"peak resident set of the game, menu and level1, {label}", game.resident_peak_kib() / 1024,
                   "MiB", 60)
    finally:
        game.stop()


# ---- programs that report their own figures -----------------------------------------------------------


def measure_timers(report, seconds):
    args = [LATENESS, "level1", str(seconds)]
    print("==", " ".join(args), flush=True)
    out = subprocess.run(args, check=True, capture_output=True, text=True,
                         env=dict(os.environ, SDL_AUDIODRIVER=os.environ.get("SDL_AUDIODRIVER", "dummy"))).stdout
    print(out, end="")

    def figures(what):
        m = re.search(rf"^{what}\s+n=(\d+)\s+median ([\d.]+) ms\s+p99 ([\d.]+) ms", out, re.M)
        return int(m.group(1)), float(m.group(2)), float(m.group(3))

    n, median, p99 = figures("tick lateness")
    report.add(f"tick lateness, median ({n} ticks, {seconds} s of level1)", median, "ms", 1)
    report.add("tick lateness, 99th percentile", p99, "ms", 4)
    n, median, p99 = figures("shot event to present")
    report.add(f"shot, event to present, real window ({n} shots)", median, "ms", 1, f"p99 {p99:.3f} ms")
    m = re.search(r"wake-ups: (\d+) for ticks, (\d+) for shots, (\d+) for window-system events, (\d+) with nothing due",
                  out)
    report.add("wake-ups with nothing due, level1 in play", int(m.group(4)), "", 1,
               f"{m.group(1)} for ticks, {m.group(2)} for shots, {m.group(3)} window-system events")


def measure_memory(report):
    for k in SCALES:
        args = ["/usr/bin/time", "-v", PLAY_THROUGH, str(k)]
        print("==", " ".join(args), flush=True)
        done = subprocess.run(args, capture_output=True, text=True,
                              env=dict(os.environ, SDL_AUDIODRIVER=os.environ.get("SDL_AUDIODRIVER", "dummy")))
        print(done.stdout, end="")
        if done.returncode not in (0, 1):
            print(done.stderr, file=sys.stderr)
            raise RuntimeError("the play-through failed")
        peak = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr).group(1))
        report.add(f"peak resident set, full play-through at scale {k}", peak / 1024, "MiB", 60, "/usr/bin/time -v")
        kept = int(re.search(r"screens that keep memory after unload: (\d+)", done.stdout).group(1))
        report.add(f"screens whose pictures stay decoded after unload, scale {k}", kept, "", 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--quick", action="store_true", help="very short runs, to check the measuring works")
    quick = parser.parse_args().quick
    # The programs run in a folder of their own that holds the sounds and the pictures at every scale.
    stage = tempfile.mkdtemp(prefix="vargo-bench.")
    os.symlink(os.path.abspath("data"), f"{stage}/data")
    os.symlink(f"{BUILD}/images", f"{stage}/images")
    os.chdir(stage)
    atexit.register(shutil.rmtree, stage, True)
    report = Report()
    run_in_process(report, quick)
    measure_startup(report, 3 if quick else 40)
    for audio in ("as found", "dummy"):
        measure_game_idle(report, 2 if quick else 10, audio)
    measure_timers(report, 5 if quick else 60)
    measure_memory(report)
    measure_scaled_memory(report, quick)
    report.info("audio buffer", "512 samples", "11.6 ms a period at 44.1 kHz, set in src/platform/sdl")
    report.print()
    missed = report.missed()
    print()
    print("all figures within their targets" if not missed else f"{len(missed)} figure(s) miss: " + "; ".join(missed))
    return 1 if missed else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except (RuntimeError, OSError, subprocess.CalledProcessError) as e:
        print(f"measure.py: {e}", file=sys.stderr)
        sys.exit(2)
