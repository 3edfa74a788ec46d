# The game as installed: cmake --install into a temporary DESTDIR, the
# installed program run from another folder, the desktop files checked by
# their standard validators, the resource folder's error message, and the
# Debian package's contents.
set(INSTALL_WORK ${CMAKE_CURRENT_BINARY_DIR}/install-run)
set(PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

add_test(NAME e2e_install_and_run_elsewhere
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DWORK=${INSTALL_WORK}
    -DPROGRAM=$<TARGET_FILE:brambleton> -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/install_check.cmake)
set_tests_properties(e2e_install_and_run_elsewhere PROPERTIES LABELS e2e TIMEOUT 600)

# A resource folder that is not there, or not whole: one message naming where
# the program looked and what it lacked, status 1.
brambleton_e2e(data_dir_missing ARGS --headless --data-dir ${E2E_DIR}/no-such-folder
  EXPECT_EXIT 1 EXPECT_OUTPUT "looked in:.*no-such-folder/ \\(missing: the folder itself\\).*--data-dir")
brambleton_e2e(data_dir_incomplete ARGS --headless --data-dir ${CMAKE_CURRENT_SOURCE_DIR}/e2e
  EXPECT_EXIT 1 EXPECT_OUTPUT "tests/e2e/ \\(missing: data/chips.txt\\)")
brambleton_e2e(version ARGS --version EXPECT_OUTPUT "^brambleton ${PROJECT_VERSION}")

# The standard validators of the desktop entry and the AppStream data.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry_valid
    COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_BINARY_DIR}/packaging/org.lanternfold.brambleton.desktop)
  set_tests_properties(desktop_entry_valid PROPERTIES LABELS package)
endif()
if(APPSTREAMCLI)
  add_test(NAME appstream_metainfo_valid
    COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
      ${CMAKE_BINARY_DIR}/packaging/org.lanternfold.brambleton.metainfo.xml)
  set_tests_properties(appstream_metainfo_valid PROPERTIES LABELS package)
endif()
# The desktop entry and the AppStream data carry each language's packaging texts, escaped
# where XML needs it.
add_test(NAME packaging_texts_in_every_language
  COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DTXT_DIR=${PROJECT_SOURCE_DIR}/game/txt
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/packaging_texts_check.cmake)
set_tests_properties(packaging_texts_in_every_language PROPERTIES LABELS package)
# The manual page: groff finds no fault, and it names every option of --help.
add_test(NAME manual_page_matches_help
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:brambleton> -DPAGE=${PACKAGING}/brambleton.6
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/man_check.cmake)
set_tests_properties(manual_page_matches_help PROPERTIES LABELS package)

# The Debian package: built by CPack, its dependencies found by dpkg-shlibdeps
# and its files listed. Installing it needs root: see docs/packaging.md.
find_program(DPKG_DEB dpkg-deb)
if(DPKG_DEB)
  add_test(NAME debian_package_contents
    COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/package
      -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/package_check.cmake)
  set_tests_properties(debian_package_contents PROPERTIES LABELS package TIMEOUT 900)
endif()
