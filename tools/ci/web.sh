#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the browser release (bash tools/dev.sh web), checks that its zip holds what a static host needs,
# serves the unpacked zip from 127.0.0.1 and plays the road of tests/web/road.py in Debian's headless
# Chromium (never a browser fetched from anywhere else), comparing the page's desk with the native game's.
#
#   bash tools/ci/web.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_missing chromium chromium-driver python3-selenium python3-pil unzip
start=$SECONDS
bash tools/dev.sh web
echo "web: built in $((SECONDS - start)) s"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "web: FAIL: $*" >&2
  exit 1
}

# What the release must hold: the page, the game, its data and the pictures at every scale the page picks.
shipped=(index.html vargo.js vargo.wasm vargo.data images-1x.js images-1x.data images-1x-cs.data
  images-1x-en.data images-2x.data images-2x-en.data images-3x.data
  images-4x.data licences/COPYING.txt licences/libsdl2.txt licences/emscripten.txt)
zip=$(ls build/web/vargo-*-web.zip)
unzip -q "$zip" -d "$work/site"
for file in "${shipped[@]}"; do [ -s "$work/site/$file" ] || fail "the zip lacks $file"; done
ls "$work"/site/vargo-*-source.tar.gz >/dev/null || fail "the zip lacks the source"

# The desk as the native game draws it when it starts, from the release build's screenshot tool.
cmake --preset release >/dev/null
cmake --build build/release --target vargo_screenshot >/dev/null
build/release/tools/vargo_screenshot --desk "$work/native-desk.png"

timeout 300 /usr/bin/python3 tests/web/road.py "$work/site" "$work/native-desk.png"
