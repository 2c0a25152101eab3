#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libraries vargo links in the browser (zlib, SDL2, FreeType, SDL2_image, SDL2_ttf) with
# emscripten from Debian's own sources, the versions this machine has for Linux, into a cache folder
# keyed by those versions and emscripten's. A second run finds the folder and prints it at once.
# SDL2's configure alone takes many minutes: every check links a program.
#
#   prefix=$(bash tools/web/deps.sh)
set -euo pipefail
cd "$(dirname "$0")/../.."
toolchain=$PWD/cmake/emscripten.cmake

# Source package, and the package of this machine whose version it must have.
sources=(zlib:zlib1g-dev libsdl2:libsdl2-dev freetype:libfreetype-dev libsdl2-image:libsdl2-image-dev
  libsdl2-ttf:libsdl2-ttf-dev)

source tools/debian_sources.sh
prefix=$(cache_folder vargo-web-deps emscripten:emscripten "${sources[@]}")
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
log() { echo "deps: $*" >&2; }

fail_with_log() { # log file
  tail -30 "$1" >&2
  exit 1
}

# zlib's CMakeLists names a Windows resource file Debian's source lacks: its few C files are compiled
# here directly.
build_zlib() { # source folder
  local src=$1 objects=()
  mkdir -p "$src/_build" "$prefix/include" "$prefix/lib"
  for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees \
    trees uncompr zutil; do
    emcc -O2 -DHAVE_UNISTD_H -DHAVE_STDARG_H -c "$src/$c.c" -o "$src/_build/$c.o" 2>>"$src/_build.log" || fail_with_log "$src/_build.log"
    objects+=("$src/_build/$c.o")
  done
  emar rcs "$prefix/lib/libz.a" "${objects[@]}"
  cp "$src/zlib.h" "$src/zconf.h" "$prefix/include/"
}

options_libsdl2=(-DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_TESTS=OFF -DSDL_PTHREADS=OFF)
options_freetype=(-DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON)
options_libsdl2_image=(-DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_SAMPLES=OFF
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF
  -DSDL2IMAGE_PNG=ON "-DSDL2_DIR=$prefix/lib/cmake/SDL2")
options_libsdl2_ttf=(-DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF
  "-DSDL2_DIR=$prefix/lib/cmake/SDL2")

apt_private "$work"
mkdir -p "$work/src" "$prefix"
for s in "${sources[@]}"; do
  package=${s%%:*}
  version=$(version_of "${s#*:}")
  log "building $package $version for the web"
  src=$(fetch_source "$work/src" "$package" "$version")
  [ -n "$src" ] || { log "apt-get source $package=$version found nothing"; exit 1; }
  if [ "$package" = zlib ]; then
    build_zlib "$src"
  else
    options=options_${package//-/_}[@]
    VARGO_WEB_PREFIX=$prefix install_static "$toolchain" "$prefix" "$src" "${!options}"
  fi
  mkdir -p "$prefix/licences/$package"
  cp "$src/debian/copyright" "$prefix/licences/$package/copyright"
done
touch "$prefix/.complete"
echo "$prefix"
