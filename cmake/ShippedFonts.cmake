# SPDX-License-Identifier: GPL-3.0-or-later
# The stand-in fonts that go with the game where the system may lack them (Windows, the browser), from
# Debian's fonts-liberation2 and fonts-bebas-neue; media/shipped_fonts_other.cpp names them.
set(VARGO_SHIPPED_FONTS
    /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf
    /usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf
    /usr/share/fonts/opentype/bebas-neue/BebasNeue-Regular.otf)
file(COPY ${VARGO_SHIPPED_FONTS} DESTINATION ${CMAKE_BINARY_DIR}/fonts)
