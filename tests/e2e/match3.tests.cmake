# Whole runs of the match-3 game: the virtual player wins every level file shipped in
# game/data/levels, and the start of level 1 as a picture. With a hundred levels one seed
# each keeps the test command short (seed = level mod 5 + 1); the twelve levels that teach
# the mechanics are won on all five seeds.
# (brambleton_e2e and E2E_DIR come from frame.tests.cmake, included first.)
file(GLOB M3_LEVEL_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/game/data/levels/level-*.txt)
foreach(level_file ${M3_LEVEL_FILES})
  get_filename_component(level_name ${level_file} NAME_WE)
  string(REGEX REPLACE "^level-" "" level_number ${level_name})
  if(level_number MATCHES "^[0-9]+$" AND level_number LESS_EQUAL 12)
    set(level_seeds 1 2 3 4 5)
  else()
    math(EXPR level_seeds "${level_number} % 5 + 1")
  endif()
  foreach(seed ${level_seeds})
    brambleton_e2e(autoplay_wins_${level_name}_seed_${seed}
      ARGS --level ${level_file} --autoplay --headless --renderer null --fixed-step --seed ${seed}
           --user-dir ${E2E_DIR}/m3_${level_name}_${seed}
      EXPECT_OUTPUT "level result = 102")
  endforeach()
endforeach()

# The quest level by number, and a missing one.
brambleton_e2e(level_by_number_wins
  ARGS --level 1 --autoplay --headless --fixed-step --seed 7 --renderer null --user-dir ${E2E_DIR}/m3_number
  EXPECT_OUTPUT "level result = 102")
brambleton_e2e(missing_level_stops_with_a_message
  ARGS --level 9999 --headless --user-dir ${E2E_DIR}/m3_missing
  EXPECT_EXIT 1 EXPECT_OUTPUT "No level file")

# Level 1 once its cells have appeared and "Go!" is on.
brambleton_e2e(level_1_start_screenshot
  ARGS --level 1 --headless --fixed-step --seed 7 --frames 150 --user-dir ${E2E_DIR}/m3_shot
       --screenshot ${E2E_DIR}/level-1.png
  SCREENSHOT ${E2E_DIR}/level-1.png EXPECT_SIZE 1366x768)
