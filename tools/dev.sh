#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for vargo, builds it, and plays or tests it.
#
#   bash tools/dev.sh play    install what is missing, build, start the game
#   bash tools/dev.sh test    install what is missing, build, run the whole test suite
#   bash tools/dev.sh windows install what is missing, cross-build the Windows release: the zip and the
#                             setup in build/win64 (libraries built once, cached by their versions)
#   bash tools/dev.sh web     install what is missing, build the browser release in build/web: the page,
#                             its files and vargo-<version>-web.zip of them (libraries cached as above)
set -euo pipefail
cd "$(dirname "$0")/.."

build_packages=(g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev
  libfontconfig-dev librsvg2-bin fonts-liberation2 fonts-dejavu-core fonts-bebas-neue xfonts-base)
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev libfreetype-dev nsis wine
  wine64 zip dpkg-dev imagemagick)
web_packages=(emscripten zip dpkg-dev libfreetype-dev zlib1g-dev git pngquant)
test_packages=(libgtest-dev xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick)

source tools/packages.sh

build() {
  cmake --preset release >/dev/null
  cmake --build --preset release
}

case "${1:-}" in
  play)
    install_missing "${build_packages[@]}" libgtest-dev
    build
    exec build/release/vargo
    ;;
  test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build
    ctest --preset release --parallel "$(nproc)"
    ;;
  windows)
    install_missing "${build_packages[@]}" "${windows_packages[@]}" libgtest-dev
    VARGO_WIN64_PREFIX=$(bash tools/windows/deps.sh)
    export VARGO_WIN64_PREFIX
    cmake --preset win64 >/dev/null
    cmake --build --preset win64
    bash tools/windows/package.sh build/win64 "$VARGO_WIN64_PREFIX"
    ;;
  web)
    install_missing "${build_packages[@]}" "${web_packages[@]}"
    VARGO_WEB_PREFIX=$(bash tools/web/deps.sh)
    export VARGO_WEB_PREFIX
    cmake --preset web >/dev/null
    cmake --build --preset web
    bash tools/web/package.sh build/emscripten "$VARGO_WEB_PREFIX" build/web
    ;;
  *)
    echo "usage: bash tools/dev.sh play|test|windows|web" >&2
    exit 2
    ;;
esac
