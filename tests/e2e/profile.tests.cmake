# The quest with one profile: the virtual player wins levels 1, 2 and 3 in
# three runs sharing one user folder; every win passes the level summary,
# which credits the profile, and the profile file keeps it all.
set(PROFILE_DIR ${E2E_DIR}/profile-quest)
add_test(NAME e2e_profile_fresh_folder COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROFILE_DIR})
set_tests_properties(e2e_profile_fresh_folder PROPERTIES LABELS e2e)
set(previous e2e_profile_fresh_folder)
foreach(level 1 2 3)
  brambleton_e2e(profile_level_${level}
    ARGS --level ${level} --autoplay --headless --fixed-step --seed 7 --user-dir ${PROFILE_DIR}
    EXPECT_OUTPUT "level summary: NEXT.*level result = 102")
  set_tests_properties(e2e_profile_level_${level} PROPERTIES DEPENDS ${previous})
  set(previous e2e_profile_level_${level})
endforeach()
add_test(NAME e2e_profile_holds_the_three_wins
  COMMAND ${CMAKE_COMMAND} -DDIR=${PROFILE_DIR} "-DLEVELS=1|2|3"
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/profile_check.cmake)
set_tests_properties(e2e_profile_holds_the_three_wins PROPERTIES DEPENDS ${previous} LABELS e2e)

# A clock of 3 seconds runs out: the lose dialog comes up over the board and
# the virtual player asks for another try.
brambleton_e2e(profile_lost_level_offers_a_replay
  ARGS --level ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/lose-level.txt --autoplay --headless --renderer null
       --fixed-step --seed 7 --user-dir ${E2E_DIR}/profile-lose
  EXPECT_OUTPUT "lose dialog: RESTART.*level result = 105")

# A won level is saved as the next step of the quest: the village before
# level 2, never the won board, so continuing cannot pay the win twice.
set(WON_DIR ${E2E_DIR}/profile-won)
add_test(NAME e2e_profile_won_fresh_folder COMMAND ${CMAKE_COMMAND} -E rm -rf ${WON_DIR})
set_tests_properties(e2e_profile_won_fresh_folder PROPERTIES LABELS e2e)
brambleton_e2e(profile_won_level
  ARGS --level 1 --autoplay --headless --renderer null --fixed-step --seed 7 --user-dir ${WON_DIR}
  EXPECT_OUTPUT "level summary: NEXT.*level result = 102")
set_tests_properties(e2e_profile_won_level PROPERTIES DEPENDS e2e_profile_won_fresh_folder)
add_test(NAME e2e_profile_won_level_saved_as_next_step
  COMMAND ${CMAKE_COMMAND} -DDIR=${WON_DIR} -DLEVELS=1 -DNEXT_LEVEL=2
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/profile_check.cmake)
set_tests_properties(e2e_profile_won_level_saved_as_next_step PROPERTIES
  DEPENDS e2e_profile_won_level LABELS e2e)
