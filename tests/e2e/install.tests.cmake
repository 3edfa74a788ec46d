# The game as installed: cmake --install into a temporary DESTDIR, the
# installed program run from another folder, the desktop files checked by
# their standard validators, the resource folder's error message, and the
# Debian package's contents.
set(INSTALL_WORK ${CMAKE_CURRENT_BINARY_DIR}/install-run)
set(PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

add_test(NAME e2e_install_and_run_elsewhere
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DWORK=${INSTALL_WORK}
    -DSCREENSHOT=${E2E_DIR}/installed.png -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/install_check.cmake)
# The same run of the program in the build folder, started in the source tree.
brambleton_e2e(build_tree_level_picture
  ARGS --headless --fixed-step --seed 7 --frames 150 --level 1 --user-dir ${E2E_DIR}/buildtree
       --screenshot ${E2E_DIR}/buildtree.png
  SCREENSHOT ${E2E_DIR}/buildtree.png EXPECT_SIZE 1366x768)
# The installed program found every picture, font and text: the same frame.
add_test(NAME e2e_installed_program_draws_the_same_picture
  COMMAND ${CMAKE_COMMAND} -E compare_files ${E2E_DIR}/installed.png ${E2E_DIR}/buildtree.png)
set_tests_properties(e2e_install_and_run_elsewhere PROPERTIES LABELS e2e TIMEOUT 600
  FIXTURES_SETUP installed_picture)
set_tests_properties(e2e_build_tree_level_picture PROPERTIES FIXTURES_SETUP build_tree_picture)
set_tests_properties(e2e_installed_program_draws_the_same_picture PROPERTIES LABELS e2e
  FIXTURES_REQUIRED "installed_picture;build_tree_picture")

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
    COMMAND ${DESKTOP_FILE_VALIDATE} ${PACKAGING}/org.lanternfold.brambleton.desktop)
  set_tests_properties(desktop_entry_valid PROPERTIES LABELS package)
endif()
if(APPSTREAMCLI)
  add_test(NAME appstream_metainfo_valid
    COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
      ${CMAKE_BINARY_DIR}/org.lanternfold.brambleton.metainfo.xml)
  set_tests_properties(appstream_metainfo_valid PROPERTIES LABELS package)
endif()
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
