# SPDX-License-Identifier: GPL-3.0-or-later
# The English texts and pictures, made from po/en.po at build time; the game uses no gettext library at run
# time. vargo_po_table writes the texts as a C++ table (library vargo_translations); every picture that
# carries words gets an English drawing, <name>_en.svg, the same SVG with its words replaced
# (vargo_svg_english), which EmbedImages.cmake rasterises like the others.
set(VARGO_POT ${CMAKE_SOURCE_DIR}/po/vargo.pot)
set(VARGO_PO_EN ${CMAKE_SOURCE_DIR}/po/en.po)

set(po_tools ${CMAKE_SOURCE_DIR}/tools/po.cpp ${CMAKE_SOURCE_DIR}/tools/svg_words.cpp)
vargo_host_tool(po_table vargo_po_table ${CMAKE_SOURCE_DIR}/tools/po_table.cpp ${po_tools})
vargo_host_tool(svg_english vargo_svg_english ${CMAKE_SOURCE_DIR}/tools/svg_english.cpp ${po_tools})

file(GLOB svgs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/images/*.svg)
set(VARGO_WORDED_PICTURES)
set(VARGO_ENGLISH_SVGS)
foreach(svg ${svgs})
  file(STRINGS ${svg} words REGEX "<text|data-word=")
  if(NOT words)
    continue()
  endif()
  get_filename_component(name ${svg} NAME_WE)
  set(english ${CMAKE_BINARY_DIR}/english/${name}_en.svg)
  add_custom_command(
    OUTPUT ${english}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/english
    COMMAND ${svg_english} ${svg} ${english} ${VARGO_PO_EN}
    DEPENDS ${svg_english} ${svg} ${VARGO_PO_EN}
    COMMENT "Writing the English drawing of ${name}.svg"
    VERBATIM)
  list(APPEND VARGO_WORDED_PICTURES ${name})
  list(APPEND VARGO_ENGLISH_SVGS ${english})
endforeach()

set(english_texts ${CMAKE_BINARY_DIR}/generated/english_texts.cpp)
add_custom_command(
  OUTPUT ${english_texts}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${po_table} ${english_texts} ${VARGO_POT} ${VARGO_PO_EN} ${VARGO_WORDED_PICTURES}
  DEPENDS ${po_table} ${VARGO_POT} ${VARGO_PO_EN}
  COMMENT "Writing the English texts from po/en.po"
  VERBATIM)
add_library(vargo_translations STATIC ${english_texts})
target_include_directories(vargo_translations PRIVATE ${vargo_root_lang} ${vargo_root_ui})
