# SPDX-License-Identifier: GPL-3.0-or-later
# Rasterises every SVG of resources/images with rsvg-convert and embeds the PNGs into the library
# vargo_images, so the game at scale 1 reads no image from disk. The same drawings rasterised at 2, 3 and 4
# times their size are PNG files in images/<k>x of the build folder and of the installed data folder: all
# of them embedded would make the executable twelve times as large, and SDL_image's own SVG loader draws
# neither the clip paths, patterns, filters nor reused shapes these pictures have, and draws the menu at
# 2x in 100 ms.
set(VARGO_RASTER_SCALES 2 3 4)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

# The embedding tool runs on the machine that builds: for the browser it is built by the host's compiler.
if(CMAKE_CROSSCOMPILING AND EMSCRIPTEN)
  find_program(VARGO_HOST_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
  set(vargo_embed ${CMAKE_BINARY_DIR}/host/vargo_embed)
  add_custom_command(
    OUTPUT ${vargo_embed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${VARGO_HOST_CXX} -std=c++20 -O2 -o ${vargo_embed} ${CMAKE_SOURCE_DIR}/tools/embed.cpp
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/embed.cpp
    COMMENT "Building the embedding tool for this machine"
    VERBATIM)
else()
  add_executable(vargo_embed ${CMAKE_SOURCE_DIR}/tools/embed.cpp)
  set(vargo_embed vargo_embed)
endif()

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
  COMMAND ${vargo_embed} ${embedded} ${image_pngs}
  DEPENDS ${vargo_embed} ${image_pngs}
  COMMENT "Embedding ${CMAKE_BINARY_DIR}/images"
  VERBATIM)
add_library(vargo_images STATIC ${embedded})

set(scaled_pngs)
foreach(k IN LISTS VARGO_RASTER_SCALES)
  foreach(svg ${image_sources})
    get_filename_component(name ${svg} NAME_WE)
    set(png ${CMAKE_BINARY_DIR}/images/${k}x/${name}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/images/${k}x
      COMMAND ${RSVG_CONVERT} --zoom=${k} --format=png --output=${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rasterising ${name}.svg at ${k}x"
      VERBATIM)
    list(APPEND scaled_pngs ${png})
  endforeach()
endforeach()
add_custom_target(vargo_scaled_images ALL DEPENDS ${scaled_pngs})
target_include_directories(vargo_images PRIVATE ${vargo_root_media})
