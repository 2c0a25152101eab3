#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of the README with the headless screenshot tool, from the game's own screens:
#
#   bash docs/screenshots/make.sh [BUILD_DIR]     (default build/release; needs its vargo_screenshot)
#
# Each row: the PNG, the window it shows, and the steps played from the start of the game (see
# tools/screenshot.cpp). Level shots wait for the gunmen, hit one and catch its hit picture, and turn the
# weapon with the pointer.
set -euo pipefail
tool=$(realpath -m "${1:-$(dirname "$0")/../../build/release}")/tools/vargo_screenshot
cd "$(dirname "$0")"
[ -x "$tool" ] || { echo "no $tool: build the vargo_screenshot target first" >&2; exit 1; }

while read -r png screen steps; do
  [ "$steps" = - ] && steps=
  "$tool" "$screen" "$png" "$steps"
  echo "$png"
done <<'SHOTS'
menu.png      Vargo1    -
briefing.png  Mise1     click:Vargo1:228,178
level1.png    level1    click:Vargo1:228,178 click:Mise1:678,438 wait:6000 click:level1:304,100 wait:40 move:level1:100,200
level2.png    level2    show:level2 wait:5000 click:level2:378,190 wait:40 move:level2:500,200
level3.png    level3    show:level3 wait:5000 click:level3:310,120 wait:40 move:level3:60,60
level4.png    level4    show:level4 wait:6000 click:level4:400,180 wait:40 move:level4:500,200
level5.png    level5    show:level5 wait:5000 click:level5:570,150 wait:40 move:level5:100,150
reload.png    nabíjení  show:level1 show:nabíjení wait:1000
about.png     About     click:Vargo1:228,245
SHOTS
