# SPDX-License-Identifier: GPL-3.0-or-later
# Rasterises every SVG of resources/images with rsvg-convert and embeds the PNGs into the library
# vargo_images, so the game reads no image from disk.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

add_executable(vargo_embed ${CMAKE_SOURCE_DIR}/tools/embed.cpp)

file(GLOB image_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/images/*.svg)
set(image_pngs)
foreach(svg ${image_sources})
  get_filename_component(name ${svg} NAME_WE)
  set(png ${CMAKE_BINARY_DIR}/images/${name}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/images
    COMMAND ${RSVG_CONVERT} --format=png --output=${png} ${svg}
    DEPENDS ${svg}
    COMMENT "Rasterising ${name}.svg"
    VERBATIM)
  list(APPEND image_pngs ${png})
endforeach()

set(embedded ${CMAKE_BINARY_DIR}/generated/embedded_images.cpp)
add_custom_command(
  OUTPUT ${embedded}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND vargo_embed ${embedded} ${image_pngs}
  DEPENDS vargo_embed ${image_pngs}
  COMMENT "Embedding ${CMAKE_BINARY_DIR}/images"
  VERBATIM)
add_library(vargo_images STATIC ${embedded})
target_include_directories(vargo_images PRIVATE ${vargo_root_media})
