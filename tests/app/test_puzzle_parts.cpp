// The puzzles' wiring: --puzzle on the command line, and a quest saved
// inside a puzzle coming back to it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/command_line.h"
#include "app/puzzle_parts.h"
#include "frame/control.h"
#include "frame/globals.h"
#include "puzzles/puzzle_game.h"
#include "quest/profile.h"
#include "support/headless_platform.h"

TEST(PuzzleCommandLine, TakesANumberOrAPathAndIsListed) {
    CommandLine cl;
    std::string error;
    ASSERT_TRUE(ParseCommandLine({"--puzzle", "7", "--autoplay"}, cl, error)) << error;
    EXPECT_EQ(cl.puzzle, "7");
    EXPECT_TRUE(cl.autoplay);
    CommandLine missing;
    EXPECT_FALSE(ParseCommandLine({"--puzzle"}, missing, error));
    EXPECT_NE(CommandLineHelp().find("--puzzle N|PATH"), std::string::npos);
}

class ResumedPuzzle : public HeadlessPlatformTest {};

TEST_F(ResumedPuzzle, AQuestSavedInsideAPuzzleContinuesThere) {
    RegisterPuzzles();
    actProfile = std::make_shared<TProfile>();
    actProfile->actScreen = SCREEN_PUZZLE;
    actProfile->actPuzzleLevel = 3;
    actProfile->questLevelId = 1;
    puzzleGame.level = nullptr;
    // The shipped puzzle 3 needs its pictures: made here in a copy of its
    // folder.
    const std::string saved = gameDir;
    std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-resume-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    gameDir = tmpl + "/";
    std::filesystem::create_directories(tmpl + "/data/puzzles");
    std::filesystem::create_directories(tmpl + "/gfx/puzzles");
    std::filesystem::copy_file(saved + "data/puzzles/puzzle-3.txt", tmpl + "/data/puzzles/puzzle-3.txt");
    Pixmap pix;
    pix.w = 600;
    pix.h = 360;
    pix.rgba.assign(600 * 360 * 4, 128);
    ASSERT_TRUE(GfxSavePng(pix, tmpl + "/gfx/puzzles/puzzle-3.jpg", 1));
    ASSERT_TRUE(GfxSavePng(pix, tmpl + "/gfx/puzzles/puzzle-3-sepia.jpg", 1));
    EXPECT_EQ(actProfile->QUEST_Continue(), SCREEN_PUZZLE);
    ASSERT_TRUE(puzzleGame.level);
    EXPECT_EQ(puzzleGame.level->rows * puzzleGame.level->cols, 6);
    EXPECT_EQ(actProfile->actPuzzleLevel, 3);
    gameDir = saved;
    puzzleGame.level = nullptr;
    actProfile = nullptr;
    std::error_code ec;
    std::filesystem::remove_all(tmpl, ec);
}
