#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for vargo, builds it, and plays or tests it.
#
#   bash tools/dev.sh play    install what is missing, build, start the game
#   bash tools/dev.sh test    install what is missing, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")/.."

build_packages=(g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev
  libfontconfig-dev librsvg2-bin fonts-liberation2 fonts-dejavu-core fonts-bebas-neue xfonts-base)
test_packages=(libgtest-dev xvfb xauth xdotool x11-utils imagemagick)

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
  *)
    echo "usage: bash tools/dev.sh play|test" >&2
    exit 2
    ;;
esac
