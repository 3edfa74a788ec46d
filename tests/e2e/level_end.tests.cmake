# Whole levels played to their summary with frame statistics: after the first frame of the
# board no frame decodes a picture or a sound that was not asked for ahead, neither while the
# level starts (cells and captions appearing), nor at its end (the caption, the summary).
# (E2E_DIR comes from frame.tests.cmake, included first.)
foreach(level 1 12)
  add_test(NAME e2e_level_${level}_frames_decode_nothing_unasked
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:brambleton>
      "-DARGS=--level|${level}|--autoplay|--headless|--renderer|software|--fixed-step|--seed|7"
      -DUSER_DIR=${E2E_DIR}/loads_${level} -DSTATS=${E2E_DIR}/loads_${level}.txt -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/frame_loads_check.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
  set_tests_properties(e2e_level_${level}_frames_decode_nothing_unasked
    PROPERTIES LABELS e2e ENVIRONMENT "SDL_AUDIODRIVER=dummy" TIMEOUT 900)
endforeach()

# A damaged script of the summary or of the board (cut short by a torn write) never leaves the
# player without a way on: the screen's built-in layout gives its buttons, the virtual player
# clicks the summary's "continue" through it, and a player leaves the board through its menu.
foreach(spoilt summary mainGame)
  if(spoilt STREQUAL "summary")
    set(script gfx/gui/levelSummary/en/summary.gui)
  else()
    set(script gfx/gui/mainGame/en/mainGame.gui)
  endif()
  set(dir ${E2E_DIR}/spoilt-${spoilt})
  add_test(NAME e2e_damaged_${spoilt}_gui_data
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/game -DDEST=${dir}/game -DUSER_DIR=${dir}/user
      -DFILE=${script} -DKEEP=200 -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/spoilt_file.cmake)
  set_tests_properties(e2e_damaged_${spoilt}_gui_data PROPERTIES LABELS e2e FIXTURES_SETUP spoilt_${spoilt})
  brambleton_e2e(damaged_${spoilt}_gui_level_goes_on
    ARGS --level 1 --autoplay --headless --renderer null --fixed-step --seed 7 --user-dir ${dir}/user
         --data-dir ${dir}/game
    EXPECT_OUTPUT "${spoilt}.gui' gives no usable.*built-in layout.*level summary: NEXT.*level result = 102")
  set_tests_properties(e2e_damaged_${spoilt}_gui_level_goes_on PROPERTIES FIXTURES_REQUIRED spoilt_${spoilt})
endforeach()
brambleton_e2e(damaged_mainGame_gui_board_is_left_through_its_menu
  ARGS --level 1 --headless --renderer null --fixed-step --seed 7 --frames 900
       --user-dir ${E2E_DIR}/spoilt-mainGame/user-leave --data-dir ${E2E_DIR}/spoilt-mainGame/game
       --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/leave-level.rec
  EXPECT_OUTPUT "built-in layout.*options: 1.*level result = 1")
set_tests_properties(e2e_damaged_mainGame_gui_board_is_left_through_its_menu PROPERTIES
  FIXTURES_REQUIRED spoilt_mainGame DEPENDS e2e_damaged_mainGame_gui_level_goes_on)
