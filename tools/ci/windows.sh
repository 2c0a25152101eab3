#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows release (bash tools/dev.sh windows) and tests it under wine: the unit tests of the
# win64 build, then vargo.exe from the zip unpacked into a folder named with Czech letters, inside Xvfb on
# the short road (menu, first briefing, level 1, one shot heard through SDL's disk audio, the X ends it
# with status 0), and again without data\, with a damaged WAV and without an audio device: the game plays
# on each time; --help and --version in a message box when started without a console. Then the setup,
# silent: its icon, the files, the Start-menu shortcut and the uninstall key, the installed game on the
# short road, and the silent uninstaller, which leaves none of them; again into a folder holding the
# player's own files, where a second run installs again, the uninstaller and the setup refuse while the
# game runs, and the uninstaller leaves the player's files alone. Last, the desktop's scale that Windows
# gives at 192 dpi.
#
#   bash tools/ci/windows.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/packages.sh
install_missing xvfb xauth xdotool x11-utils imagemagick unzip libgtest-dev
start=$SECONDS
bash tools/dev.sh windows
echo "windows: built in $((SECONDS - start)) s"

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
  echo "windows: FAIL: $*" >&2
  exit 1
}
# No menu entries for this machine's desktop from the shortcuts the setup makes.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" wineboot -i >/dev/null 2>&1

xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset win64 --parallel 2

# What the release must hold, below its folder.
shipped=(vargo.exe data/vystrel.wav data/vystrel2.wav data/vystrel3.wav data/reload.wav images/2x/menu.png
  images/3x/menu.png images/4x/menu.png images/2x/menu_en.png images/4x/level1_scene_en.png
  fonts/LiberationSans-Regular.ttf fonts/BebasNeue-Regular.otf licences/COPYING.txt licences/libsdl2.txt)
zip=$(ls build/win64/vargo-*-win64.zip)
mkdir -p "$work/Hry/Střelnice Vargo" && unzip -q "$zip" -d "$work/Hry/Střelnice Vargo"
release=$(ls -d "$work/Hry/Střelnice Vargo"/vargo-*-win64)
for file in "${shipped[@]}"; do [ -s "$release/$file" ] || fail "the zip lacks $file"; done
export VARGO_EXE=$release/vargo.exe
cmake --preset release >/dev/null && cmake --build --preset release --target close_request >/dev/null
play() { bash tests/e2e/play.sh short "$PWD/tools/windows/wine_game.sh" build/release/tests/fault/close_request "$@"; }
play "$PWD/data"
# Without data\ anywhere: neither in the working folder nor beside the game.
mkdir -p "$work/no_data" "$work/damaged"
cp -r "$release" "$work/bare" && rm -r "$work/bare/data"
VARGO_EXE=$work/bare/vargo.exe play "$work/no_data"
cp data/*.wav "$work/damaged/" && head -c 100 data/vystrel.wav >"$work/damaged/vystrel.wav"
play "$work/damaged" damaged
play "$PWD/data" none

# Started by Windows' shell, as from Explorer: no console, no stderr. --help and --version answer in a box
# and leave no log; an error goes into %LOCALAPPDATA%\vargo\vargo.log.
log="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/vargo/vargo.log"
desktop() { bash tests/e2e/windows_desktop.sh "$@"; }
desktop asked_alone "$VARGO_EXE" --version
desktop asked_alone "$VARGO_EXE" --help
[ ! -e "$log" ] || fail "a run that said nothing left $log"
status=0
wine start /wait /unix "$VARGO_EXE" --scale 9 || status=$?
[ "$status" -eq 2 ] || fail "--scale 9 ended with status $status, not 2"
grep -q "^vargo: the scale must be" "$log" || fail "the log of --scale 9 holds: $(cat "$log" 2>&1)"

# The setup and its uninstaller carry the game's icon: each image of vargo.ico lies in them as it is.
has_icon() {
  python3 - build/win64/windows/vargo.ico "$1" <<'END' || fail "$1 lacks the game's icon"
import struct, sys
icon, exe = (open(name, "rb").read() for name in sys.argv[1:])
(count,) = struct.unpack_from("<H", icon, 4)
for entry in range(count):
    size, offset = struct.unpack_from("<II", icon, 6 + 16 * entry + 8)
    if icon[offset:offset + size] not in exe:
        sys.exit(1)
END
}
setup=$(ls build/win64/vargo-*-setup.exe)
has_icon "$setup"
desktop setup_licence - "$setup"

# The setup, silent, into Program Files: the zip's files, a shortcut in every user's Start menu and the
# key of Windows' apps list; the installed game plays; the silent uninstaller takes all three away.
installed="$WINEPREFIX/drive_c/Program Files/vargo"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/vargo.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\vargo'
wine "$setup" /S && wineserver -w
diff -r --exclude=uninstall.exe "$release" "$installed" || fail "the setup installed other files than the zip"
[ -s "$installed/uninstall.exe" ] || fail "no uninstaller in $installed"
has_icon "$installed/uninstall.exe"
strings -a -el "$shortcut" | grep -qx 'C:\\Program Files\\vargo' ||
  fail "no Start-menu shortcut at $shortcut starting in the game's folder"
uninstall=$(wine reg query "$key" /v UninstallString) || fail "no uninstall key $key"
grep -qF 'C:\Program Files\vargo\uninstall.exe' <<<"$uninstall" || fail "the key uninstalls with $uninstall"
VARGO_EXE=$installed/vargo.exe play "$PWD/data"
wine "$installed/uninstall.exe" /S && wineserver -w
[ ! -e "$installed" ] || fail "the uninstaller left $(find "$installed")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the key $key"

# Into a folder that already holds the player's own files, one in each of the game's folders: a second
# run of the setup installs there again, not into Program Files; the uninstaller and the setup refuse
# while the game runs; then the uninstaller removes exactly what the setup wrote and the folders left empty.
hry="$WINEPREFIX/drive_c/Hry"
own=(poznámky.txt data/moje-uložená-hra.sav images/dovolená.png images/2x/náčrt.png fonts/oblíbené.ttf
  licences/moje.txt)
not_ours=()
for file in "${own[@]}"; do
  mkdir -p "$(dirname "$hry/$file")" && echo "the player's own" >"$hry/$file"
  not_ours+=("--exclude=$(basename "$file")")
done
wine "$setup" /S '/D=C:\Hry' && wineserver -w
wine "$setup" /S && wineserver -w
[ ! -e "$installed" ] || fail "a second run of the setup installed another copy into $installed"
diff -r --exclude=uninstall.exe "${not_ours[@]}" "$release" "$hry" ||
  fail "the setup installed other files into C:\Hry than the zip"
desktop uninstall_running "$hry/vargo.exe" "$hry/uninstall.exe" "$setup"
wine reg query "$key" >/dev/null 2>&1 || fail "the refused uninstaller removed the key $key"
wine "$hry/uninstall.exe" /S && wineserver -w
left=$(cd "$hry" && find . -type f -printf '%P\n' | sort)
[ "$left" = "$(printf '%s\n' "${own[@]}" | sort)" ] || fail "the uninstaller left in C:\Hry: $left"
for folder in images/3x images/4x; do [ ! -e "$hry/$folder" ] || fail "the uninstaller left $folder"; done
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the key $key"

# Windows' own scale: at 192 dpi the menu opens twice its size, with the pictures from the Czech folder.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null && wineserver -w
bash tests/e2e/scale.sh windows_dpi "$PWD/tools/windows/wine_game.sh" build/release/tests/fault/close_request \
  "$PWD/data" ""
echo "windows: release built and tested under wine in $((SECONDS - start)) s"
