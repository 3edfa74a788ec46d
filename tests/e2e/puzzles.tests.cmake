# Whole runs of the puzzles: the virtual player solves every shipped puzzle
# file and a puzzle of each kind whose picture the grid does not divide
# through the mouse, a missing puzzle stops with a message, and a
# village offer in the puzzle state is played, won and its blueprint saved.
# (brambleton_e2e and E2E_DIR come from frame.tests.cmake, included first.)
file(GLOB PUZZLE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/game/data/puzzles/puzzle-*.txt)
foreach(puzzle_file ${PUZZLE_FILES})
  get_filename_component(puzzle_name ${puzzle_file} NAME_WE)
  string(REPLACE "puzzle-" "" number ${puzzle_name})
  brambleton_e2e(autoplay_solves_${puzzle_name}
    ARGS --puzzle ${number} --autoplay --headless --renderer null --fixed-step --seed ${number}
         --user-dir ${E2E_DIR}/puzzle-${number}
    EXPECT_OUTPUT "puzzle solved.*puzzle result = 6")
endforeach()

# Pictures the grid does not divide (600 x 360 in 7 columns, 7 rows): each kind is played, the
# swap and sliding pieces leaving a strip of the faded picture at the right or the bottom.
foreach(uneven swap-7x7 pairs-4x7 memory-4x7 sliding-3x7)
  brambleton_e2e(autoplay_solves_uneven_${uneven}
    ARGS --puzzle ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/uneven-puzzles/${uneven}.txt --autoplay --headless
         --renderer null --fixed-step --seed 7 --user-dir ${E2E_DIR}/uneven-${uneven}
    EXPECT_OUTPUT "puzzle solved.*puzzle result = 6")
endforeach()

brambleton_e2e(missing_puzzle_stops_with_a_message
  ARGS --puzzle 9999 --headless --user-dir ${E2E_DIR}/puzzle-missing
  EXPECT_EXIT 1 EXPECT_OUTPUT "No puzzle file")

# A profile with 5000 of everything and the blueprints of the first row but
# the first: its offer (puzzle 1) is in the puzzle state. The virtual player
# plays it from the village and wins it; the blueprint is in the profile file.
set(PUZZLE_VILLAGE_DIR ${E2E_DIR}/puzzle-village)
add_test(NAME e2e_puzzle_village_clean COMMAND ${CMAKE_COMMAND} -E rm -rf ${PUZZLE_VILLAGE_DIR})
set_tests_properties(e2e_puzzle_village_clean PROPERTIES LABELS e2e)
add_test(NAME e2e_puzzle_village_profile
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/puzzle-profile
    ${PUZZLE_VILLAGE_DIR})
set_tests_properties(e2e_puzzle_village_profile PROPERTIES LABELS e2e FIXTURES_SETUP puzzle_profile
  DEPENDS e2e_puzzle_village_clean)
brambleton_e2e(village_offer_puzzle_won
  ARGS --screen village --autoplay --headless --renderer null --fixed-step --seed 3 --frames 4000
       --user-dir ${PUZZLE_VILLAGE_DIR}
  EXPECT_OUTPUT "virtual player: puzzle.*puzzle solved")
set_tests_properties(e2e_village_offer_puzzle_won PROPERTIES FIXTURES_REQUIRED puzzle_profile
  FIXTURES_SETUP puzzle_won)
add_test(NAME e2e_village_offer_puzzle_blueprint_saved
  COMMAND ${CMAKE_COMMAND} -DDIR=${PUZZLE_VILLAGE_DIR} -DPUZZLE=1
    -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/puzzle_check.cmake)
set_tests_properties(e2e_village_offer_puzzle_blueprint_saved PROPERTIES LABELS e2e
  FIXTURES_REQUIRED "puzzle_profile;puzzle_won")

# The play flow from a fresh profile: the virtual player earns resources on the
# board until an offer in the puzzle state appears, plays its puzzle from the
# village, wins it and buys the building.
set(PUZZLE_FRESH_DIR ${E2E_DIR}/puzzle-fresh)
add_test(NAME e2e_puzzle_fresh_clean COMMAND ${CMAKE_COMMAND} -E rm -rf ${PUZZLE_FRESH_DIR})
set_tests_properties(e2e_puzzle_fresh_clean PROPERTIES LABELS e2e FIXTURES_SETUP puzzle_fresh)
brambleton_e2e(fresh_village_plays_a_puzzle_offer
  ARGS --screen village --autoplay --headless --renderer null --fixed-step --seed 1 --frames 20000
       --user-dir ${PUZZLE_FRESH_DIR}
  EXPECT_OUTPUT "virtual player: puzzle.*puzzle solved.*building preview: BUY")
set_tests_properties(e2e_fresh_village_plays_a_puzzle_offer PROPERTIES FIXTURES_REQUIRED puzzle_fresh)
