# The village: buying through real clicks, a restart that shows the building
# standing, and the quest's loop (level, summary, village, next level) under
# the virtual player.

# A profile with 5000 of everything and the blueprints of the first row:
# clicks on the first offer's button and on the preview's "BUY" buy the
# farmstead (item 2: 150 wood, 100 food, 100 rock), which is saved at once.
set(VILLAGE_DIR ${E2E_DIR}/village-buy)
add_test(NAME e2e_village_fresh_profile
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/village-profile ${VILLAGE_DIR})
set_tests_properties(e2e_village_fresh_profile PROPERTIES LABELS e2e FIXTURES_SETUP village_profile)
add_test(NAME e2e_village_clean_profile COMMAND ${CMAKE_COMMAND} -E rm -rf ${VILLAGE_DIR})
set_tests_properties(e2e_village_clean_profile PROPERTIES LABELS e2e FIXTURES_SETUP village_profile)
set_tests_properties(e2e_village_fresh_profile PROPERTIES DEPENDS e2e_village_clean_profile)
brambleton_e2e(village_buys_through_clicks
  ARGS --screen village --headless --fixed-step --seed 1 --frames 200 --user-dir ${VILLAGE_DIR}
       --replay ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/village-buy.rec
  EXPECT_OUTPUT "buildings standing: 0.*building preview: BUY")
set_tests_properties(e2e_village_buys_through_clicks PROPERTIES FIXTURES_REQUIRED village_profile
  FIXTURES_SETUP village_bought)
add_test(NAME e2e_village_profile_holds_the_purchase
  COMMAND ${CMAKE_COMMAND} -DDIR=${VILLAGE_DIR} -DITEM=2 "-DSTOCK=4920|4950|5000|4980"
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/village_check.cmake)
set_tests_properties(e2e_village_profile_holds_the_purchase PROPERTIES LABELS e2e
  FIXTURES_REQUIRED "village_profile;village_bought")
brambleton_e2e(village_restart_shows_the_building
  ARGS --screen village --headless --fixed-step --seed 1 --frames 30 --user-dir ${VILLAGE_DIR}
       --screenshot ${E2E_DIR}/village-restart.png
  EXPECT_OUTPUT "buildings standing: 1" SCREENSHOT ${E2E_DIR}/village-restart.png)
set_tests_properties(e2e_village_restart_shows_the_building PROPERTIES
  FIXTURES_REQUIRED "village_profile;village_bought" DEPENDS e2e_village_profile_holds_the_purchase)

# From a fresh profile the virtual player leaves the village for level 1, wins
# it, comes back to the village through the summary and starts level 2.
foreach(seed 1 2 3)
  add_test(NAME e2e_village_loop_clean_${seed} COMMAND ${CMAKE_COMMAND} -E rm -rf ${E2E_DIR}/village-loop${seed})
  set_tests_properties(e2e_village_loop_clean_${seed} PROPERTIES LABELS e2e)
  brambleton_e2e(village_loop_seed_${seed}
    ARGS --screen village --autoplay --headless --renderer null --fixed-step --seed ${seed} --frames 9000
         --user-dir ${E2E_DIR}/village-loop${seed}
    EXPECT_OUTPUT
      "virtual player: village.*where = 2.*level summary: NEXT.*where = 102.*where = 6.*virtual player: village.*where = 2")
  set_tests_properties(e2e_village_loop_seed_${seed} PROPERTIES DEPENDS e2e_village_loop_clean_${seed})
endforeach()

brambleton_e2e(village_unknown_screen ARGS --screen nowhere --headless --user-dir ${E2E_DIR}/village-unknown
  EXPECT_EXIT 2 EXPECT_OUTPUT "--screen takes .*village")
