#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out the pictures of one scale for the page in three folders, so that a player downloads one
# language's: common/ the pictures of both languages, cs/ the Czech drawings that have an English one
# beside them, en/ the English ones (<name>_en). With --palette each picture is reduced to a palette of at
# most 256 colours where pngquant finds one that keeps quality 85 or better (about half the bytes, the same
# to the eye); a picture that no palette keeps so is copied as it is.
#
#   bash tools/web/pictures.sh [--palette] IN_DIR OUT_DIR
set -euo pipefail
palette=false
if [ "$1" = --palette ]; then
  palette=true
  shift
fi
in=$1
out=$2
rm -rf "$out" && mkdir -p "$out/common" "$out/cs" "$out/en"
for png in "$in"/*.png; do
  name=$(basename "$png" .png)
  if [[ $name == *_en ]]; then
    part=en
  elif [ -f "$in/${name}_en.png" ]; then
    part=cs
  else
    part=common
  fi
  if $palette; then
    pngquant --quality=85-100 --strip --output "$out/$part/$name.png" -- "$png" || cp "$png" "$out/$part/"
  else
    cp "$png" "$out/$part/"
  fi
done
