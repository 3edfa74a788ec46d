# The story: the intro between a new quest and the village, watched to its
# end or clicked away, under the virtual player.

# --screen intro: the seven scenes play through (about 112 s) to the village.
brambleton_e2e(story_intro_plays_to_the_village
  ARGS --screen intro --autoplay --headless --renderer null --fixed-step --seed 1 --frames 7100
       --user-dir ${E2E_DIR}/story-intro
  EXPECT_OUTPUT "where = 8.*virtual player: intro.*where = 6.*virtual player: village")

# Told to skip it, the virtual player clicks the intro away after a look.
brambleton_e2e(story_intro_skipped_by_a_click
  ARGS --screen intro --autoplay --skip-story --headless --renderer null --fixed-step --seed 1 --frames 300
       --user-dir ${E2E_DIR}/story-skip
  EXPECT_OUTPUT "virtual player: intro.*where = 6.*virtual player: village")

# A plain start with a fresh folder: the menu's play button starts a new
# quest, which opens with the intro and goes on to the village.
add_test(NAME e2e_story_new_quest_clean COMMAND ${CMAKE_COMMAND} -E rm -rf ${E2E_DIR}/story-new-quest)
set_tests_properties(e2e_story_new_quest_clean PROPERTIES LABELS e2e)
brambleton_e2e(story_new_quest_plays_the_intro
  ARGS --autoplay --headless --renderer null --fixed-step --seed 1 --frames 8000
       --user-dir ${E2E_DIR}/story-new-quest
  EXPECT_OUTPUT "where = 101.*where = 8.*virtual player: intro.*where = 6.*virtual player: village")
set_tests_properties(e2e_story_new_quest_plays_the_intro PROPERTIES DEPENDS e2e_story_new_quest_clean)
