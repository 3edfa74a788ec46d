# Installation and the Debian package. The layout is fixed, because the program
# finds its resource folder at ../share/brambleton beside its executable:
#   bin/brambleton
#   share/brambleton/                          the resource folder (game/)
#   share/applications, share/metainfo         desktop entry and AppStream data
#   share/icons/hicolor/<n>x<n>/apps/          the icon in every size
#   share/man/man6/brambleton.6.gz             the manual page
#   share/man/<code>/man6/brambleton.6.gz      the same with its NAME line in each other language
#   share/doc/brambleton/copyright             licences of what is shipped
set(BRAMBLETON_APP_ID org.lanternfold.brambleton)
set(BRAMBLETON_HOMEPAGE "https://brambleton.lanternfold.example" CACHE STRING
    "Web page named in the AppStream data; the screenshots lie below it")
set(BRAMBLETON_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the game")
set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

configure_file(${PACKAGING_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${BRAMBLETON_APP_ID}.metainfo.xml.in @ONLY)

# The desktop entry, the AppStream data and the manual pages speak every language with a
# game/txt/<code>/package.txt (localise.cmake); the languages are those found when CMake runs.
file(GLOB PACKAGE_TEXTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/game/txt/*/package.txt)
set(PACKAGE_LANGUAGES)
foreach(text ${PACKAGE_TEXTS})
  get_filename_component(folder ${text} DIRECTORY)
  get_filename_component(code ${folder} NAME)
  if(NOT code STREQUAL "en")
    list(APPEND PACKAGE_LANGUAGES ${code})
  endif()
endforeach()
set(LOCALISED_DIR ${CMAKE_BINARY_DIR}/packaging)
set(BRAMBLETON_DESKTOP ${LOCALISED_DIR}/${BRAMBLETON_APP_ID}.desktop)
set(BRAMBLETON_METAINFO ${LOCALISED_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml)
set(LOCALISED_MAN_PAGES)
foreach(code ${PACKAGE_LANGUAGES})
  list(APPEND LOCALISED_MAN_PAGES ${LOCALISED_DIR}/man/${code}/brambleton.6)
endforeach()
add_custom_command(OUTPUT ${BRAMBLETON_DESKTOP} ${BRAMBLETON_METAINFO} ${LOCALISED_MAN_PAGES}
  COMMAND ${CMAKE_COMMAND} -DTXT_DIR=${PROJECT_SOURCE_DIR}/game/txt
    -DDESKTOP_IN=${PACKAGING_DIR}/${BRAMBLETON_APP_ID}.desktop.in
    -DMETAINFO_IN=${LOCALISED_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml.in
    -DMAN_IN=${PACKAGING_DIR}/brambleton.6 -DOUT_DIR=${LOCALISED_DIR} -P ${PACKAGING_DIR}/localise.cmake
  DEPENDS ${PACKAGING_DIR}/localise.cmake ${PACKAGING_DIR}/${BRAMBLETON_APP_ID}.desktop.in
    ${LOCALISED_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml.in ${PACKAGING_DIR}/brambleton.6 ${PACKAGE_TEXTS}
  COMMENT "Writing the desktop entry, the AppStream data and the manual pages in every language")

set(BRAMBLETON_MAN_GZ ${CMAKE_BINARY_DIR}/brambleton.6.gz)
# -n: no name or time stamp inside, so the package is the same on every build.
add_custom_command(OUTPUT ${BRAMBLETON_MAN_GZ}
  COMMAND gzip -9nc ${PACKAGING_DIR}/brambleton.6 > ${BRAMBLETON_MAN_GZ}
  DEPENDS ${PACKAGING_DIR}/brambleton.6)
set(LOCALISED_MAN_GZ)
foreach(code ${PACKAGE_LANGUAGES})
  set(gz ${LOCALISED_DIR}/man/${code}/brambleton.6.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9nc ${LOCALISED_DIR}/man/${code}/brambleton.6 > ${gz}
    DEPENDS ${LOCALISED_DIR}/man/${code}/brambleton.6)
  list(APPEND LOCALISED_MAN_GZ ${gz})
  install(FILES ${gz} DESTINATION share/man/${code}/man6)
endforeach()
add_custom_target(man_page ALL DEPENDS ${BRAMBLETON_MAN_GZ} ${LOCALISED_MAN_GZ} ${BRAMBLETON_DESKTOP}
  ${BRAMBLETON_METAINFO})

install(TARGETS brambleton RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/game/ DESTINATION share/brambleton
  PATTERN README.md EXCLUDE)
install(FILES ${BRAMBLETON_DESKTOP} DESTINATION share/applications)
install(FILES ${BRAMBLETON_METAINFO} DESTINATION share/metainfo)
install(FILES ${BRAMBLETON_MAN_GZ} DESTINATION share/man/man6)
install(FILES ${PACKAGING_DIR}/copyright DESTINATION share/doc/brambleton)
if(BRAMBLETON_ICON_DIR)
  install(DIRECTORY ${BRAMBLETON_ICON_DIR}/hicolor DESTINATION share/icons)
else()
  message(STATUS "Desktop icons not drawn in this build: its install has no icon.")
endif()

# The Debian package: cpack -G DEB --config <build>/CPackConfig.cmake
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brambleton)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Lanternfold)
set(CPACK_PACKAGE_CONTACT "Lanternfold <games@lanternfold.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timed match-3 puzzles around a growing village")
set(CPACK_PACKAGE_DESCRIPTION
    "Swap neighbouring chips to make lines of three or more before the clock runs out.\n"
    "Resources won on the board build a village between the levels.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brambleton)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BRAMBLETON_HOMEPAGE})
# dpkg-shlibdeps derives the dependencies from the libraries the program links
# (asked of the program alone: shlib_depends.cmake).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_BRAMBLETON_PROGRAM ${CMAKE_BINARY_DIR}/brambleton)  # where src/CMakeLists.txt puts it
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/shlib_depends.cmake)
# Only bin/ holds a program; the rest is data the package owns outright.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
