# SPDX-License-Identifier: GPL-3.0-or-later
# The tools that run while the game builds (embedding pictures, the English texts and drawings) run on the
# machine that builds. For the browser they are built by this machine's own compiler, since a tool built
# for the web cannot read the build's files; elsewhere they are ordinary targets.
#
#   vargo_host_tool(VAR NAME SOURCE...)   VAR names what a custom command runs and depends on
if(CMAKE_CROSSCOMPILING AND EMSCRIPTEN)
  find_program(VARGO_HOST_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
endif()

function(vargo_host_tool var name)
  if(CMAKE_CROSSCOMPILING AND EMSCRIPTEN)
    set(tool ${CMAKE_BINARY_DIR}/host/${name})
    add_custom_command(
      OUTPUT ${tool}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
      COMMAND ${VARGO_HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR}/tools -o ${tool} ${ARGN}
      DEPENDS ${ARGN}
      COMMENT "Building ${name} for this machine"
      VERBATIM)
  else()
    add_executable(${name} ${ARGN})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tools)
    set(tool ${name})
  endif()
  set(${var} ${tool} PARENT_SCOPE)
endfunction()
