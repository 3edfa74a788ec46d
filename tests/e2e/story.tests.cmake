# The story: the intro between a new quest and the village, watched to its
# end or clicked away, and the outro after the last level with the credits
# and the main menu, all under the virtual player.

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

# --screen outro: the pictures, the credits over them, then the main menu.
brambleton_e2e(story_outro_then_credits_then_menu
  ARGS --screen outro --autoplay --headless --renderer null --fixed-step --seed 1 --frames 5600
       --user-dir ${E2E_DIR}/story-outro
  EXPECT_OUTPUT "where = 9.*virtual player: outro.*virtual player: credits.*credits: closed.*where = 1")

# A profile at the last level: it is won, the quest has no next level, and
# the outro, the credits and the main menu follow.
set(LAST_DIR ${E2E_DIR}/story-last-level)
add_test(NAME e2e_story_last_level_clean COMMAND ${CMAKE_COMMAND} -E rm -rf ${LAST_DIR})
add_test(NAME e2e_story_last_level_profile
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/story-last-level ${LAST_DIR})
set_tests_properties(e2e_story_last_level_clean PROPERTIES LABELS e2e)
set_tests_properties(e2e_story_last_level_profile PROPERTIES LABELS e2e DEPENDS e2e_story_last_level_clean)
brambleton_e2e(story_last_level_won_leads_to_the_outro
  ARGS --autoplay --headless --renderer null --fixed-step --seed 3 --frames 40000 --user-dir ${LAST_DIR}
  EXPECT_OUTPUT
    "where = 104.*where = 2.*level summary: NEXT.*where = 102.*where = 9.*virtual player: outro.*credits: closed.*where = 1")
set_tests_properties(e2e_story_last_level_won_leads_to_the_outro PROPERTIES DEPENDS e2e_story_last_level_profile)
