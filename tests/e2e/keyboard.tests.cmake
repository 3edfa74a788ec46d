# The keyboard alone: from the main menu the player moves the focus to "Settings" and presses
# Enter, walks the options' focus up to "Relaxed", ticks it with Enter and closes with Escape.
# The next start plays a two-second level and wins it with the clock still full.
set(KEYBOARD_DIR ${E2E_DIR}/keyboard-options)
add_test(NAME e2e_keyboard_fresh_start COMMAND ${CMAKE_COMMAND} -E rm -rf ${KEYBOARD_DIR})
set_tests_properties(e2e_keyboard_fresh_start PROPERTIES LABELS e2e)
brambleton_e2e(keyboard_reaches_the_options_and_ticks_relaxed
  ARGS --screen menu --headless --fixed-step --seed 5 --frames 260 --user-dir ${KEYBOARD_DIR}
       --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/keyboard-options.rec
  EXPECT_OUTPUT "options: 0")
brambleton_e2e(keyboard_relaxed_level_is_won
  ARGS --level ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/two-second-level.txt --autoplay --headless
       --renderer null --fixed-step --seed 7 --user-dir ${KEYBOARD_DIR}
  EXPECT_OUTPUT "level result = 102.*level clock left = 2 of 2 s")
set_tests_properties(e2e_keyboard_reaches_the_options_and_ticks_relaxed PROPERTIES
  DEPENDS e2e_keyboard_fresh_start)
set_tests_properties(e2e_keyboard_relaxed_level_is_won PROPERTIES
  DEPENDS e2e_keyboard_reaches_the_options_and_ticks_relaxed)
