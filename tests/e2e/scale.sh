#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game at scale 2 on a 3840 × 2160 desktop: every window twice its size, centred or at twice its
# place, clicks at device pixels, and one shot that scores; the scale the game takes from the desktop (also
# vargo.exe's under wine); an asked scale too large for the screen; two monitors; and the bad scales it
# refuses.
#
#   scale.sh ROAD VARGO CLOSE_REQUEST DATA_DIR IMAGES_DIR
#   ROAD: play | desktop | fit | monitors | bad_values | windows_dpi

ROAD=$1
VARGO=$2
CLOSE_REQUEST=$3
DATA=$4
IMAGES=$5
source "$(dirname "$0")/../fault/session.sh"

K=2
DESKTOP_WIDTH=3840
DESKTOP_HEIGHT=2160

# The session's windows at k times their logical size.
eval "$(declare -f screen_window | sed '1s/screen_window/logical_window/')"
screen_window() {
  local title width height
  IFS='|' read -r title width height <<<"$(logical_window "$1")"
  echo "$title|$((K * width))|$((K * height))"
}

start_large_x() { start_x "${DESKTOP_WIDTH}x${DESKTOP_HEIGHT}"; }

# expect_placed KIND X,Y: the window's client area stands at that desktop position.
expect_placed() {
  local at
  at=$(window_position "$(wait_window "$1")")
  [ "$at" = "$2" ] || fail "$1 stands at $at, not at $2"
}

expect_centred() {
  local size
  size=$(window_size "$(wait_window "$1")")
  expect_placed "$1" "$(((DESKTOP_WIDTH - ${size%x*}) / 2)),$(((DESKTOP_HEIGHT - ${size#*x}) / 2))"
}

# At logical positions: clicks and regions at k times them.
click_at() { click "$1" $((K * $2)) $((K * $3)); }
region_at() { region "$1" $((K * $2)) $((K * $3)) $((K * $4)) $((K * $5)); }

road_play() {
  local dir gunman score
  dir=$(game_folder scale)
  ln -s "$IMAGES" "$dir/images"
  start_large_x
  # The game with --scale, which wins over the variable.
  local game=$VARGO
  VARGO=$WORK/vargo-scaled
  printf '#!/bin/sh\nexec %q --scale %d\n' "$game" "$K" >"$VARGO"
  chmod +x "$VARGO"
  start_game "$dir" SDL_AUDIODRIVER=dummy VARGO_SCALE=3

  note "the menu, twice its size, centred"
  expect_centred Vargo1
  click_at Vargo1 228 244 # "O Vargo"
  expect_centred About
  click_at About 298 542 # "Akce"
  note "akce at twice its place"
  expect_placed akce "$((K * 98)),$((K * 12))"
  click_at akce 422 716 # OK
  wait_gone akce
  click_at About 308 664 # OK
  click_at Vargo1 228 178 # "Nová hra"
  expect_centred Mise1
  click_at Mise1 678 438 # the diary's arrow
  note "the first level, twice its size, centred"
  expect_centred level1
  gunman=$(region_at level1 12 90 67 121)
  score=$(region_at level1 24 280 65 25)
  wait_change level1 $((K * 12)) $((K * 90)) $((K * 67)) $((K * 121)) "$gunman" 5
  note "a shot at device pixels that scores"
  click_at level1 45 150
  wait_change level1 $((K * 24)) $((K * 280)) $((K * 65)) $((K * 25)) "$score" 2
  click_at level1 588 6 # the X
  expect_exit 0
}

# Xft.dpi 288 asks for 3; the article at 3 is taller than 2160, so the game takes 2. The working folder
# has no pictures: the build tree's own are found beside the executable.
road_desktop() {
  local dir
  dir=$(game_folder desktop)
  start_large_x
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.antialias:\t1\nXft.dpi:\t288')"
  start_game "$dir" SDL_AUDIODRIVER=dummy
  note "the menu at the desktop's scale, lowered to 2"
  expect_centred Vargo1
  click_at Vargo1 228 376 # KONEC
  expect_exit 0
}

# --scale 3 on 3840 x 2160: the article at its place would reach below the screen, so the game plays at 2
# and says so.
road_fit() {
  local dir
  dir=$(game_folder fit)
  ln -s "$IMAGES" "$dir/images"
  start_large_x
  local game=$VARGO
  VARGO=$WORK/vargo-scaled
  printf '#!/bin/sh\nexec %q --scale 3\n' "$game" >"$VARGO"
  chmod +x "$VARGO"
  start_game "$dir" SDL_AUDIODRIVER=dummy
  expect_centred Vargo1
  click_at Vargo1 228 244 # "O Vargo"
  click_at About 298 542  # "Akce"
  expect_placed akce "$((K * 98)),$((K * 12))"
  grep -q '^vargo: the windows at scale 3 do not fit' "$dir/stderr" || fail "nothing said: $(cat "$dir/stderr")"
  click_at akce 422 716   # OK
  click_at About 308 664  # OK
  click_at Vargo1 228 376 # KONEC
  expect_exit 0
}

# Two monitors side by side on one screen, the pointer on the left one: the menu stands centred on it.
road_monitors() {
  local dir
  dir=$(game_folder monitors)
  K=1
  DESKTOP_WIDTH=1920
  DESKTOP_HEIGHT=1080
  start_x 3840x1080
  xrandr --setmonitor left 1920/508x1080/286+0+0 screen >/dev/null
  xrandr --setmonitor right 1920/508x1080/286+1920+0 none >/dev/null
  xdotool mousemove 300 300
  start_game "$dir" SDL_AUDIODRIVER=dummy
  expect_centred Vargo1
  click_at Vargo1 228 376 # KONEC
  expect_exit 0
}

# vargo.exe under wine, whose prefix the caller has set to 192 dpi: the menu at scale 2, with the pictures
# from the game's own folder, as the working folder has none.
road_windows_dpi() {
  local dir
  dir=$(game_folder windows-dpi)
  start_large_x
  start_game "$dir" SDL_AUDIODRIVER=dummy
  note "the menu at the desktop's scale, 2"
  expect_centred Vargo1
  click_at Vargo1 228 376 # KONEC
  expect_exit 0
}

# refused SETTING...: the game, started with that environment and command line, prints one line and
# ends with status 2 before it opens any window.
refused() {
  local status=0 err
  err=$(env "$@" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 2 ] || fail "$* ended with status $status, not 2"
  [ "$(grep -c '^vargo: ' <<<"$err")" -eq 1 ] || fail "$* said no single vargo: line: $err"
}

road_bad_values() {
  refused "$VARGO" --scale 0
  refused "$VARGO" --scale 9
  refused VARGO_SCALE=abc "$VARGO"
}

case $ROAD in
  play) road_play ;;
  desktop) road_desktop ;;
  fit) road_fit ;;
  monitors) road_monitors ;;
  windows_dpi) road_windows_dpi ;;
  bad_values) road_bad_values ;;
  *) fail "no road $ROAD" ;;
esac
echo "PASS: scale $ROAD"
