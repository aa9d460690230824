# SPDX-License-Identifier: GPL-3.0-or-later
# What a Linux desktop expects beside the program: menu entry, icons, software-centre metadata,
# man page; and the Debian package made of them (cpack -G DEB in the build folder).

configure_file(resources/orvaline.desktop.in ${PROJECT_BINARY_DIR}/orvaline.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/orvaline.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/pictures/orvaline.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Bitmap icons for the desktops that want them, drawn from the SVG by a small Qt tool.
add_executable(rendreicone tools/rendreicone/rendreicone.cpp)
target_link_libraries(rendreicone PRIVATE Qt6::Gui Qt6::Svg)
set(icones_png)
foreach(taille 48 128 256)
    set(png ${PROJECT_BINARY_DIR}/icones/${taille}/orvaline.png)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/icones/${taille})
    add_custom_command(OUTPUT ${png}
        COMMAND rendreicone ${PROJECT_SOURCE_DIR}/resources/pictures/orvaline.svg ${taille} ${png}
        DEPENDS rendreicone resources/pictures/orvaline.svg
        COMMENT "Icône ${taille} px")
    install(FILES ${png}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps)
    list(APPEND icones_png ${png})
endforeach()

# The metadata carries the maker's site; the man page is compressed as Debian wants it.
string(REGEX REPLACE "/+$" "" ORVALINE_SITE_XML "${ORVALINE_SITE}")
configure_file(resources/orvaline.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/example.pelandor.Orvaline.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/example.pelandor.Orvaline.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(resources/orvaline.1 ${PROJECT_BINARY_DIR}/orvaline.1 @ONLY)
set(page_man ${PROJECT_BINARY_DIR}/orvaline.1.gz)
add_custom_command(OUTPUT ${page_man}
    COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/orvaline.1 > ${page_man}
    DEPENDS ${PROJECT_BINARY_DIR}/orvaline.1)
install(FILES ${page_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(bureau ALL DEPENDS ${icones_png} ${page_man})

set(CPACK_PACKAGE_NAME orvaline)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ORVALINE_NOM}")
set(CPACK_PACKAGE_CONTACT "${ORVALINE_NOM} <${ORVALINE_COURRIEL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculatrice de dates et de durées")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvaline ajoute à une date des heures, des jours, des semaines, des mois, des trimestres ou
des années, compte ces unités entre deux dates, et additionne, soustrait, multiplie ou divise
des durées en jours, heures, minutes et secondes sur une bande de calcul.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORVALINE_SITE_XML}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the fonts the windows are drawn with and the browser opener.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, xdg-utils")
# Qt's native plugin for the Wayland sessions that GNOME and Plasma start by default.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
include(CPack)
