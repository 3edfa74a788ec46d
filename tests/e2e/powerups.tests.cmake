# Whole runs of a level with the virtual player: the power-up bar in real
# use, and the shuffle of a board without moves.
set(POWERUP_LEVEL ${CMAKE_CURRENT_SOURCE_DIR}/e2e/data/powerups-level.txt)
set(NO_MOVES_LEVEL ${CMAKE_CURRENT_SOURCE_DIR}/match3/data/no-moves.txt)

# All six unlocked from the start: each one is used, and the level is won.
set(n "[1-9][0-9]*")
set(all_six "hammer ${n}, hourglass ${n}, pickaxe ${n}, dynamite ${n}, bomb ${n}, color ${n}")
brambleton_e2e(powerups_each_used_and_the_level_won
  ARGS --headless --renderer null --fixed-step --seed 4 --user-dir ${E2E_DIR}/powerups
       --level ${POWERUP_LEVEL} --autoplay --unlock-powerups
  EXPECT_OUTPUT "power-up used: .*power-ups used: ${all_six}.*level result = 102")

# The board starts without a possible move: it is thrown off and dealt anew.
brambleton_e2e(board_without_moves_is_shuffled
  ARGS --headless --fixed-step --seed 2 --user-dir ${E2E_DIR}/nomoves --level ${NO_MOVES_LEVEL}
       --autoplay --frames 600 --screenshot ${E2E_DIR}/nomoves.png
  EXPECT_OUTPUT "board shuffled" SCREENSHOT ${E2E_DIR}/nomoves.png)
