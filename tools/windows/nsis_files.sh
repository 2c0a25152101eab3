#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the setup's list of files from the release's own folder: two NSIS macros, one that installs each
# file and one that removes exactly those files and then each of their folders, deepest first, if empty.
# So the uninstaller leaves whatever else the player keeps in the folder the game was installed into.
#
#   bash tools/windows/nsis_files.sh STAGE OUTPUT.nsh
set -euo pipefail
stage=$(cd "$1" && pwd)
out=$(realpath -m "$2")

cd "$stage"
# NSIS reads $ and quotes in a string: the release's names are plain, and any other is refused here.
if find . -mindepth 1 | grep -v '^[./A-Za-z0-9_+-]*$' >&2; then
  echo "nsis_files: the setup cannot list the names above" >&2
  exit 1
fi
mapfile -t files < <(find . -type f -printf '%P\n' | sort)
mapfile -t folders < <(find . -mindepth 1 -type d -printf '%P\n' | sort -r)
# A path below the release's folder as the setup names it: "." is the folder itself.
installed() {
  if [ "$1" = . ]; then echo '$INSTDIR'; else echo "\$INSTDIR\\${1//\//\\}"; fi
}

{
  echo "; Made by tools/windows/nsis_files.sh from the release's files."
  echo "!macro VARGO_INSTALL_FILES"
  for file in "${files[@]}"; do
    echo "  SetOutPath \"$(installed "$(dirname "$file")")\""
    echo "  File \"$stage/$file\""
  done
  echo "!macroend"
  echo "!macro VARGO_UNINSTALL_FILES"
  for file in "${files[@]}"; do echo "  Delete \"$(installed "$file")\""; done
  for folder in "${folders[@]}"; do echo "  RMDir \"$(installed "$folder")\""; done
  echo "!macroend"
} >"$out"
