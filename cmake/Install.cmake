# SPDX-License-Identifier: GPL-3.0-or-later
# Installation in the usual places for a Linux game, and the Debian package built from it by CPack.
#
#   <prefix>/bin/vargo                                         the game (cmake --install)
#   /usr/games/vargo                                           the game (the Debian package)
#   <prefix>/share/vargo/data/*.wav                            its sounds, read from data/ under the working
#                                                              directory: the launcher starts it in share/vargo
#   <prefix>/share/vargo/images/{2x,3x,4x}/*.png               its pictures at scales 2 to 4
#   <prefix>/share/applications/org.example.vargo.desktop      the launcher
#   <prefix>/share/metainfo/org.example.vargo.metainfo.xml     software-centre description
#   <prefix>/share/icons/hicolor/{16x16,...,256x256,scalable}/apps/vargo.{png,svg}   the crosshair icon
#   <prefix>/share/man/man6/vargo.6.gz                         the manual page
#   <prefix>/share/doc/vargo/copyright                         the licences (and changelog.Debian.gz in the
#                                                              package, with lintian's overrides)
#
# Debian keeps games in /usr/games, but no user prefix has a games/ folder on the PATH (~/.local/bin is,
# ~/.local/games is not), so cmake --install writes bin/ and only the package writes games/. The two
# differ in one install component each: "bin" for cmake --install, "debian" (left out of a plain
# cmake --install) for CPack; everything else is the "game" component that both install.
include(GNUInstallDirs)

set(VARGO_APP_ID org.example.vargo)
# Who makes the game and where it lives, as packaging/copyright and the metainfo name them.
set(VARGO_CONTACT_NAME "vargo dev")
set(VARGO_CONTACT_MAIL dev@vargo.example)
set(VARGO_CONTACT "${VARGO_CONTACT_NAME} <${VARGO_CONTACT_MAIL}>")
set(VARGO_HOMEPAGE https://vargo.example/)
set(VARGO_GAME_DIR ${CMAKE_INSTALL_DATADIR}/vargo)
set(VARGO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vargo)
set(VARGO_DEBIAN_BIN_DIR games)
set(VARGO_ICON_SIZES 16 24 32 48 64 128 256)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${packaging_out}/gz)

# install() for FILES, DIRECTORY and TARGETS that first makes the folders of its DESTINATION, rwxr-xr-x
# whatever the umask (cmake/InstallDirectories.cmake), in the same component.
function(vargo_install)
  cmake_parse_arguments(rule "EXCLUDE_FROM_ALL" "DESTINATION;COMPONENT" "" ${ARGN})
  set(exclude)
  if(rule_EXCLUDE_FROM_ALL)
    set(exclude EXCLUDE_FROM_ALL)
  endif()
  install(CODE "
    include([[${CMAKE_SOURCE_DIR}/cmake/InstallDirectories.cmake]])
    vargo_make_install_directory([[${rule_DESTINATION}]])
  " COMPONENT ${rule_COMPONENT} ${exclude})
  install(${ARGN})
endfunction()

# The executable and the launcher that names it by absolute path. The prefix is only known at install
# time (cmake --install --prefix, or /usr when CPack stages the package), so the launcher is written then.
function(vargo_install_game component bin_dir)
  set(exclude)
  if(component STREQUAL debian)
    set(exclude EXCLUDE_FROM_ALL)
  endif()
  vargo_install(TARGETS vargo RUNTIME DESTINATION ${bin_dir} COMPONENT ${component} ${exclude})
  set(launcher ${packaging_out}/${component}/${VARGO_APP_ID}.desktop)
  install(CODE "
    set(bin_dir [[${bin_dir}]])
    set(game_dir [[${VARGO_GAME_DIR}]])
    cmake_path(ABSOLUTE_PATH bin_dir BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\")
    cmake_path(ABSOLUTE_PATH game_dir BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\")
    set(VARGO_EXECUTABLE \"\${bin_dir}/vargo\")
    set(VARGO_DATA_DIR \"\${game_dir}\")
    configure_file([[${CMAKE_SOURCE_DIR}/packaging/vargo.desktop]] [[${launcher}]] @ONLY)
  " COMPONENT ${component} ${exclude})
  vargo_install(FILES ${launcher} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT ${component} ${exclude})
endfunction()
vargo_install_game(bin ${CMAKE_INSTALL_BINDIR})
vargo_install_game(debian ${VARGO_DEBIAN_BIN_DIR})

vargo_install(FILES data/vystrel.wav data/vystrel2.wav data/vystrel3.wav data/reload.wav
        DESTINATION ${VARGO_GAME_DIR}/data COMPONENT game)
foreach(k IN LISTS VARGO_RASTER_SCALES)
  vargo_install(DIRECTORY ${CMAKE_BINARY_DIR}/images/${k}x DESTINATION ${VARGO_GAME_DIR}/images COMPONENT game)
endforeach()
vargo_install(FILES packaging/${VARGO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT game)
vargo_install(FILES packaging/copyright DESTINATION ${VARGO_DOC_DIR} COMPONENT game)

# Files compressed as Debian wants them, gzip -9 without a name or time stamp: SOURCE becomes
# packaging/gz/NAME.gz in the build directory.
function(vargo_gzip source name)
  set(plain ${packaging_out}/gz/${name})
  add_custom_command(
    OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND gzip -9nf ${plain}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
endfunction()
set(manual ${packaging_out}/gz/vargo.6.gz)
set(changelog ${packaging_out}/gz/changelog.Debian.gz)
configure_file(packaging/vargo.6.in ${packaging_out}/vargo.6 @ONLY)
vargo_gzip(${packaging_out}/vargo.6 vargo.6)
vargo_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog changelog.Debian)
vargo_install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
vargo_install(FILES ${changelog} DESTINATION ${VARGO_DOC_DIR} COMPONENT debian EXCLUDE_FROM_ALL)
vargo_install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vargo
        COMPONENT debian EXCLUDE_FROM_ALL)

# The icon at every size desktops ask for, rasterised from the crosshair the game uses as its window icon.
set(icon_svg ${CMAKE_SOURCE_DIR}/resources/images/icon.svg)
set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(icon_pngs)
foreach(size IN LISTS VARGO_ICON_SIZES)
  set(png ${packaging_out}/icons/${size}/vargo.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}/icons/${size}
    COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --format=png --output=${png} ${icon_svg}
    DEPENDS ${icon_svg}
    COMMENT "Rasterising the ${size}x${size} launcher icon"
    VERBATIM)
  list(APPEND icon_pngs ${png})
  vargo_install(FILES ${png} DESTINATION ${icon_dir}/${size}x${size}/apps COMPONENT game)
endforeach()
vargo_install(FILES ${icon_svg} DESTINATION ${icon_dir}/scalable/apps RENAME vargo.svg COMPONENT game)
add_custom_target(vargo_packaging ALL DEPENDS ${icon_pngs} ${manual} ${changelog})

# Debian package: cpack -G DEB in the build directory (tools/ci/package.sh does it and tests the result).
set(CPACK_GENERATOR DEB)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};vargo;game;/" "${CMAKE_BINARY_DIR};vargo;debian;/")
set(CPACK_PACKAGE_NAME vargo)
set(CPACK_PACKAGE_VENDOR "${VARGO_CONTACT_NAME}")
set(CPACK_PACKAGE_CONTACT "${VARGO_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point-and-click shooting game in five missions, in Czech")
# Debian wants the lines of the long description within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "You are a soldier of the anti-terror unit Vargo. Before each mission you\n\
read a page of your diary, then gunmen appear in a fixed scene and you shoot\n\
them with the mouse. Every click is a shot, the magazine runs dry and must be\n\
reloaded, and each mission asks for a score before its last gunman ends it.\n\
All texts are in Czech.")
# Stage with DESTDIR so the install step sees the real prefix (/usr) and writes the launcher for it.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Every file dated by SOURCE_DATE_EPOCH, from the last commit unless it is set (cmake/SourceDateEpoch.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/SourceDateEpoch.cmake)
set(CPACK_VARGO_SOURCE_DIR ${CMAKE_SOURCE_DIR})
# The members of the .deb rw-r--r-- whatever the umask (cmake/DebMemberModes.cmake).
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebMemberModes.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of the release: the package is not native, so its changelog is
# changelog.Debian.gz, whose first entry names this version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VARGO_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARGO_HOMEPAGE})
# The shared libraries (SDL2, SDL2_ttf, SDL2_image, fontconfig, the C++ runtime) come from dpkg-shlibdeps;
# the fonts are only looked up through fontconfig at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Bebas Neue stands in best for the counters' face; SDL draws the credits box on X11 with core fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-bebas-neue, xfonts-base")
include(CPack)
