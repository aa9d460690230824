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
configure_file(resources/orvaline.1 ${PROJECT_BINARY_DIR}/orvaline.1 @ONLY)
set(page_man ${PROJECT_BINARY_DIR}/orvaline.1.gz)
add_custom_command(OUTPUT ${page_man}
    COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/orvaline.1 > ${page_man}
    DEPENDS ${PROJECT_BINARY_DIR}/orvaline.1)
install(FILES ${page_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Completion of the options and of the units of a --calcul expression, where bash-completion
# looks for it on demand.
install(FILES resources/orvaline.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME orvaline)
add_custom_target(bureau ALL DEPENDS ${icones_png} ${page_man})

# The licence terms and the changelog, where Debian wants them. The changelog is kept in
# French in the repository; its top entry must be this version.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/orvaline)
configure_file(resources/paquet/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
configure_file(resources/paquet/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
file(STRINGS resources/paquet/changelog.in journal ENCODING UTF-8)
list(GET journal 0 premiere)
if(NOT premiere MATCHES "^orvaline \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "resources/paquet/changelog.in ne commence pas par la version "
                        "${PROJECT_VERSION} : « ${premiere} »")
endif()
set(journal_gz ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${journal_gz}
    COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/changelog > ${journal_gz}
    DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(journal ALL DEPENDS ${journal_gz})
install(FILES ${PROJECT_BINARY_DIR}/copyright ${journal_gz} DESTINATION ${docdir})

# The same entries, as the release notes of the software-centre metadata.
set(i 1)
foreach(m Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    math(EXPR n "100 + ${i}")
    string(SUBSTRING ${n} 1 2 mois_${m})
    math(EXPR i "${i} + 1")
endforeach()
set(ORVALINE_PARUTIONS "")
set(point "")
foreach(ligne IN LISTS journal)
    string(REPLACE "&" "&amp;" ligne "${ligne}")
    string(REPLACE "<" "&lt;" ligne "${ligne}")
    string(REPLACE ">" "&gt;" ligne "${ligne}")
    if(ligne MATCHES "^orvaline \\(([^)]+)\\)")
        set(version ${CMAKE_MATCH_1})
        set(points "")
    elseif(ligne MATCHES "^  \\* (.*)$")
        if(point)
            string(APPEND points "          <li>${point}</li>\n")
        endif()
        set(point "${CMAKE_MATCH_1}")
    elseif(ligne MATCHES "^    +(.*)$")
        string(APPEND point " ${CMAKE_MATCH_1}")
    elseif(ligne MATCHES "^ -- .*  [A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
        string(APPEND points "          <li>${point}</li>\n")
        set(point "")
        set(jour ${CMAKE_MATCH_1})
        string(LENGTH "${jour}" chiffres)
        if(chiffres EQUAL 1)
            set(jour 0${jour})
        endif()
        set(date "${CMAKE_MATCH_3}-${mois_${CMAKE_MATCH_2}}-${jour}")
        string(APPEND ORVALINE_PARUTIONS
            "    <release version=\"${version}\" date=\"${date}\">\n"
            "      <description>\n        <ul>\n${points}        </ul>\n      </description>\n"
            "    </release>\n")
    endif()
endforeach()
configure_file(resources/orvaline.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/example.pelandor.Orvaline.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/example.pelandor.Orvaline.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME orvaline)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ORVALINE_NOM}")
set(CPACK_PACKAGE_CONTACT "${ORVALINE_NOM} <${ORVALINE_COURRIEL}>")
# Debian wants the package's description in English; the French one is in the menu entry and
# the software-centre metadata.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "date and duration calculator (in French)")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvaline adds hours, days, weeks, months, quarters or years to a date,
or counts them between two dates, working days with the French public
holidays included, and keeps every calculation in a history. Its time
calculator adds, subtracts, multiplies and divides durations in days,
hours, minutes and seconds, and prints each step on a paper-roll tape.
.
The program and its help speak French.")
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

# Settings that cpack itself reads when it runs: the date stamped on every file of the
# package (the last commit's, unless SOURCE_DATE_EPOCH is already set), and a warning while
# the maker's details are still the example ones.
set(ORVALINE_EPOQUE "$ENV{SOURCE_DATE_EPOCH}")
if(ORVALINE_EPOQUE STREQUAL "")
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE ORVALINE_EPOQUE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
set(ORVALINE_EXEMPLES "")
foreach(v HOTE_TELECHARGEMENT SITE COURRIEL)
    if(ORVALINE_${v} MATCHES "\\.example(/|$)")
        list(APPEND ORVALINE_EXEMPLES ORVALINE_${v})
    endif()
endforeach()
configure_file(cmake/cpack-projet.cmake.in ${PROJECT_BINARY_DIR}/cpack-projet.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/cpack-projet.cmake)
include(CPack)
