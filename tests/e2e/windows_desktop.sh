#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows release under wine where only a desktop shows the answer: --help or --version started by
# Windows' shell, with no console, shows its text in a box that "OK" closes; and the silent uninstaller,
# started while the installed game runs, ends with status 2 and removes nothing, as the silent setup ends
# then, and the uninstaller asked says so and goes on once the game is closed; and the setup's first page, the GPL to read, which asks the player to agree to nothing.
#
#   windows_desktop.sh asked_alone VARGO_EXE OPTION
#   windows_desktop.sh uninstall_running VARGO_EXE UNINSTALLER SETUP
#   windows_desktop.sh setup_licence - SETUP
# The wine prefix is the caller's ($WINEPREFIX).

ROAD=$1
EXE=$2
VARGO=$(cd "$(dirname "$0")/../../tools/windows" && pwd)/wine_game.sh
source "$(dirname "$0")/../fault/session.sh"

# shows TRACE TEXT: wine's trace of the windows' texts holds TEXT at the start of one of them.
shows() {
  grep -aqF "set_window_text L\"$2" "$1" || { echo "$(grep -ac set_window_text "$1") other texts" && false; }
}
box() { xdotool search --onlyvisible --name '^vargo$' 2>/dev/null | head -1 | grep . || { echo "no box" && false; }; }

# The box shows what the option prints to a console: its first line, as wine's trace writes it.
road_asked_alone() {
  local option=$1 first trace=$WORK/trace
  first=$(wine "$EXE" "$option" | head -n1 | tr -d '\r')
  [ -n "$first" ] || fail "$option printed nothing to its redirected output"
  start_x
  wineserver -k 2>/dev/null && wineserver -w || true
  WINEDEBUG=trace+win wine start /wait /unix "$EXE" "$option" 2>"$trace" &
  GAME_PID=$!
  note "$option without a console: a box showing \"$first\""
  wait_for 5 "a box showing \"$first\"" shows "$trace" "$first\\n"
  wait_for 2 "the box's window" box
  xdotool key --window "$(box)" Return 2>/dev/null
  expect_exit 0 2
  wineserver -w
}

road_uninstall_running() {
  local uninstaller=$1 setup=$2 folder before asked status=0
  folder=$(dirname "$EXE")
  before=$(find "$folder" | sort)
  start_x
  mkdir -p "$WORK/run"
  start_game "$WORK/run" SDL_AUDIODRIVER=dummy VARGO_EXE="$EXE"
  wait_window Vargo1 10 >/dev/null
  note "the silent uninstaller while the game runs: status 2, nothing removed"
  wine "$uninstaller" /S "_?=$(winepath -w "$folder")" || status=$?
  [ "$status" -eq 2 ] || fail "the uninstaller ended with status $status, not 2, while the game ran"
  [ "$(find "$folder" | sort)" = "$before" ] ||
    fail "the uninstaller removed $(comm -23 <(echo "$before") <(find "$folder" | sort) | head -3)"
  note "the silent setup while the game runs: status 2"
  status=0
  wine "$setup" /S "/D=$(winepath -w "$folder")" || status=$?
  [ "$status" -eq 2 ] || fail "the setup ended with status $status, not 2, while the game ran"
  note "the uninstaller asked while the game runs: it says so, and its Retry after KONEC goes on"
  WINEDEBUG=trace+win wine "$uninstaller" "_?=$(winepath -w "$folder")" 2>"$WORK/trace" &
  asked=$!
  wait_for 5 "the uninstaller to say that the game runs" shows "$WORK/trace" 'Hra vargo b\011b\017e\00ed.'
  click Vargo1 228 376 # KONEC
  expect_exit 0
  xdotool key --window "$(xdotool search --name '^Odinstalace vargo' | head -n1)" Return 2>/dev/null
  wait_for 5 "the uninstaller's next page after Retry" shows "$WORK/trace" '&Odinstalovat"'
  wineserver -k && wineserver -w
  wait "$asked" || true
}

# The texts that the setup's first page sets, read from wine's trace: the licence's header, and "Další" on
# the button that goes on; no word of agreeing.
road_setup_licence() {
  local setup=$1 trace=$WORK/trace
  start_x
  wineserver -k 2>/dev/null && wineserver -w || true
  WINEDEBUG=trace+win wine "$setup" 2>"$trace" &
  wait_for 10 "the setup's licence page" shows "$trace" 'Licence"'
  shows "$trace" '&Dal\0161\00ed >"' >/dev/null || fail "the licence page's button does not read Další"
  ! grep -aiF 'souhl' "$trace" || fail "the licence page asks the player to agree"
  wineserver -k && wineserver -w
}

case $ROAD in
  asked_alone | uninstall_running | setup_licence) "road_$ROAD" "${@:3}" ;;
  *) fail "no road $ROAD" ;;
esac
echo "PASS: $ROAD"
