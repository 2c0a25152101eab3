#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every speed and memory figure of the game in one command: builds the bench preset, runs the in-process
# benchmarks, measures the game as a process under Xvfb, and prints each figure against its target.
#   bench/run.sh           the full run (about six minutes)
#   bench/run.sh --quick   very short runs, to check that the measuring itself works
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in xvfb-run xdotool /usr/bin/time python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "bench/run.sh: $tool is needed (Debian packages xvfb, xdotool, time, python3)" >&2
    exit 2
  fi
done
cmake --preset bench >/dev/null
cmake --build build/bench -j2 --target vargo vargo_bench vargo_timer_lateness vargo_play_through vargo_where \
  vargo_worst_sound vargo_bare_sdl vargo_scaled_images
build/bench/bench/vargo_worst_sound
# A 5K desktop, so that every window at scale 3 fits, akce (2535 x 2199) too.
exec xvfb-run -a -s "-screen 0 5120x2880x24" python3 bench/measure.py "$@"
