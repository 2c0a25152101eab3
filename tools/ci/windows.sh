#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows release (bash tools/dev.sh windows) and tests it under wine: the unit tests of the
# win64 build, then vargo.exe from the unpacked zip inside Xvfb on the short road (menu, first briefing,
# level 1, one shot heard through SDL's disk audio, the X ends it with status 0), and again without
# data\, with a damaged WAV and without an audio device: the game plays on each time.
#
#   bash tools/ci/windows.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_missing xvfb xauth xdotool x11-utils imagemagick unzip libgtest-dev
start=$SECONDS
bash tools/dev.sh windows
echo "windows: built in $((SECONDS - start)) s"

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/wine WINEDEBUG=-all
WINEDLLOVERRIDES=mscoree,mshtml= wineboot -i >/dev/null 2>&1

# SDL's disk driver, on Windows, reads the file's name and the delay into one buffer: see wine_game.sh.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64 --parallel 2 \
  -E 'SdlAudio.ANewSoundCutsOffTheOneThatPlays'

zip=$(ls build/win64/vargo-*-win64.zip)
unzip -q "$zip" -d "$work/zip"
export VARGO_EXE
VARGO_EXE=$(ls "$work"/zip/*/vargo.exe)
cmake --preset release >/dev/null && cmake --build --preset release --target close_request >/dev/null
play() { bash tests/e2e/play.sh short "$PWD/tools/windows/wine_game.sh" build/release/tests/fault/close_request "$@"; }
play "$PWD/data"
mkdir -p "$work/no_data" "$work/damaged"
play "$work/no_data"
cp data/*.wav "$work/damaged/" && head -c 100 data/vystrel.wav >"$work/damaged/vystrel.wav"
play "$work/damaged"
play "$PWD/data" none
echo "windows: release built and tested under wine in $((SECONDS - start)) s"
