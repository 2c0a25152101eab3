# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real game under a private X server, the way a player would: windows found by their stored
# titles and sizes, clicks at positions of a window's client area, fingerprints of parts of a window, and
# the close request a window manager sends. Every wait has a deadline, so a game that hangs fails its test
# instead of stalling it. Sourced by the fault and end-to-end tests; the caller sets VARGO (the executable)
# and CLOSE_REQUEST (the helper that sends a window manager's close request).

set -euo pipefail

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vargo-session.XXXXXX")
XVFB_PID=
GAME_PID=
GAME_DIR=

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$GAME_DIR" ] && [ -s "$GAME_DIR/stderr" ]; then
    sed 's/^/  game said: /' "$GAME_DIR/stderr" >&2
  fi
  exit 1
}

note() { echo "-- $*"; }

cleanup() {
  if [ -n "$GAME_PID" ]; then kill -9 "$GAME_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it succeeds. SECONDS is how long it
# takes on an idle machine; the deadline, six times as long, only catches a game that hangs, so that a
# loaded machine does not fail the test. COMMAND prints what it saw, which a failure repeats.
wait_for() {
  local seconds=$1 what=$2 seen
  shift 2
  local deadline=$((SECONDS + 6 * seconds))
  until seen=$("$@" 2>&1); do
    [ "$SECONDS" -le "$deadline" ] || fail "waited $((6 * seconds)) s for $what; saw: ${seen:-nothing}"
    sleep 0.05
  done
}

# start_x [WIDTHxHEIGHT]: a private X server of that size (1280 × 1024 unless told) on a free display, with
# no window manager.
start_x() {
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  wait_for 10 "the X server" test -s "$WORK/display"
  DISPLAY=":$(head -n1 "$WORK/display")"
  export DISPLAY
}

# game_folder NAME: a fresh working directory for the game, holding a copy of the game's data/ folder.
game_folder() {
  local dir="$WORK/$1"
  mkdir -p "$dir"
  cp -r "$DATA" "$dir/data"
  echo "$dir"
}

# start_game DIR [VAR=value ...]: starts the game in DIR with extra environment; its stderr goes to
# DIR/stderr.
start_game() {
  GAME_DIR=$1
  shift
  (cd "$GAME_DIR" && exec env "$@" "$VARGO" >"$GAME_DIR/stdout" 2>"$GAME_DIR/stderr") &
  GAME_PID=$!
}

game_running() {
  local state
  state=$(ps -o stat= -p "$GAME_PID" 2>/dev/null || true)
  [ -n "$state" ] && [[ $state != Z* ]]
}
game_ended() { ! game_running; }

# expect_exit STATUS [SECONDS]: the game ends by itself within SECONDS with STATUS.
expect_exit() {
  local want=$1 within=${2:-5} status=0
  wait_for "$within" "the game to end" game_ended
  wait "$GAME_PID" || status=$?
  GAME_PID=
  [ "$status" -eq "$want" ] || fail "the game ended with status $status, not $want"
}

expect_running() {
  game_running || fail "the game ended: $*"
}

# The stored title and client size of each screen's window; several screens share a title.
screen_window() {
  case $1 in
    Vargo1) echo "Vargo - Tarnok|459|469" ;;
    Mise1) echo "Form2|708|461" ;;
    Mise2) echo "Form1|710|461" ;;
    About) echo "O Vargo|398|702" ;;
    Uniforma) echo "Form1|413|555" ;;
    akce) echo "Form1|845|733" ;;
    level1) echo "Form1|599|321" ;;
    nabíjení) echo "Form2|312|61" ;;
    *) fail "no window known for $1" ;;
  esac
}

window_size() { xwininfo -id "$1" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
window_position() {
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x "," y}'
}

# find_window KIND: the id of the shown window of that screen, if there is one.
find_window() {
  local title width height id
  IFS='|' read -r title width height <<<"$(screen_window "$1")"
  for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
    if [ "$(window_size "$id")" = "${width}x${height}" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

shown() { find_window "$1" >/dev/null || { echo "no window of $1" && false; }; }
gone() { ! find_window "$1" >/dev/null || { echo "the window of $1 still open" && false; }; }

# wait_window KIND [SECONDS]: waits until the screen's window is shown; prints its id.
wait_window() {
  wait_for "${2:-5}" "the window of $1" shown "$1"
  find_window "$1"
}

wait_gone() { wait_for "${2:-5}" "the window of $1 to close" gone "$1"; }

# click KIND X Y: a left click at a position of the screen's client area.
click() {
  local id
  id=$(wait_window "$1")
  xdotool mousemove --window "$id" "$2" "$3" sleep 0.02 click 1
}

# close_request KIND: the window manager's close request for the screen's window.
close_request() {
  "$CLOSE_REQUEST" "$(wait_window "$1")" || fail "could not send a close request to $1"
}

# region KIND X Y W H: a fingerprint of that part of the screen's window as it is on the display.
region() {
  local id
  id=$(wait_window "$1")
  import -window "$id" -crop "${4}x${5}+${2}+${3}" -depth 8 rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

# wait_change KIND X Y W H FINGERPRINT [SECONDS]: waits until that part of the window looks different.
changed() {
  local now
  now=$(region "$1" "$2" "$3" "$4" "$5")
  [ "$now" != "$6" ] || { echo "the ${4}x${5} area unchanged (fingerprint $now)" && false; }
}
wait_change() { wait_for "${7:-5}" "$1 to change at $2,$3" changed "$@"; }
