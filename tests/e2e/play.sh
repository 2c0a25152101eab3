#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game, played end to end under Xvfb with xdotool: windows found by their stored titles, their
# sizes and desktop places checked, clicks where a player clicks, screenshots where the game must have
# changed, and SDL's disk audio driver standing in for the sound card so that shots can be counted.
#
#   play.sh ROAD VARGO CLOSE_REQUEST DATA_DIR      ROAD: level | front_end | front_end_english | short [AUDIO]
#
# The short road (the menu, the first briefing, one shot in level 1, the X) is the one for vargo.exe under
# wine; AUDIO "none" takes the sound card away, "damaged" says that DATA_DIR's shot sound is damaged (the
# shot stays silent, and the game says so), and an empty DATA_DIR plays without data/.

ROAD=$1
VARGO=$2
CLOSE_REQUEST=$3
DATA=$4
source "$(dirname "$0")/../fault/session.sh"

DESKTOP_WIDTH=1280
DESKTOP_HEIGHT=1024

# expect_placed KIND X,Y: the screen's window stands at that desktop position.
expect_placed() {
  local id at
  id=$(wait_window "$1")
  at=$(window_position "$id")
  [ "$at" = "$2" ] || fail "$1 stands at $at, not at $2"
}

# expect_centred KIND [ID]: the screen's window (the one found already, when given) is centred on the
# desktop.
expect_centred() {
  local id=${2:-} size at want
  [ -n "$id" ] || id=$(wait_window "$1")
  size=$(window_size "$id")
  at=$(window_position "$id")
  want="$(((DESKTOP_WIDTH - ${size%x*}) / 2)),$(((DESKTOP_HEIGHT - ${size#*x}) / 2))"
  [ "$at" = "$want" ] || fail "$1 stands at $at, not at $want"
}

# expect_painted KIND: the window comes to show a picture, not one flat colour.
painted() {
  local colours
  colours=$(import -window "$(find_window "$1")" -format '%k' info: 2>/dev/null)
  [ "${colours:-0}" -gt 16 ] || { echo "$1 in ${colours:-0} colours" && false; }
}
expect_painted() { wait_for 2 "$1 to show a picture" painted "$1"; }

# sounds: what the device played, read from its 16-bit stereo samples at 44.1 kHz on stdin: the number of
# sounds (runs of sound between 50 ms of silence), the length of the last in bytes, and the silence after it
# in bytes.
sounds() {
  od -An -v -td2 -w4 | awk '
    $1 == 0 && $2 == 0 { quiet++; next }
    { if (!n || quiet >= 2205) { n++; first = NR } quiet = 0; last = NR }
    END { print n + 0, n ? (last - first + 1) * 4 : 0, quiet * 4 }'
}

# ---- the road through the first level ----

# played_out FILE SIZE COUNT [LENGTH]: after its first SIZE bytes the device played COUNT sounds, the last
# for at least LENGTH bytes, and 100 ms of silence since. A file shorter than SIZE was started anew: the game
# closes a device that has been silent for 5 s and opens it again for the next sound, and the disk driver
# then rewrites its file from the start.
played_out() {
  local from=$2 heard length quiet
  [ "$(stat -c %s "$1")" -ge "$from" ] || from=0
  read -r heard length quiet < <(tail -c +$((from + 1)) "$1" | sounds)
  [ "$heard" -eq "$3" ] || { echo "$heard sounds after byte $from" && false; }
  [ "$length" -ge "${4:-0}" ] || { echo "the last sound $length bytes long, not ${4:-0}" && false; }
  [ "$quiet" -ge 17640 ] || { echo "still sounding" && false; }
}

# heard_out SIZE [COUNT [LENGTH]]: the sounds started after SIZE bytes of the device's file (one unless
# told) have played out. Waiting for the silence after each keeps the sounds apart however late the
# device's thread runs.
heard_out() {
  wait_for 2 "${2:-1} sound(s) after byte $1 to play out" played_out "$dir/sound.raw" "$1" "${2:-1}" "${3:-0}"
}
sound_bytes() { stat -c %s "$dir/sound.raw" 2>/dev/null || echo 0; }

# A shot that the level takes changes its magazine label, and its sound plays out.
shot_at() {
  local before bytes
  before=$(region level1 528 280 33 25)
  bytes=$(sound_bytes)
  click level1 "$1" "$2"
  wait_change level1 528 280 33 25 "$before" 2
  heard_out "$bytes"
}

road_level() {
  local dir target score bytes
  dir=$(game_folder level)
  start_x
  start_game "$dir" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/sound.raw" SDL_DISKAUDIODELAY=5

  note "the menu, centred"
  wait_window Vargo1 10 >/dev/null
  expect_centred Vargo1
  expect_painted Vargo1
  click Vargo1 228 178 # "Nová hra"

  note "the first briefing, centred, in place of the menu"
  wait_window Mise1 >/dev/null
  wait_gone Vargo1
  expect_centred Mise1
  expect_painted Mise1
  click Mise1 678 438 # the diary's arrow

  note "the first level, centred, in place of the briefing"
  wait_window level1 >/dev/null
  wait_gone Mise1
  expect_centred level1
  expect_painted level1
  target=$(region level1 12 90 67 121)
  score=$(region level1 24 280 65 25)

  note "a gunman comes up"
  wait_change level1 12 90 67 121 "$target" 5
  target=$(region level1 12 90 67 121)

  # A gunman stands until he is hit, then stays down for 2.6 s: looked at at once, his place shows the hit.
  note "a hit: the gunman falls and the score changes"
  bytes=$(sound_bytes)
  click level1 45 150
  wait_change level1 12 90 67 121 "$target" 2
  wait_change level1 24 280 65 25 "$score" 2
  heard_out "$bytes"

  note "misses to the end of the magazine"
  score=$(region level1 24 280 65 25)
  for _ in 1 2 3 4 5 6 7 8; do shot_at 300 20; done
  [ "$(region level1 24 280 65 25)" = "$score" ] || fail "a miss changed the score"
  bytes=$(sound_bytes)
  click level1 300 20

  note "the reload: its window comes up centred over the level and goes within three seconds"
  expect_centred nabíjení "$(wait_window nabíjení 2)"
  wait_gone nabíjení 4
  # The shot, then the reload's own sound when it ends, all of it: a 16-bit mono WAV, played as 16-bit stereo.
  heard_out "$bytes" 2 $((($(stat -c %s "$DATA/reload.wav") - 44) * 2 * 9 / 10))
  shot_at 300 20

  note "the X ends the game"
  click level1 588 6
  expect_exit 0
}

# ---- the short road ----

road_short() {
  local dir bytes audio=(SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$1/sound.raw")
  dir=$1
  [ "${2:-}" = none ] && audio=(SDL_AUDIODRIVER=none)
  start_x
  start_game "$dir" "${audio[@]}"
  wait_window Vargo1 10 >/dev/null
  expect_centred Vargo1
  expect_painted Vargo1
  click Vargo1 228 178 # "Nová hra"
  wait_window Mise1 >/dev/null
  expect_centred Mise1
  expect_painted Mise1
  click Mise1 678 438 # the diary's arrow
  wait_window level1 >/dev/null
  expect_centred level1
  expect_painted level1
  bytes=$(sound_bytes)
  note "a shot"
  click level1 300 20
  case ${2:-} in
    none) ;;
    damaged) wait_for 2 "the game to say that the shot's sound stays silent" grep -q "stays silent" "$dir/stderr" ;;
    *) if [ -s "$DATA/vystrel.wav" ]; then heard_out "$bytes"; fi ;;
  esac
  note "the X ends the game"
  click level1 588 6
  expect_exit 0
}

# ---- the road through the front end ----

road_front_end() {
  local dir about
  dir=$(game_folder front-end)
  start_x
  start_game "$dir" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/sound.raw"

  note "menu, O Vargo"
  wait_window Vargo1 10 >/dev/null
  click Vargo1 228 244
  wait_window About >/dev/null
  wait_gone Vargo1
  expect_centred About
  expect_painted About

  note "About, Uniforma, OK"
  click About 312 506
  wait_window Uniforma >/dev/null
  wait_gone About
  expect_centred Uniforma
  expect_painted Uniforma
  click Uniforma 312 478
  wait_window About >/dev/null
  wait_gone Uniforma

  note "About, Akce: the article opens at its own place, About stays"
  about=$(region About 0 0 398 702)
  click About 298 542
  wait_window akce >/dev/null
  expect_placed akce "98,12"
  expect_painted akce
  shown About || fail "About went away under akce"
  note "akce, OK: About shows again as it was"
  click akce 422 716
  wait_gone akce
  wait_for 2 "About to show again" test "$(region About 0 0 398 702)" = "$about"

  note "About, OK: the menu, then KONEC"
  click About 308 664
  wait_window Vargo1 >/dev/null
  wait_gone About
  expect_centred Vargo1
  click Vargo1 228 376
  expect_exit 0
  [ ! -s "$dir/sound.raw" ] || [ "$(sounds <"$dir/sound.raw" | cut -d' ' -f1)" -eq 0 ] || fail "the front end made a sound"
}

# menu_button DIR [VAR=VALUE]...: the fingerprint of the menu's first button as the game started with
# those variables paints it; the game then quits by its last button.
menu_button() {
  local dir=$1
  shift
  start_game "$dir" "$@"
  wait_window Vargo1 10 >/dev/null
  expect_painted Vargo1
  region Vargo1 116 148 225 61
  click Vargo1 228 376
  expect_exit 0
}

# The front end as a player whose locale is English gets it (the test sets LANG=en_US.UTF-8): the same
# road, then the menu's button painted in English, not as VARGO_LANG=cs paints it.
road_front_end_english() {
  local dir english czech
  road_front_end
  dir=$(game_folder menu)
  english=$(menu_button "$dir")
  czech=$(menu_button "$dir" VARGO_LANG=cs)
  [ -n "$english" ] && [ "$english" != "$czech" ] || fail "the menu's first button is not in English"
}

case $ROAD in
  level) road_level ;;
  front_end) road_front_end ;;
  front_end_english) road_front_end_english ;;
  short) road_short "$(game_folder short)" "${5:-}" ;;
  *) fail "no road $ROAD" ;;
esac
echo "PASS: $ROAD"
