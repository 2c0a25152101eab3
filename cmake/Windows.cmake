# SPDX-License-Identifier: GPL-3.0-or-later
# vargo.exe for Windows: a GUI program (no console window) with the crosshair icon, its version and a
# manifest declaring per-monitor DPI awareness as resources; the stand-in fonts go beside it in fonts\.
set(windows_out ${CMAKE_BINARY_DIR}/windows)
include(cmake/ShippedFonts.cmake)
# Every program of the build finds them where the game does.
file(COPY ${VARGO_SHIPPED_FONTS} DESTINATION ${CMAKE_BINARY_DIR}/tests/fonts)

find_program(MAGICK_CONVERT convert REQUIRED)
set(VARGO_ICO ${windows_out}/vargo.ico)
set(icon_svg ${CMAKE_SOURCE_DIR}/resources/images/icon.svg)
set(ico_pngs)
foreach(size 16 24 32 48 64 256)
  list(APPEND ico_pngs ${windows_out}/icon${size}.png)
  add_custom_command(
    OUTPUT ${windows_out}/icon${size}.png
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --format=png
            --output=${windows_out}/icon${size}.png ${icon_svg}
    DEPENDS ${icon_svg}
    VERBATIM)
endforeach()
add_custom_command(
  OUTPUT ${VARGO_ICO}
  COMMAND ${MAGICK_CONVERT} ${ico_pngs} ${VARGO_ICO}
  DEPENDS ${ico_pngs}
  COMMENT "Making the icon of vargo.exe"
  VERBATIM)

string(REPLACE "." "," VARGO_VERSION_COMMAS "${PROJECT_VERSION},0")
set(VARGO_VERSION_QUAD "${PROJECT_VERSION}.0")
set(VARGO_MANIFEST ${windows_out}/vargo.manifest)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/vargo.manifest ${VARGO_MANIFEST} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/vargo.rc.in ${windows_out}/vargo.rc @ONLY)
set_source_files_properties(${windows_out}/vargo.rc PROPERTIES OBJECT_DEPENDS "${VARGO_ICO};${VARGO_MANIFEST}")
enable_language(RC)
target_sources(vargo PRIVATE ${windows_out}/vargo.rc)
set_target_properties(vargo PROPERTIES WIN32_EXECUTABLE ON)
