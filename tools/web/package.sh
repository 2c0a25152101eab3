#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out the browser release from a web build in one folder, ready for any static host: the page, the
# game's .js and .wasm, its data packages, the licences and the source, and the same files in
# vargo-<version>-web.zip beside them.
#
#   bash tools/web/package.sh BUILD_DIR DEPS_PREFIX OUT_DIR
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1
deps=$2
out=$3
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -rf "$out" && mkdir -p "$out/licences"
cp "$build"/site/* "$out/"

# The licences of everything in it: the game's own, the libraries linked in, the fonts and emscripten's
# runtime (its C and C++ libraries), as text files a browser shows.
cp COPYING "$out/licences/COPYING.txt"
cp COPYING.CC-BY-SA-4.0 "$out/licences/COPYING.CC-BY-SA-4.0.txt"
for dir in "$deps"/licences/*/; do
  cp "$dir/copyright" "$out/licences/$(basename "$dir").txt"
done
for package in fonts-liberation2 fonts-bebas-neue emscripten; do
  cp "/usr/share/doc/$package/copyright" "$out/licences/$package.txt"
done
{
  echo '<!DOCTYPE html><html lang="cs"><meta charset="utf-8"><title>vargo: licence</title><ul>'
  for f in "$out"/licences/*.txt; do
    echo "<li><a href=\"$(basename "$f")\">$(basename "$f" .txt)</a></li>"
  done
  echo '</ul></html>'
} >"$out/licences/index.html"

# The source the page was built from: the checkout's last commit.
git archive --format=tar.gz --prefix="vargo-$version/" -o "$out/vargo-$version-source.tar.gz" HEAD

zip="vargo-$version-web.zip"
(cd "$out" && zip -qr9 "$zip" . -x "$zip")
echo "$out/$zip"
