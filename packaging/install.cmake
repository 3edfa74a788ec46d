# Installation and the Debian package. The layout is fixed, because the program
# finds its resource folder at ../share/brambleton beside its executable:
#   bin/brambleton
#   share/brambleton/                          the resource folder (game/)
#   share/applications, share/metainfo         desktop entry and AppStream data
#   share/icons/hicolor/<n>x<n>/apps/          the icon in every size
#   share/man/man6/brambleton.6.gz             the manual page
#   share/doc/brambleton/copyright             licences of what is shipped
set(BRAMBLETON_APP_ID org.lanternfold.brambleton)
set(BRAMBLETON_HOMEPAGE "https://brambleton.lanternfold.example" CACHE STRING
    "Web page named in the AppStream data; the screenshots lie below it")
set(BRAMBLETON_LICENSE "LicenseRef-proprietary" CACHE STRING "SPDX licence of the game")
set(PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

configure_file(${PACKAGING_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml @ONLY)
set(BRAMBLETON_MAN_GZ ${CMAKE_BINARY_DIR}/brambleton.6.gz)
# -n: no name or time stamp inside, so the package is the same on every build.
add_custom_command(OUTPUT ${BRAMBLETON_MAN_GZ}
  COMMAND gzip -9nc ${PACKAGING_DIR}/brambleton.6 > ${BRAMBLETON_MAN_GZ}
  DEPENDS ${PACKAGING_DIR}/brambleton.6)
add_custom_target(man_page ALL DEPENDS ${BRAMBLETON_MAN_GZ})

install(TARGETS brambleton RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/game/ DESTINATION share/brambleton
  PATTERN README.md EXCLUDE)
install(FILES ${PACKAGING_DIR}/${BRAMBLETON_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${BRAMBLETON_APP_ID}.metainfo.xml DESTINATION share/metainfo)
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
