#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the libraries vargo links on Windows (SDL2, SDL2_image, FreeType, SDL2_ttf) from Debian's
# own sources, the versions this machine has for Linux, into a cache folder keyed by those versions. A
# second run finds the folder and prints it at once.
#
#   prefix=$(bash tools/windows/deps.sh)
set -euo pipefail
cd "$(dirname "$0")/../.."
toolchain=$PWD/cmake/mingw-w64.cmake

# Source package, and the package of this machine whose version it must have.
sources=(libsdl2:libsdl2-dev libsdl2-image:libsdl2-image-dev freetype:libfreetype-dev
  libsdl2-ttf:libsdl2-ttf-dev)

source tools/debian_sources.sh
prefix=$(cache_folder vargo-win64-deps "${sources[@]}")
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log() { echo "deps: $*" >&2; }

options_libsdl2=(-DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF)
options_libsdl2_image=(-DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_BACKEND_WIC=OFF -DSDL2IMAGE_VENDORED=OFF
  -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_JXL=OFF
  -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_PNG=ON)
options_freetype=(-DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON)
options_libsdl2_ttf=(-DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF)

apt_private "$work"
mkdir -p "$work/src" "$prefix"
for s in "${sources[@]}"; do
  package=${s%%:*}
  version=$(version_of "${s#*:}")
  log "building $package $version for win64"
  src=$(fetch_source "$work/src" "$package" "$version")
  [ -n "$src" ] || { log "apt-get source $package=$version found nothing"; exit 1; }
  options=options_${package//-/_}[@]
  install_static "$toolchain" "$prefix" "$src" "-DVARGO_WIN64_PREFIX=$prefix" "${!options}"
  mkdir -p "$prefix/licences/$package"
  cp "$src/debian/copyright" "$prefix/licences/$package/copyright"
done
touch "$prefix/.complete"
echo "$prefix"
