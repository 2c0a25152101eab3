#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and tests it as a player would get it: runs lintian on it, unpacks it into a
# scratch root, checks the installed files, the launcher, the icons, the metainfo (with their
# validators), the manual page and the command line, then starts the installed game under Xvfb from the
# working directory its launcher sets, clicks through the menu and the first briefing into level 1, fires
# one shot, checks that the shot was heard and leaves by the "X".
#
#   bash tools/ci/package.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=build/package

# Every path the package installs, with its mode; nothing else may be in it.
expected_files="\
-rwxr-xr-x ./usr/games/vargo
-rw-r--r-- ./usr/share/applications/org.example.vargo.desktop
-rw-r--r-- ./usr/share/doc/vargo/changelog.Debian.gz
-rw-r--r-- ./usr/share/doc/vargo/copyright
-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/16x16/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/24x24/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/32x32/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/64x64/apps/vargo.png
-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/vargo.svg
-rw-r--r-- ./usr/share/lintian/overrides/vargo
-rw-r--r-- ./usr/share/man/man6/vargo.6.gz
-rw-r--r-- ./usr/share/metainfo/org.example.vargo.metainfo.xml
-rw-r--r-- ./usr/share/vargo/data/reload.wav
-rw-r--r-- ./usr/share/vargo/data/vystrel.wav
-rw-r--r-- ./usr/share/vargo/data/vystrel2.wav
-rw-r--r-- ./usr/share/vargo/data/vystrel3.wav"
# The pictures at scales 2 to 4: one PNG for each drawing of resources/images.
for k in 2 3 4; do
  for svg in resources/images/*.svg; do
    expected_files+=$'\n'"-rw-r--r-- ./usr/share/vargo/images/${k}x/$(basename "$svg" .svg).png"
  done
done
expected_files=$(LC_ALL=C sort -k2 <<<"$expected_files")
sounds=(vystrel.wav vystrel2.wav vystrel3.wav reload.wav)
runtime_depends=(libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 libfontconfig1 fonts-liberation2)
icon_sizes=(16 24 32 48 64 128 256)
game=usr/games/vargo
launcher=usr/share/applications/org.example.vargo.desktop
metainfo=usr/share/metainfo/org.example.vargo.metainfo.xml
manual=usr/share/man/man6/vargo.6.gz

# Where the clicks land, in client pixels of each window (centres of the areas the screens define).
menu_new_game=(228 178)   # "Nová hra" image area 116, 148, 225 x 61 of Vargo1
mise1_continue=(678 438)  # continue area 654, 420, 49 x 37 of Mise1
level1_surface=(210 40)   # open sky of level 1 between its side strips: a miss
level1_exit=(588 6)       # the "X" label 582, 0, 13 x 13 of level 1
window_wait_seconds=30    # a busy machine may take its time to start the game
reading_seconds=7         # time on the briefing, more than the game's audio idle time

fail() {
  echo "package test: $*" >&2
  exit 1
}

step() {
  echo "== $*"
}

# ---------------------------------------------------------------- build

# Built with Debian's hardening flags, as a Debian package build would be: the source tree $1 in its build
# folder $2, where cpack leaves the package.
build_package() {
  local source=$1 build=$2
  (
    cd "$source"
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARGO_WERROR=ON -DVARGO_TESTS=OFF \
      -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
    cmake --build "$build"
    rm -f "$build"/vargo_*.deb
    cd "$build" && cpack -G DEB >/dev/null
  )
}

# The package cpack made in the build folder $1.
package_in() {
  local debs=("$1"/vargo_*.deb)
  [ -f "${debs[0]}" ] || fail "cpack made no package in $1"
  echo "${debs[0]}"
}

# What tells two packages apart: their files with modes, owners and dates, and their files' checksums.
package_listing() {
  dpkg-deb -c "$1"
  dpkg-deb --ctrl-tarfile "$1" | tar -xO ./md5sums
}

# The same tree, copied to another path and built there under umask 077, gives the same package bit for
# bit: no folder's mode follows the umask, no path of the build is left in it, and every file is dated by
# the last commit. The copy keeps .git, so its build finds the same commit.
check_reproducible() {
  local copy=$scratch/elsewhere/vargo again
  mkdir -p "$copy"
  tar -c --exclude=./build . | tar -x -C "$copy"
  (umask 077 && build_package "$copy" "$build_dir")
  again=$(package_in "$copy/$build_dir")
  if ! cmp -s "$deb" "$again"; then
    diff <(package_listing "$deb") <(package_listing "$again") >&2 || true
    fail "$again, built under umask 077, differs from $deb (diff above: < here, > there)"
  fi
  echo "built again in $copy under umask 077: the same $(basename "$deb"), $(stat -c %s "$deb") bytes"
}

# ---------------------------------------------------------------- the package itself

control_field() {
  dpkg-deb -f "$deb" "$1"
}

check_control() {
  [ "$(control_field Package)" = vargo ] || fail "package name is $(control_field Package)"
  [ "$(control_field Section)" = games ] || fail "section is $(control_field Section)"
  [ "$(control_field Maintainer)" = "vargo dev <dev@vargo.example>" ] ||
    fail "maintainer is $(control_field Maintainer)"
  local depends
  depends=$(control_field Depends)
  for p in "${runtime_depends[@]}"; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
  done
  echo "Depends: $depends"
  local logged
  logged=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/vargo/changelog.Debian.gz | gzip -dc |
    sed -n '1s/^vargo (\([^)]*\)).*/\1/p')
  [ "$logged" = "$(control_field Version)" ] ||
    fail "the changelog's first entry is version '$logged', the package $(control_field Version)"
}

# Every file of the package is dated by SOURCE_DATE_EPOCH, which is the last commit's time unless it was
# set before.
check_dates() {
  local epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)} dates
  dates=$(TZ=UTC dpkg-deb -c "$deb" | awk '{ print $4, $5 }' | sort -u)
  [ "$dates" = "$(date -u -d "@$epoch" '+%F %R')" ] ||
    fail "the package's files are dated $dates, not by SOURCE_DATE_EPOCH $epoch ($(date -u -d "@$epoch"))"
  echo "every file dated $dates UTC, SOURCE_DATE_EPOCH $epoch"
}

# lintian must find no error and no warning; what it still reports without one is overridden in
# packaging/lintian-overrides with the reason.
run_lintian() {
  local out
  out=$(lintian --info --show-overrides "$deb" 2>&1 | grep -v 'running with root privileges') || true
  if grep -E '^[EW]:' <<<"$out"; then
    echo "$out" >&2
    fail "lintian reports the errors or warnings above"
  fi
  echo "lintian: no error, no warning${out:+; it says:}"
  grep -E '^[A-Z]:' <<<"$out" || true
}

check_contents() {
  local listing
  listing=$(dpkg-deb -c "$deb")
  if grep -v ' root/root ' <<<"$listing"; then
    fail "entries above are not owned by root"
  fi
  if grep '^d' <<<"$listing" | grep -v '^drwxr-xr-x'; then
    fail "directories above are not 755"
  fi
  local files
  files=$(grep -v '^d' <<<"$listing" | awk '{print $1, $6}' | LC_ALL=C sort -k2)
  if [ "$files" != "$expected_files" ]; then
    diff <(echo "$expected_files") <(echo "$files") >&2 || true
    fail "the package holds other files than expected (diff above: < expected, > packaged)"
  fi
  echo "$files"
}

# ---------------------------------------------------------------- the unpacked installation

desktop_key() {
  sed -n "s/^$1=//p" "$root/$launcher"
}

check_launcher() {
  [ "$(desktop_key Exec)" = "/$game" ] || fail "launcher Exec= is '$(desktop_key Exec)'"
  [ "$(desktop_key Path)" = /usr/share/vargo ] || fail "launcher Path= is '$(desktop_key Path)'"
  [ "$(desktop_key Name)" = Vargo ] || fail "launcher Name= is '$(desktop_key Name)'"
  [ -n "$(desktop_key 'Comment\[cs\]')" ] || fail "launcher has no Czech comment"
  local icon
  icon=$(desktop_key Icon)
  for size in "${icon_sizes[@]}"; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" | grep -q "PNG image data, $size x $size" ||
      fail "no ${size}x$size PNG icon named $icon"
  done
  grep -q '<svg' "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon $icon"
  for s in "${sounds[@]}"; do
    cmp -s "data/$s" "$root$(desktop_key Path)/data/$s" || fail "installed data/$s differs from data/$s"
  done
  grep -q "<launchable type=\"desktop-id\">$(basename "$launcher")</launchable>" "$root/$metainfo" ||
    fail "the metainfo does not name the launcher $(basename "$launcher")"
}

# Both validators must find no error and no warning; notes and hints are shown but allowed.
validate() {
  local out
  out=$(desktop-file-validate "$root/$launcher" 2>&1) || fail "desktop-file-validate: $out"
  if grep -Ei '(error|warning):' <<<"$out"; then
    fail "desktop-file-validate complains"
  fi
  echo "desktop-file-validate $launcher: clean${out:+ ($out)}"
  out=$(appstreamcli validate --no-net "$root/$metainfo" 2>&1) || fail "appstreamcli validate: $out"
  if grep -E '^(E|W):' <<<"$out"; then
    fail "appstreamcli validate complains"
  fi
  echo "appstreamcli validate --no-net $metainfo:"
  echo "$out"
}

# The copyright file names both licences and carries the text of the one Debian does not ship.
check_copyright() {
  local copyright=$root/usr/share/doc/vargo/copyright
  grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file has no GPL-3+ licence"
  grep -q '/usr/share/common-licenses/GPL-3' "$copyright" || fail "the copyright file does not point to GPL-3"
  grep -q 'Attribution-ShareAlike 4.0 International Public License' "$copyright" ||
    fail "the copyright file lacks the CC-BY-SA-4.0 text"
}

check_libraries() {
  if ldd "$root/$game" | grep 'not found'; then
    fail "the installed game misses the libraries above"
  fi
}

# One section of a formatted manual page $1, from its heading $2 to the next heading.
man_section() {
  awk -v heading="$2" '/^[A-Z]/ { on = ($0 == heading) } on' <<<"$1"
}

# The installed game answers its command line without a display: --help lists the options, each of which
# the manual page describes; a wrong option ends it with status 2. The manual page formats without a
# warning.
check_command_line() {
  local help status=0
  help=$(env -u DISPLAY "$root/$game" --help) || fail "vargo --help failed"
  env -u DISPLAY "$root/$game" --no-such-option >/dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] || fail "vargo --no-such-option ended with status $status, not 2"
  local page warnings
  page=$(MANWIDTH=80 man -l "$root/$manual" 2>/dev/null) || fail "man cannot show $manual"
  warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$root/$manual" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
  local options
  options=$(grep -oE '^  --[a-z-]+' <<<"$help" | tr -d ' ')
  [ -n "$options" ] || fail "vargo --help lists no option: $help"
  for o in $options; do
    grep -qe "$o" <<<"$page" || fail "the manual page does not describe $o"
  done
  echo "vargo --help lists ${options//$'\n'/ } and the manual page describes them"
  for heading in BUGS AUTHORS 'SEE ALSO'; do
    [ -n "$(man_section "$page" "$heading")" ] || fail "the manual page has no $heading"
  done
  local contact mail
  contact=$(sed -n 's/^Upstream-Contact: //p' "$root/usr/share/doc/vargo/copyright")
  mail=${contact##*<}
  mail=${mail%>}
  grep -qF "$mail" <<<"$(man_section "$page" BUGS)" ||
    fail "the manual page's BUGS does not name $mail, the copyright's Upstream-Contact"
  echo "the manual page has BUGS (to $mail), AUTHORS and SEE ALSO"
}

# cmake --install to another prefix puts the game in bin/ and writes the launcher for that prefix; the
# files only the Debian package has stay out.
check_prefix_install() {
  local prefix=$scratch/prefix
  cmake --install "$build_dir" --prefix "$prefix" >/dev/null
  local written=$prefix/share/applications/${launcher##*/}
  [ -x "$prefix/bin/vargo" ] || fail "no $prefix/bin/vargo"
  grep -qx "Exec=$prefix/bin/vargo" "$written" || fail "launcher in $prefix: $(grep Exec= "$written")"
  grep -qx "Path=$prefix/share/vargo" "$written" || fail "launcher in $prefix: $(grep Path= "$written")"
  [ -f "$prefix/share/vargo/data/reload.wav" ] || fail "no sounds in $prefix/share/vargo/data"
  [ -f "$prefix/share/man/man6/vargo.6.gz" ] || fail "no manual page in $prefix"
  for only_debian in games share/doc/vargo/changelog.Debian.gz share/lintian; do
    [ ! -e "$prefix/$only_debian" ] || fail "cmake --install wrote $only_debian, which only the package has"
  done
  echo "cmake --install --prefix $prefix: launcher starts $prefix/bin/vargo in $prefix/share/vargo"
}

# ---------------------------------------------------------------- playing the installed game

# A window's size as WIDTHxHEIGHT; empty when it is gone.
window_size() {
  xdotool getwindowgeometry --shell "$1" 2>/dev/null |
    awk -F= '$1 == "WIDTH" { w = $2 } $1 == "HEIGHT" { h = $2 } END { if (w) print w "x" h }'
}

# Waits for a visible window of the given title and client size and prints its id.
wait_window() {
  local title=$1 size=$2
  local deadline=$((SECONDS + window_wait_seconds))
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$game" 2>/dev/null || fail "the game stopped before '$title' came up: $(cat "$scratch/game.log")"
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      if [ "$(window_size "$id")" = "$size" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no window '$title' of $size appeared"
}

click() {
  local window=$1 x=$2 y=$3
  xdotool mousemove --window "$window" "$x" "$y" click 1
}

# Bytes of the disk audio file that are not zero (S16 silence is zero). SDL's disk driver writes the
# device's output in real time, silence included, and starts the file afresh whenever the game opens its
# audio device again (it closes it after a few idle seconds).
sound_bytes() {
  tr -d '\0' <"$audio" | wc -c
}

# Runs under Xvfb: the game from the installed files, in the folder the launcher names.
play_installed() {
  local exe dir
  exe=$root$(desktop_key Exec)
  dir=$root$(desktop_key Path)
  (cd "$dir" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" exec "$exe") 2>"$scratch/game.log" &
  game=$!
  trap '[ -z "${game:-}" ] || { kill "$game" && wait "$game"; } 2>/dev/null || true' EXIT

  local menu mise1 level1
  menu=$(wait_window "Vargo - Tarnok" 459x469)
  [ -f "$audio" ] || fail "the game opened no disk audio device"
  click "$menu" "${menu_new_game[@]}"
  mise1=$(wait_window Form2 708x461)
  # Read the diary for a while, as a player does: long enough for the idle audio device to close, so
  # the shot has to open it again.
  sleep "$reading_seconds"
  click "$mise1" "${mise1_continue[@]}"
  level1=$(wait_window Form1 599x321)
  echo "menu, briefing and level 1 came up"

  sleep 0.5
  [ "$(sound_bytes)" -eq 0 ] || fail "something was heard before the first shot"
  click "$level1" "${level1_surface[@]}"
  sleep 1
  local heard
  heard=$(sound_bytes)
  [ "$heard" -gt 1000 ] || fail "the shot was not heard ($heard bytes of sound in the audio file)"
  echo "the shot was heard: the audio file grew by $heard bytes of sound"

  click "$level1" "${level1_exit[@]}"
  local status=0
  timeout 10 tail --pid="$game" -f /dev/null || fail "the game did not end after its X was clicked"
  wait "$game" || status=$?
  game=
  [ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$scratch/game.log")"
  echo "the X ended the game"
}

# ---------------------------------------------------------------- main

if [ "${1:-}" = --play ]; then
  root=$2 scratch=$3 audio=$3/audio.raw
  play_installed
  exit 0
fi

# shellcheck source=tools/packages.sh
source tools/packages.sh
install_missing g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev \
  libfontconfig-dev librsvg2-bin fonts-liberation2 dpkg-dev file desktop-file-utils appstream lintian \
  man-db xvfb xauth xdotool

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

step "building the package"
build_package . "$build_dir"
deb=$(package_in "$build_dir")
echo "built $deb"
step "control fields and dates"
check_control
check_dates
step "lintian"
run_lintian
step "contents"
check_contents
step "building it again at another path"
check_reproducible
step "unpacking into $root"
dpkg-deb -x "$deb" "$root"
step "launcher, icon, sounds"
check_launcher
check_copyright
check_libraries
step "validators"
validate
step "command line and manual page"
check_command_line
step "installing to another prefix"
check_prefix_install
step "playing the installed game under Xvfb"
timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --play "$root" "$scratch"
step "package test passed"
