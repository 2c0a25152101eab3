#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game in a broken world: no display, no audio device, no data folder, broken or odd sound
# files, no usable font, and the window manager's close request on every screen in every state. Each case
# must end as a player wants: one clear line and status 1 where the game cannot run, silence where a
# sound cannot play, and never a crash, a hang or a stall.
#
#   faults.sh CASE VARGO CLOSE_REQUEST DATA_DIR

CASE=$1
VARGO=$2
CLOSE_REQUEST=$3
DATA=$4
source "$(dirname "$0")/session.sh"

# ---- places to click, in client-area pixels ----

menu_new_game() { click Vargo1 228 178; }
menu_about() { click Vargo1 228 244; }
menu_credits() { click Vargo1 228 308; }
menu_quit() { click Vargo1 228 376; }
about_ok() { click About 308 664; }
about_uniforma() { click About 312 506; }
about_akce() { click About 298 542; }
akce_ok() { click akce 422 716; }
briefing_continue() { click "$1" 678 438; }
level1_miss() { click level1 300 20; }
level1_exit() { click level1 588 6; }
level1_magazine() { region level1 528 280 33 25; }

# A shot that the level takes: its magazine label changes within a frame or two of the click.
shoot_level1() {
  local before
  before=$(level1_magazine)
  level1_miss
  wait_change level1 528 280 33 25 "$before" 2
}

to_level1() {
  wait_window Vargo1 10 >/dev/null
  menu_new_game
  briefing_continue Mise1
  wait_window level1 >/dev/null
  wait_gone Mise1
}

# Empties the magazine of level1: ten shots, then the reload screen is up and gone within three seconds,
# and the level takes shots again.
empty_and_reload_level1() {
  for _ in 1 2 3 4 5 6 7 8 9; do shoot_level1; done
  level1_miss
  wait_window nabíjení 2 >/dev/null
  wait_gone nabíjení 4
  shoot_level1
}

# The common road of a case: the menu, the first level, a whole magazine and its reload, the "X".
play_level1_and_exit() {
  to_level1
  empty_and_reload_level1
  level1_exit
  expect_exit 0
}

# start_heard DIR: starts the game in DIR with SDL's disk driver for a sound card: what plays goes to a file.
start_heard() { start_game "$1" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$1/sound.raw" SDL_DISKAUDIODELAY=5; }
heard_something() { [ -s "$1/sound.raw" ] && [ "$(tr -d '\0' <"$1/sound.raw" | head -c 1 | wc -c)" -gt 0 ]; }

# ---- sound files of every kind ----

# write_wav FILE TAG CHANNELS RATE BITS SECONDS: a WAV of a steady loud pattern in that format.
le16() { printf '%b' "$(printf '\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $((($1 >> 16) & 65535)); }
write_wav() {
  local file=$1 tag=$2 channels=$3 rate=$4 bits=$5 seconds=$6
  local block=$((channels * bits / 8))
  local bytes=$((rate * block * seconds))
  {
    printf 'RIFF'; le32 $((36 + bytes)); printf 'WAVEfmt '; le32 16
    le16 "$tag"; le16 "$channels"; le32 "$rate"; le32 $((rate * block)); le16 "$block"; le16 "$bits"
    printf 'data'; le32 "$bytes"
    # 0x40 repeated is a loud value in every one of these formats (as a float about 3.0, clipped).
    head -c "$bytes" /dev/zero | tr '\0' '\100'
  } >"$file"
}

# sound_files DIR KIND: replaces all four sound files of the game in DIR/data with files of one kind.
sound_files() {
  local dir=$1 kind=$2 name
  for name in vystrel vystrel2 vystrel3 reload; do
    local file="$dir/data/$name.wav"
    case $kind in
      missing) rm -f "$file" ;;
      empty) : >"$file" ;;
      truncated) head -c 300 "$DATA/$name.wav" >"$file" ;;
      garbage) head -c 8192 /dev/urandom >"$file" ;;
      huge) head -c 44 "$DATA/$name.wav" >"$file" && truncate -s 100M "$file" ;;
      8bit) write_wav "$file" 1 1 22050 8 1 ;;
      stereo22k) write_wav "$file" 1 2 22050 16 1 ;;
      float) write_wav "$file" 3 2 48000 32 1 ;;
      *) fail "no kind of sound file $kind" ;;
    esac
  done
}

# ---- the cases ----

case_no_display() {
  local dir status=0
  dir=$(game_folder no-display)
  (cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$VARGO" >"$dir/stdout" 2>"$dir/stderr") || status=$?
  [ "$status" -eq 1 ] || fail "status $status without a display, not 1"
  [ "$(wc -l <"$dir/stderr")" -eq 1 ] || fail "not one line on stderr: $(cat "$dir/stderr")"
  grep -q '^vargo: no display' "$dir/stderr" || fail "unclear message: $(cat "$dir/stderr")"
  note "$(cat "$dir/stderr")"
}

case_no_audio() {
  local dir
  dir=$(game_folder no-audio)
  start_x
  start_game "$dir" SDL_AUDIODRIVER=no-such-device
  play_level1_and_exit
}

case_no_data() {
  local dir="$WORK/no-data"
  mkdir -p "$dir"
  start_x
  start_heard "$dir"
  play_level1_and_exit
  ! heard_something "$dir" || fail "sound without any sound file"
}

# Broken files play nothing; the game goes on.
silent_sound_case() {
  local dir
  dir=$(game_folder "$1")
  sound_files "$dir" "$1"
  start_x
  start_heard "$dir"
  play_level1_and_exit
  ! heard_something "$dir" || fail "a $1 sound file made a sound"
}

# Odd but sound formats play.
playing_sound_case() {
  local dir
  dir=$(game_folder "$1")
  sound_files "$dir" "$1"
  start_x
  start_heard "$dir"
  to_level1
  shoot_level1
  wait_for 3 "the shot to be heard" heard_something "$dir"
  empty_and_reload_level1
  level1_exit
  expect_exit 0
}

# A 100 MB shot sound must not freeze the level: every shot shows on the magazine (how fast is bench/'s).
case_wav_huge() {
  local dir before start elapsed
  dir=$(game_folder huge)
  sound_files "$dir" huge
  start_x
  start_heard "$dir"
  to_level1
  for _ in 1 2 3 4 5; do
    before=$(level1_magazine)
    start=$(date +%s%N)
    level1_miss
    wait_change level1 528 280 33 25 "$before" 2
    elapsed=$((($(date +%s%N) - start) / 1000000))
    note "shot shown after ${elapsed} ms (with looking at the screen)"
  done
  level1_exit
  expect_exit 0
}

# A launcher that closes stderr: the game must not write its lines into the display's connection, which
# would hang it. No sound device and no fonts, so that it has lines to say.
case_stderr_closed() {
  local dir
  dir=$(game_folder stderr-closed)
  printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$WORK/fonts.conf"
  start_x
  (cd "$dir" && exec env SDL_AUDIODRIVER=no-such-device FONTCONFIG_FILE="$WORK/fonts.conf" \
    FONTCONFIG_PATH="$WORK" "$VARGO" >"$dir/stdout" 2>&-) &
  GAME_PID=$!
  wait_window Vargo1 10 >/dev/null
  menu_quit
  expect_exit 0
}

# A sound file within the limits whose decoding needs more memory than there is: the first shot stays
# silent, one line says why, and the game plays on.
case_wav_out_of_memory() {
  local dir
  dir=$(game_folder out-of-memory)
  write_wav "$dir/data/vystrel.wav" 3 2 48000 32 21
  start_x
  ulimit -S -v 61440
  start_heard "$dir"
  ulimit -S -v unlimited
  to_level1
  shoot_level1
  shoot_level1
  expect_running "after shots whose sound did not fit in memory"
  level1_exit
  expect_exit 0
  [ "$(grep -c '^vargo: data/vystrel.wav' "$dir/stderr")" -eq 1 ] || fail "not one line: $(cat "$dir/stderr")"
  note "$(grep '^vargo: data/vystrel.wav' "$dir/stderr")"
}

case_no_font() {
  local dir
  dir=$(game_folder no-font)
  printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$WORK/fonts.conf"
  start_x
  start_game "$dir" FONTCONFIG_FILE="$WORK/fonts.conf" FONTCONFIG_PATH="$WORK"
  to_level1
  level1_miss
  sleep 0.3
  expect_running "after a shot without fonts"
  level1_exit
  expect_exit 0
  [ "$(grep -c '^vargo:.*font' "$GAME_DIR/stderr" || true)" -le 1 ] || fail "more than one line about fonts"
  note "$(grep '^vargo:.*font' "$GAME_DIR/stderr" || echo 'no message')"
}

start_menu() {
  local dir
  dir=$(game_folder "$1")
  start_x
  start_heard "$dir"
  wait_window Vargo1 10 >/dev/null
}

case_close_menu() {
  start_menu close-menu
  close_request Vargo1
  expect_exit 0
}

# The credits box is modal: a close request for the menu waits until the box is gone, then ends the game.
# The box is SDL's own window, named in UTF-8, which only xwininfo finds by its name.
credits_box() { xwininfo -root -children | awk '/"CREDITS"/ {print $1; exit}' | grep .; }
credits_shown() { credits_box >/dev/null; }

case_close_menu_under_credits() {
  local box
  start_menu close-credits
  menu_credits
  wait_for 5 "the credits box" credits_shown
  box=$(credits_box)
  close_request Vargo1
  sleep 0.3
  expect_running "the menu closed under its modal box"
  shown Vargo1 || fail "the menu went away under its modal box"
  "$CLOSE_REQUEST" "$box"
  expect_exit 0
}

no_credits_box() { ! credits_shown || { echo "the credits box still open" && false; }; }

# A quit signal ends the game at once with status 0, on the menu as under its modal credits box, and takes
# the box with it.
case_quit_signals() {
  local signal
  start_x
  for signal in TERM INT; do
    start_heard "$(game_folder "menu-$signal")"
    wait_window Vargo1 10 >/dev/null
    kill -"$signal" "$GAME_PID"
    expect_exit 0 1
    start_heard "$(game_folder "credits-$signal")"
    wait_window Vargo1 10 >/dev/null
    menu_credits
    wait_for 5 "the credits box" credits_shown
    kill -"$signal" "$GAME_PID"
    expect_exit 0 1
    wait_for 1 "the credits box to go with the game" no_credits_box
  done
}

# What the game says on stderr is its own: ALSA finds no sound card quietly, and a display that goes away
# while the credits box is open ends the game with one line, not a paragraph from each of its connections.
case_display_lost() {
  local dir
  dir=$(game_folder display-lost)
  start_x
  start_game "$dir" SDL_AUDIODRIVER=alsa AUDIODEV=no-such-card
  wait_window Vargo1 10 >/dev/null
  menu_credits
  wait_for 5 "the credits box" credits_shown
  kill "$XVFB_PID"
  expect_exit 1
  ! grep -v '^vargo: ' "$dir/stderr" || fail "lines not the game's own on stderr"
  [ -z "$(sort "$dir/stderr" | uniq -d)" ] || fail "a line said twice: $(sort "$dir/stderr" | uniq -d)"
  grep -q '^vargo: .*display' "$dir/stderr" || fail "nothing said about the display: $(cat "$dir/stderr")"
  note "$(cat "$dir/stderr")"
}

case_close_briefing() {
  start_menu close-briefing
  menu_new_game
  close_request Mise1
  expect_exit 0
}

case_close_level() {
  start_menu close-level
  to_level1
  level1_miss
  close_request level1
  expect_exit 0
}

# Closing the reload screen finishes the reload at once: the level takes shots again.
case_close_reload() {
  start_menu close-reload
  to_level1
  for _ in 1 2 3 4 5 6 7 8 9; do shoot_level1; done
  level1_miss
  wait_window nabíjení 2 >/dev/null
  close_request nabíjení
  wait_gone nabíjení 1
  shoot_level1
  close_request level1
  expect_exit 0
}

# Closing the level mid-reload leaves the reload screen alone; when it closes itself nothing is left.
case_close_level_mid_reload() {
  start_menu close-mid-reload
  to_level1
  for _ in 1 2 3 4 5 6 7 8 9 10; do level1_miss; done
  wait_window nabíjení 2 >/dev/null
  close_request level1
  wait_gone level1 2
  expect_running "the reload screen is still up"
  expect_exit 0 4
}

case_close_about() {
  start_menu close-about
  menu_about
  close_request About
  expect_exit 0
}

case_close_uniforma() {
  start_menu close-uniforma
  menu_about
  about_uniforma
  close_request Uniforma
  expect_exit 0
}

# akce over About: closing akce leaves About; closing About first leaves akce.
case_close_akce_over_about() {
  start_menu close-akce
  menu_about
  about_akce
  close_request akce
  wait_gone akce
  expect_running "About is still up"
  about_akce
  close_request About
  wait_gone About
  expect_running "akce is still up"
  akce_ok
  expect_exit 0
}

# akce behind the menu: closing the menu leaves akce, whose "OK" then ends the game.
case_close_menu_over_akce() {
  start_menu close-menu-akce
  menu_about
  about_akce
  about_ok
  wait_window Vargo1 >/dev/null
  close_request Vargo1
  wait_gone Vargo1
  expect_running "akce is still up"
  close_request akce
  expect_exit 0
}

case $CASE in
  no_display | no_audio | no_data | no_font | wav_huge | wav_out_of_memory | stderr_closed) "case_$CASE" ;;
  wav_missing | wav_empty | wav_truncated | wav_garbage) silent_sound_case "${CASE#wav_}" ;;
  wav_8bit | wav_stereo22k | wav_float) playing_sound_case "${CASE#wav_}" ;;
  close_* | quit_signals | display_lost) "case_$CASE" ;;
  *) fail "no fault case $CASE" ;;
esac
echo "PASS: $CASE"
