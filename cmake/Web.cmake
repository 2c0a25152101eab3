# SPDX-License-Identifier: GPL-3.0-or-later
# vargo for the browser: vargo.js and vargo.wasm with the sounds and the fonts preloaded (vargo.data), the
# pictures at scales 1 to 4 in packages of their own (images-<k>x.data with those of both languages and
# images-<k>x-cs.data and -en.data, loaded by the page for the scale and the language it picks; above 1
# their colours reduced to a palette by tools/web/pictures.sh) and the page itself, all in the folder
# site/ of the build.
include(cmake/ShippedFonts.cmake)
set(site ${CMAKE_BINARY_DIR}/site)
set(VARGO_VERSION ${PROJECT_VERSION})

add_executable(vargo src/app/main_web.cpp)
target_link_libraries(vargo PRIVATE vargo_app)
set_target_properties(vargo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site})
# SDL opens the audio through the JavaScript helpers the file names (their names begin with a dollar sign,
# which no command line keeps whole); without them opening it throws.
target_link_options(vargo PRIVATE
  -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/packaging/web/sdl_audio_functions.txt
  "SHELL:--preload-file ${CMAKE_SOURCE_DIR}/data@/data"
  "SHELL:--preload-file ${CMAKE_BINARY_DIR}/fonts@/fonts")
set_property(TARGET vargo APPEND PROPERTY LINK_DEPENDS ${VARGO_SHIPPED_FONTS}
             ${CMAKE_SOURCE_DIR}/packaging/web/sdl_audio_functions.txt)

set(packager /usr/share/emscripten/tools/file_packager.py)
set(image_packages)
foreach(k IN ITEMS 1 LISTS VARGO_RASTER_SCALES)
  set(package ${site}/images-${k}x)
  set(laid_out ${CMAKE_BINARY_DIR}/web-images/${k}x)
  # The pictures at scale 1 lie in images/ itself, beside the folders of the other scales, and keep their
  # colours: the page then draws the desk at scale 1 with the desktop game's very pixels.
  if(k EQUAL 1)
    set(pictures ${CMAKE_BINARY_DIR}/images)
    set(pngs ${VARGO_SCALE1_PNGS})
    set(palette)
  else()
    set(pictures ${CMAKE_BINARY_DIR}/images/${k}x)
    set(pngs ${scaled_pngs})
    set(palette --palette)
  endif()
  set(outputs)
  set(pack_commands)
  # images-<k>x holds the pictures of both languages, images-<k>x-cs and -en each language's own.
  foreach(part common cs en)
    set(name ${package}-${part})
    if(part STREQUAL common)
      set(name ${package})
    endif()
    list(APPEND outputs ${name}.data ${name}.js)
    list(APPEND pack_commands COMMAND python3 ${packager} ${name}.data --preload ${laid_out}/${part}@/images/${k}x
         --js-output=${name}.js)
    list(APPEND image_packages ${name}.data)
  endforeach()
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tools/web/pictures.sh ${palette} ${pictures} ${laid_out}
    ${pack_commands}
    DEPENDS ${pngs} ${CMAKE_SOURCE_DIR}/tools/web/pictures.sh
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    COMMENT "Packing the pictures at ${k}x for the page"
    VERBATIM)
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/packaging/web/index.html ${site}/index.html @ONLY)
add_custom_target(vargo_web_images ALL DEPENDS ${image_packages})
