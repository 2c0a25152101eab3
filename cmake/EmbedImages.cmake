# SPDX-License-Identifier: GPL-3.0-or-later
# Rasterises every SVG of resources/images with rsvg-convert and embeds the PNGs into the library
# vargo_images, so the game at scale 1 reads no image from disk. The browser's build embeds none: its page
# loads the pictures of the one scale it draws at, scale 1 too (Web.cmake). The same drawings rasterised at 2, 3 and 4
# times their size are PNG files in images/<k>x of the build folder and of the installed data folder: all
# of them embedded would make the executable twelve times as large, and SDL_image's own SVG loader draws
# neither the clip paths, patterns, filters nor reused shapes these pictures have, and draws the menu at
# 2x in 100 ms.
set(VARGO_RASTER_SCALES 2 3 4)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

vargo_host_tool(vargo_embed vargo_embed ${CMAKE_SOURCE_DIR}/tools/embed.cpp)

file(GLOB own_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/images/*.svg)
# The game's own drawings and the English ones (Translations.cmake), each embedded as a table of its own.
set(image_sources ${own_sources} ${VARGO_ENGLISH_SVGS})

# Rasterises the SVGs at scale 1 and writes them as the table the function names; adds the PNGs to
# VARGO_SCALE1_PNGS.
function(vargo_embed_table function output svgs)
  set(pngs)
  foreach(svg ${svgs})
    get_filename_component(name ${svg} NAME_WE)
    set(png ${CMAKE_BINARY_DIR}/images/${name}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/images
      COMMAND ${RSVG_CONVERT} --format=png --output=${png} ${svg}
      DEPENDS ${svg}
      COMMENT "Rasterising ${name}.svg"
      VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(VARGO_SCALE1_PNGS ${VARGO_SCALE1_PNGS} ${pngs} PARENT_SCOPE)
  set(embedded ${pngs})
  if(EMSCRIPTEN)
    set(embedded)
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND ${vargo_embed} ${output} ${function} ${embedded}
    DEPENDS ${vargo_embed} ${pngs}
    COMMENT "Embedding ${function}"
    VERBATIM)
endfunction()
set(embedded ${CMAKE_BINARY_DIR}/generated/embedded_images.cpp)
set(embedded_english ${CMAKE_BINARY_DIR}/generated/embedded_english_images.cpp)
vargo_embed_table(embeddedImages ${embedded} "${own_sources}")
vargo_embed_table(embeddedEnglishImages ${embedded_english} "${VARGO_ENGLISH_SVGS}")
add_library(vargo_images STATIC ${embedded} ${embedded_english})

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
