# Installation in the usual places for a Linux game, and the Debian package built from it by CPack.
#
#   <prefix>/bin/vargo                                       the game
#   <prefix>/share/vargo/data/*.wav                          its sounds, read from data/ under the working
#                                                            directory: the launcher starts it in share/vargo
#   <prefix>/share/applications/example.vargo.vargo.desktop  the launcher
#   <prefix>/share/metainfo/example.vargo.vargo.metainfo.xml software-centre description
#   <prefix>/share/icons/hicolor/{48x48,scalable}/apps/      the crosshair icon
include(GNUInstallDirs)

set(VARGO_APP_ID example.vargo.vargo)
set(VARGO_GAME_DIR ${CMAKE_INSTALL_DATADIR}/vargo)

install(TARGETS vargo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/vystrel.wav data/vystrel2.wav data/vystrel3.wav data/reload.wav
        DESTINATION ${VARGO_GAME_DIR}/data)

# The launcher names the executable and its working directory by absolute path. The prefix is only known
# at install time (cmake --install --prefix, or /usr when CPack stages the package), so the launcher is
# written then.
set(launcher ${CMAKE_BINARY_DIR}/packaging/${VARGO_APP_ID}.desktop)
install(CODE "
  set(bin_dir [[${CMAKE_INSTALL_BINDIR}]])
  set(game_dir [[${VARGO_GAME_DIR}]])
  cmake_path(ABSOLUTE_PATH bin_dir BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\")
  cmake_path(ABSOLUTE_PATH game_dir BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\")
  set(VARGO_EXECUTABLE \"\${bin_dir}/vargo\")
  set(VARGO_DATA_DIR \"\${game_dir}\")
  configure_file([[${CMAKE_SOURCE_DIR}/packaging/vargo.desktop]] [[${launcher}]] @ONLY)
")
install(FILES ${launcher} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${VARGO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The 48 x 48 icon is rasterised from the same crosshair the game uses as its window icon.
set(icon_png ${CMAKE_BINARY_DIR}/packaging/vargo.png)
add_custom_command(
  OUTPUT ${icon_png}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND ${RSVG_CONVERT} --width=48 --height=48 --format=png --output=${icon_png}
          ${CMAKE_SOURCE_DIR}/resources/images/icon.svg
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/images/icon.svg
  COMMENT "Rasterising the 48x48 launcher icon"
  VERBATIM)
add_custom_target(vargo_icon ALL DEPENDS ${icon_png})
set(icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${icon_png} DESTINATION ${icon_dir}/48x48/apps)
install(FILES resources/images/icon.svg DESTINATION ${icon_dir}/scalable/apps RENAME vargo.svg)

# Debian package: cpack -G DEB in the build directory (tools/ci/package.sh does it and tests the result).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vargo)
set(CPACK_PACKAGE_VENDOR "vargo dev")
set(CPACK_PACKAGE_CONTACT "vargo dev <dev@vargo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point-and-click shooting game in five missions, in Czech")
set(CPACK_PACKAGE_DESCRIPTION
    "You are a soldier of the anti-terror unit Vargo. Before each mission you read a page of your diary,\n\
then gunmen appear in a fixed scene and you shoot them with the mouse. Every click is a shot, the\n\
magazine runs dry and must be reloaded, and each mission asks for a score before its last gunman\n\
ends it. All texts are in Czech.")
# Stage with DESTDIR so the install step sees the real prefix (/usr) and writes the launcher for it.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "vargo dev <dev@vargo.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vargo.example/")
# The shared libraries (SDL2, SDL2_ttf, SDL2_image, fontconfig, the C++ runtime) come from dpkg-shlibdeps;
# the fonts are only looked up through fontconfig at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Bebas Neue stands in best for the counters' face; SDL draws the credits box on X11 with core fonts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-bebas-neue, xfonts-base")
include(CPack)
