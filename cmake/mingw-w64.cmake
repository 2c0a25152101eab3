# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds for 64-bit Windows with Debian's mingw-w64 (POSIX threads). The libraries built for it
# live under VARGO_WIN64_PREFIX (tools/windows/deps.sh); programs and tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(VARGO_WIN64_PREFIX "$ENV{VARGO_WIN64_PREFIX}" CACHE PATH "Where the cross-built libraries are")
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${VARGO_WIN64_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns of overlapping copies inside std::string's own code at -O3, falsely (its bug 105329).
set(CMAKE_CXX_FLAGS_INIT -Wno-restrict)

# Every library is linked in: the program needs no DLL beside it, zlib and the C++ runtime included.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(PKG_CONFIG_ARGN --static)
set(ENV{PKG_CONFIG_LIBDIR} "${VARGO_WIN64_PREFIX}/lib/pkgconfig:/usr/${triplet}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all wine)
