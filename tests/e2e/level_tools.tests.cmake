# The level designer's tools: --check-level on a good, a damaged and a missing
# file, --level-sheet on a small folder, and F5 in a run of a level file.
# (brambleton_e2e and E2E_DIR come from frame.tests.cmake, included first.)
set(LT_DATA ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data)

# A small level the virtual player wins on every seed: no loader message, ten
# seed lines, status 0.
set(LT_SEEDS "")
foreach(seed 1 2 3 4 5 6 7 8 9 10)
  string(APPEND LT_SEEDS "seed ${seed}: won, clock used [0-9]+ s of 120 s.")
endforeach()
brambleton_e2e(check_level_good_file
  ARGS --check-level ${LT_DATA}/check-level.txt
  EXPECT_OUTPUT "Loader: no messages.*1 to 10:.${LT_SEEDS}Summary: won 10 of 10, worst clock used [0-9]+ s of 120 s, margin [0-9]+ s\nThe level is fit")
# A copy cut short with bytes of junk: the reader's message, status 1, no crash.
brambleton_e2e(check_level_damaged_file
  ARGS --check-level ${LT_DATA}/damaged-level.txt
  EXPECT_EXIT 1 EXPECT_OUTPUT "Loader messages:.  Napotkano problem : .*it is not played")
# A file the loader mends (an unknown chip, a tile id, a creator off the
# board): won on every seed, but status 1 for the messages.
brambleton_e2e(check_level_file_with_loader_messages
  ARGS --check-level ${LT_DATA}/faulty-level.txt
  EXPECT_EXIT 1
  EXPECT_OUTPUT "Loader messages:.  Nie ma chipsa: 77.*  Level: tile id 7.*  Level: creator 7.*seed 10: won.*The level needs work: the loader gave 3 message")
# A clock of 3 s for a row of double cyan: silent loader, every seed lost,
# status 1.
brambleton_e2e(check_level_lost_on_every_seed
  ARGS --check-level ${LT_DATA}/short-clock-level.txt
  EXPECT_EXIT 1
  EXPECT_OUTPUT "Loader: no messages.*seed 1: lost, clock used 3 s of 3 s.*Summary: won 0 of 10, worst clock used 3 s of 3 s, margin 0 s.The level needs work: 10 seed")
brambleton_e2e(check_level_missing_file
  ARGS --check-level ${E2E_DIR}/no-such-folder/level-1.txt
  EXPECT_EXIT 1 EXPECT_OUTPUT "No level file .*no-such-folder/level-1.txt")
set_tests_properties(e2e_check_level_good_file e2e_check_level_file_with_loader_messages
  e2e_check_level_lost_on_every_seed PROPERTIES TIMEOUT 300)

# Levels 1, 3 and 12 (the last holds no board): two rows of ten cells.
brambleton_e2e(level_sheet_of_a_folder
  ARGS --level-sheet ${E2E_DIR}/level-sheet.png --levels ${LT_DATA}/sheet-levels --user-dir ${E2E_DIR}/lt_sheet
  EXPECT_OUTPUT "Level sheet .*: 3 levels, 1100 x 206"
  SCREENSHOT ${E2E_DIR}/level-sheet.png EXPECT_SIZE 1100x206)
brambleton_e2e(level_sheet_of_an_empty_folder
  ARGS --level-sheet ${E2E_DIR}/no-sheet.png --levels ${LT_DATA}/puzzle-profile --user-dir ${E2E_DIR}/lt_sheet0
  EXPECT_EXIT 1 EXPECT_OUTPUT "No level files")

# F5 pressed at frame 120 through the input queue: the file is read again,
# the level starts over and the virtual player still wins it.
brambleton_e2e(level_file_reloads_on_f5
  ARGS --level ${LT_DATA}/check-level.txt --autoplay --headless --renderer null --fixed-step --seed 3
       --replay ${LT_DATA}/level-reload.rec --user-dir ${E2E_DIR}/lt_reload
  EXPECT_OUTPUT "Reloaded the level file .*check-level.txt.*level result = 102.level clock left = [0-9]+ of 120 s")
