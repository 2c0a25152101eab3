#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the pictures of one scale for the page, each reduced to a palette of at most 256 colours where
# pngquant finds one that keeps quality 85 or better: about half the bytes to download, the same to the
# eye. A picture that no palette keeps so is copied as it is.
#
#   bash tools/web/quantise.sh IN_DIR OUT_DIR
set -euo pipefail
in=$1
out=$2
rm -rf "$out" && mkdir -p "$out"
for png in "$in"/*.png; do
  pngquant --quality=85-100 --strip --output "$out/$(basename "$png")" -- "$png" || cp "$png" "$out/"
done
