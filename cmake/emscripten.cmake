# SPDX-License-Identifier: GPL-3.0-or-later
# Builds for the browser with Debian's emscripten. The libraries built for it live under
# VARGO_WEB_PREFIX (tools/web/deps.sh); nothing of the host's is ever found.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(VARGO_WEB_PREFIX "$ENV{VARGO_WEB_PREFIX}" CACHE PATH "Where the libraries built for the web are")
# First, before the sysroot's own SDL2 package, which asks for emscripten's ports.
list(PREPEND CMAKE_FIND_ROOT_PATH ${VARGO_WEB_PREFIX})
set(PKG_CONFIG_ARGN --static)
set(ENV{PKG_CONFIG_LIBDIR} "${VARGO_WEB_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# The game catches what the world throws at it (a sound it cannot play, a display it cannot open);
# emscripten leaves exceptions out unless asked. FreeType's zlib is found by name in the prefix.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -L${VARGO_WEB_PREFIX}/lib")
# emscripten's JavaScript optimiser needs Debian's node-acorn, which a node not built by Debian does not
# look for in Debian's module folder.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
