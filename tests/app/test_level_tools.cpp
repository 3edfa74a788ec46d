// F5 in a run of a level file: a good edit starts the level over with it, a
// broken one leaves the level in play running.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_line.h"
#include "app/level_tools_parts.h"
#include "frame/frame_loop.h"
#include "frame/user_dir.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

namespace {

// A square board of plain tiles with one cyan tile, fed from the top row.
std::string LevelText(int size, int seconds) {
    std::string text =
        "level {\n data {\n  availableChips = \"1 4 9 18 19\"\n  size = " + std::to_string(size) + ", " +
        std::to_string(size) + "\n  time = " + std::to_string(seconds) + ", " + std::to_string(seconds) +
        "\n }\n tile {\n";
    for (int r = 0; r < size; r++) {
        text += "  row" + std::to_string(r) + " = ";
        for (int c = 0; c < size; c++) text += std::string(c ? ", " : "") + (r == 1 && c == 1 ? "2" : "1");
        text += "\n";
    }
    text += " }\n creators {\n  i = " + std::to_string(size) + "\n";
    for (int c = 0; c < size; c++)
        text += "  c" + std::to_string(c + 1) + " = 0, " + std::to_string(c) + "\n";
    return text + " }\n}\n";
}

class LevelReload : public HeadlessPlatformTest {
protected:
    fs::path dir;
    std::string file;
    TMainGame game;

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        char pattern[] = "/tmp/brambleton-reload-XXXXXX";
        dir = mkdtemp(pattern);
        SetUserDirOverride(dir.string());
        SetupUserDir();
        LoadChipCatalogue();
        file = (dir / "level-7.txt").string();
        Write(LevelText(6, 120));
        game.SetData(LoadLevel(file));
        game.prepare();
        WhileAppearing();
        ASSERT_NE(game.state, M3_APPEARING);
    }
    void TearDown() override {
        game._prepareCleans();
        game.SetData(nullptr);
        chipCatalogue.clear();
        SetUserDirOverride("");
        fs::remove_all(dir);
        HeadlessPlatformTest::TearDown();
    }
    void Write(const std::string& text) const { ASSERT_TRUE(FsSaveBytes(text, file)); }
    void WhileAppearing() {
        for (int i = 0; i < 300 && game.state == M3_APPEARING; i++) Frames(1);
    }
    void Frames(int n) {
        for (int i = 0; i < n; i++) {
            ScreenFrame(game);
            game._afterFrame();
        }
    }
};

}  // namespace

TEST(LevelToolsCommandLine, TakeTheirPathsAndAreListed) {
    CommandLine cl;
    std::string error;
    ASSERT_TRUE(
        ParseCommandLine({"--check-level", "a.txt", "--level-sheet", "s.png", "--levels", "d"}, cl, error))
        << error;
    EXPECT_EQ(cl.checkLevel, "a.txt");
    EXPECT_EQ(cl.levelSheet, "s.png");
    EXPECT_EQ(cl.levelsDir, "d");
    for (const char* flag : {"--check-level", "--level-sheet", "--levels"}) {
        CommandLine missing;
        EXPECT_FALSE(ParseCommandLine({flag}, missing, error)) << flag;
        EXPECT_NE(CommandLineHelp().find(flag), std::string::npos) << flag;
    }
}

TEST_F(LevelReload, AGoodEditStartsTheLevelOverWithIt) {
    const TLevel* before = game.level();
    Write(LevelText(5, 200));
    EXPECT_TRUE(ReloadLevelFile(game, file));
    ASSERT_NE(game.level(), before);
    EXPECT_EQ(game.level()->rows, 5);
    EXPECT_EQ(game.level()->time, 200);
    EXPECT_EQ(game.state, M3_APPEARING);
    WhileAppearing();
    EXPECT_NE(game.state, M3_APPEARING);
}

TEST_F(LevelReload, ABrokenEditLeavesTheLevelInPlay) {
    const TLevel* before = game.level();
    const char* broken[] = {
        "level { data { size = 6, 6 } }",            // no tile rows: no board
        "\x01\xff{{{ = = } level::data::size 9999",  // junk
        "",                                          // emptied
    };
    for (const char* text : broken) {
        Write(text);
        const int state = game.state, timeLeft = game.level()->time;
        EXPECT_FALSE(ReloadLevelFile(game, file)) << text;
        EXPECT_EQ(game.level(), before);
        EXPECT_EQ(game.level()->time, timeLeft);
        EXPECT_EQ(game.state, state);
        Frames(5);  // and the game goes on
    }
    fs::remove(file);
    EXPECT_FALSE(ReloadLevelFile(game, file));
    EXPECT_EQ(game.level(), before);
    Frames(5);
}
