# The game as a player starts it: the start-up cards, the loading screen and
# the main menu; the virtual player going from there into the quest.

# A plain start reaches the main menu (cards about 400 frames, loading 47,
# the fade into the menu 100) and draws the village behind it.
brambleton_e2e(start_reaches_the_main_menu
  ARGS --headless --fixed-step --seed 2 --frames 700 --user-dir ${E2E_DIR}/front-start
       --screenshot ${E2E_DIR}/front-start.png
  EXPECT_OUTPUT "where = 1" SCREENSHOT ${E2E_DIR}/front-start.png EXPECT_SIZE 1366x768)
brambleton_e2e(screen_menu_opens_the_main_menu
  ARGS --screen menu --headless --fixed-step --frames 60 --user-dir ${E2E_DIR}/front-menu
  EXPECT_OUTPUT "where = 1")

# On a fresh user folder the virtual player clicks the cards away, makes
# itself a profile (the welcome line, the manager's "NEW", its name typed),
# presses play, and plays the new quest: the intro, the village, level 1, its
# summary, the village again.
foreach(seed 1 2 3)
  add_test(NAME e2e_front_end_clean_${seed} COMMAND ${CMAKE_COMMAND} -E rm -rf ${E2E_DIR}/front-quest${seed})
  set_tests_properties(e2e_front_end_clean_${seed} PROPERTIES LABELS e2e FIXTURES_SETUP front_quest_${seed})
  brambleton_e2e(front_end_new_quest_seed_${seed}
    ARGS --autoplay --headless --renderer null --fixed-step --seed ${seed} --frames 9000
         --user-dir ${E2E_DIR}/front-quest${seed}
    EXPECT_OUTPUT "start-up card.*main menu.*profile manager.*name entry.*where = 101.*virtual player: village.*level summary.*where = 102")
  set_tests_properties(e2e_front_end_new_quest_seed_${seed} PROPERTIES FIXTURES_REQUIRED front_quest_${seed})
endforeach()

# A music track that cannot be read is said at its loading step, and the game goes on to the
# main menu, which plays that very track (the title music, here a data file).
set(BAD_TRACK_DIR ${E2E_DIR}/front-bad-track)
add_test(NAME e2e_start_with_a_damaged_track_data
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/game -DDEST=${BAD_TRACK_DIR}/game
    -DUSER_DIR=${BAD_TRACK_DIR}/user -DFILE=sounds.txt -DPATTERN=music/title.ogg
    -DREPLACEMENT=data/chips.txt -P ${CMAKE_CURRENT_SOURCE_DIR}/e2e/whole_quest_data.cmake)
set_tests_properties(e2e_start_with_a_damaged_track_data PROPERTIES LABELS e2e FIXTURES_SETUP bad_track)
brambleton_e2e(start_with_a_damaged_track_reaches_the_main_menu
  ARGS --headless --fixed-step --seed 2 --frames 700 --user-dir ${BAD_TRACK_DIR}/user
       --data-dir ${BAD_TRACK_DIR}/game
  EXPECT_OUTPUT "NIE UDALO SIE ZALADOWAC: .*data/chips.txt FILETYPE : 1.*where = 1")
set_tests_properties(e2e_start_with_a_damaged_track_reaches_the_main_menu PROPERTIES FIXTURES_REQUIRED bad_track)
