#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game on the desk (--desk): one window of 1024 × 768, centred on the desktop, in which the menu,
# the diary and the first level stand where they would on a desktop of that size; clicks at desk pixels
# reach them, a shot scores, and the level's X ends the game.
#
#   desk.sh VARGO CLOSE_REQUEST DATA_DIR

VARGO=$1
CLOSE_REQUEST=$2
DATA=$3
source "$(dirname "$0")/../fault/session.sh"

# The desk is the one window; the screens are places on it.
screen_window() {
  case $1 in
    desk) echo "Vargo|1024|768" ;;
    *) fail "no window known for $1" ;;
  esac
}

# centred_on_desk WIDTH HEIGHT: where a screen of that size stands centred on the desk.
centred_on_desk() { echo "$(((1024 - $1) / 2)) $(((768 - $2) / 2))"; }

dir=$(game_folder desk)
start_x 1280x1024
GAME=$VARGO
VARGO=$WORK/vargo-desk
printf '#!/bin/sh\nexec %q --desk --scale 1\n' "$GAME" >"$VARGO"
chmod +x "$VARGO"
start_game "$dir" SDL_AUDIODRIVER=dummy

note "one window, the desk, centred"
at=$(window_position "$(wait_window desk)")
[ "$at" = "128,128" ] || fail "the desk stands at $at, not at 128,128"
[ "$(xdotool search --onlyvisible --maxdepth 1 --name '.' 2>/dev/null | wc -l)" -eq 1 ] || fail "more windows than the desk"

read -r mx my <<<"$(centred_on_desk 459 469)"
read -r bx by <<<"$(centred_on_desk 708 461)"
menu=$(region desk "$bx" "$by" 708 461)
click desk $((mx + 228)) $((my + 178)) # "Nová hra"
wait_change desk "$bx" "$by" 708 461 "$menu" 5
diary=$(region desk "$bx" "$by" 708 461)
click desk $((bx + 678)) $((by + 438)) # the diary's arrow
read -r lx ly <<<"$(centred_on_desk 599 321)"
wait_change desk "$lx" "$ly" 599 321 "$diary" 5
note "the first level: a gunman comes up, a shot scores"
gunman=$(region desk $((lx + 12)) $((ly + 90)) 67 121)
score=$(region desk $((lx + 24)) $((ly + 280)) 65 25)
wait_change desk $((lx + 12)) $((ly + 90)) 67 121 "$gunman" 5
click desk $((lx + 45)) $((ly + 150))
wait_change desk $((lx + 24)) $((ly + 280)) 65 25 "$score" 2
click desk $((lx + 588)) $((ly + 6)) # the X
expect_exit 0
echo "PASS: desk"
