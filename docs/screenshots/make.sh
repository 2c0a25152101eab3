#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of the README with the headless screenshot tool, from the game's own screens:
#
#   bash docs/screenshots/make.sh [BUILD_DIR]     (default build/release; needs its vargo_screenshot)
#
# Each row: the PNG, the scale, the language, the window it shows, and the steps played from the start of the game (see
# tools/screenshot.cpp). Level shots wait for the gunmen, hit one and catch its hit picture, and turn the
# weapon with the pointer.
set -euo pipefail
build=$(realpath -m "${1:-$(dirname "$0")/../../build/release}")
tool=$build/tools/vargo_screenshot
cd "$(dirname "$0")"
[ -x "$tool" ] || { echo "no $tool: build the vargo_screenshot target first" >&2; exit 1; }
# The pictures at scales above 1 are the build's, found in images/ of the working directory.
ln -sfn "$build/images" images
trap 'rm -f images' EXIT

while read -r png scale lang screen steps; do
  [ "$steps" = - ] && steps=
  "$tool" --scale "$scale" --lang "$lang" "$screen" "$png" "$steps"
  echo "$png"
done <<'SHOTS'
menu.png         1 cs Vargo1    -
briefing.png     1 cs Mise1     click:Vargo1:228,178
level1.png       1 cs level1    click:Vargo1:228,178 click:Mise1:678,438 wait:6000 click:level1:304,100 wait:40 move:level1:100,200
level2.png       1 cs level2    show:level2 wait:5000 click:level2:378,190 wait:40 move:level2:500,200
level3.png       1 cs level3    show:level3 wait:5000 click:level3:310,120 wait:40 move:level3:60,60
level4.png       1 cs level4    show:level4 wait:6000 click:level4:400,180 wait:40 move:level4:500,200
level5.png       1 cs level5    show:level5 wait:5000 click:level5:570,150 wait:40 move:level5:100,150
reload.png       1 cs nabíjení  show:level1 show:nabíjení wait:1000
about.png        1 cs About     click:Vargo1:228,245
level1-2x.png    2 cs level1    click:Vargo1:228,178 click:Mise1:678,438 wait:6000 click:level1:304,100 wait:40 move:level1:100,200
menu-en.png      1 en Vargo1    -
briefing-en.png  1 en Mise1     click:Vargo1:228,178
SHOTS
