# SPDX-License-Identifier: GPL-3.0-or-later
# The libraries the game links, in the variables sdl2, sdl2_ttf, sdl2_image and font_lookup: on Linux
# through pkg-config; on Windows and in the browser the static ones built by tools/windows/deps.sh and
# tools/web/deps.sh, found by their CMake packages.
if(WIN32 OR EMSCRIPTEN)
  find_package(SDL2 REQUIRED CONFIG)
  # SDL2_image reads PNG with its own stb code, yet its package asks for libpng unless this target exists.
  add_library(PNG::PNG INTERFACE IMPORTED)
  find_package(SDL2_image REQUIRED CONFIG)
  find_package(SDL2_ttf REQUIRED CONFIG)
  # FreeType reads compressed fonts with zlib, which its imported target does not name.
  set_property(TARGET Freetype::Freetype APPEND PROPERTY INTERFACE_LINK_LIBRARIES z)
  # Every program has its own main(); SDL's WinMain wrapper is not wanted.
  if(WIN32)
    add_compile_definitions(SDL_MAIN_HANDLED)
  endif()
  set(sdl2 SDL2::SDL2-static)
  set(sdl2_ttf SDL2_ttf::SDL2_ttf-static)
  set(sdl2_image SDL2_image::SDL2_image-static)
  set(font_lookup)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
  pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
  pkg_check_modules(SDL2_IMAGE REQUIRED IMPORTED_TARGET SDL2_image)
  pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
  set(sdl2 PkgConfig::SDL2)
  set(sdl2_ttf PkgConfig::SDL2_TTF)
  set(sdl2_image PkgConfig::SDL2_IMAGE)
  set(font_lookup PkgConfig::FONTCONFIG)
endif()
