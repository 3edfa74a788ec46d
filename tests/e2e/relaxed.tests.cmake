# The relaxed mode: the player ticks "Relaxed" in the options over the main menu and closes the
# dialog with Escape; the next start plays a level whose clock is two seconds and wins it, with
# the clock still full. The same level without the relaxed mode is lost.
set(RELAXED_DIR ${E2E_DIR}/relaxed-on)
set(TWO_SECONDS ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/two-second-level.txt)
add_test(NAME e2e_relaxed_fresh_start COMMAND ${CMAKE_COMMAND} -E rm -rf ${RELAXED_DIR})
set_tests_properties(e2e_relaxed_fresh_start PROPERTIES LABELS e2e)
brambleton_e2e(relaxed_ticked_in_the_options
  ARGS --screen options --headless --fixed-step --seed 5 --frames 200
       --user-dir ${RELAXED_DIR} --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/relaxed-on.rec
  EXPECT_OUTPUT "options: 0")
brambleton_e2e(relaxed_two_second_level_is_won
  ARGS --level ${TWO_SECONDS} --autoplay --headless --renderer null --fixed-step --seed 7
       --user-dir ${RELAXED_DIR}
  EXPECT_OUTPUT "level result = 102.*level clock left = 2 of 2 s")
set_tests_properties(e2e_relaxed_ticked_in_the_options PROPERTIES DEPENDS e2e_relaxed_fresh_start)
set_tests_properties(e2e_relaxed_two_second_level_is_won PROPERTIES DEPENDS e2e_relaxed_ticked_in_the_options)

add_test(NAME e2e_relaxed_off_fresh_start COMMAND ${CMAKE_COMMAND} -E rm -rf ${E2E_DIR}/relaxed-off)
set_tests_properties(e2e_relaxed_off_fresh_start PROPERTIES LABELS e2e)
brambleton_e2e(relaxed_off_two_second_level_is_lost
  ARGS --level ${TWO_SECONDS} --autoplay --headless --renderer null --fixed-step --seed 7
       --user-dir ${E2E_DIR}/relaxed-off
  EXPECT_OUTPUT "lose dialog: RESTART.*level result = 105")
set_tests_properties(e2e_relaxed_off_two_second_level_is_lost PROPERTIES DEPENDS e2e_relaxed_off_fresh_start)
