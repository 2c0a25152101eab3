#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lays out the Windows release from a win64 build and writes its two files into the build folder:
#   vargo-<version>-win64.zip    portable: unzip anywhere, double-click vargo.exe
#   vargo-<version>-setup.exe    installs it under Program Files (packaging/windows/vargo.nsi)
#
#   bash tools/windows/package.sh BUILD_DIR DEPS_PREFIX
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1
deps=$2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=vargo-$version-win64
stage=$build/dist/$name
rm -rf "$stage" && mkdir -p "$stage/data" "$stage/images" "$stage/licences"

x86_64-w64-mingw32-strip -o "$stage/vargo.exe" "$build/vargo.exe"
cp data/*.wav "$stage/data/"
cp -r "$build"/images/[0-9]x "$stage/images/"
cp -r "$build/fonts" "$stage/"

# The licences of everything in it: the game's own, the libraries linked in, the fonts and the runtime.
cp COPYING "$stage/licences/COPYING.txt"
cp COPYING.CC-BY-SA-4.0 "$stage/licences/COPYING.CC-BY-SA-4.0.txt"
for dir in "$deps"/licences/*/; do
  cp "$dir/copyright" "$stage/licences/$(basename "$dir").txt"
done
for package in fonts-liberation2 fonts-bebas-neue libz-mingw-w64-dev mingw-w64-common gcc-mingw-w64-base; do
  cp "/usr/share/doc/$package/copyright" "$stage/licences/$package.txt"
done
# Windows' editors want CR LF.
sed -i 's/$/\r/' "$stage"/licences/*.txt

rm -f "$build/$name.zip"
(cd "$build/dist" && zip -qr9 "../$name.zip" "$name")
bash tools/windows/nsis_files.sh "$stage" "$build/dist/files.nsh"
makensis -V2 -DVERSION="$version" -DFILES="$PWD/$build/dist/files.nsh" -DICON="$PWD/$build/windows/vargo.ico" \
  -DLICENCE="$PWD/$stage/licences/COPYING.txt" -DOUTFILE="$PWD/$build/vargo-$version-setup.exe" \
  packaging/windows/vargo.nsi
echo "$build/$name.zip"
echo "$build/vargo-$version-setup.exe"
