// The puzzle screen: its states and their timings, the skip countdown and
// button, the win with its blueprint, and leaving early.
#include <cstdlib>
#include <filesystem>

#include "effects/particles.h"
#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_game.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"

namespace {
class PuzzleGameTest : public PuzzleTest {
protected:
    std::string root, savedUserDir;
    std::shared_ptr<TLandItem> item;
    int saves = 0;

    void SetUp() override {
        PuzzleTest::SetUp();
        std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-puzzle-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        root = tmpl;
        std::filesystem::create_directories(root + "/Data");
        savedUserDir = userDir;
        userDir = root;
        item = std::make_shared<TLandItem>();
        item->id = 12;
        item->puzzleId = 5;
        landItems = {item};
        actProfile = std::make_shared<TProfile>();
        actProfile->name = "Tester";
        FrameHooks().saveProfiles = [this] {
            saves++;
            return true;
        };
        puzzleGame.hooks = TPuzzleGameHooks();
        puzzleGame.wynik = 0;
        puzzleGame.setData(Make(1, 2, 2), 5);
        puzzleGame.prepare();
    }
    void TearDown() override {
        FrameHooks().saveProfiles = nullptr;
        puzzleGame.level = nullptr;
        ClearParticles(&particleList);
        landItems.clear();
        actProfile = nullptr;
        userDir = savedUserDir;
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        PuzzleTest::TearDown();
    }
    // One frame of the screen's loop, the buttons included.
    void Frame(int frames = 1) {
        for (int i = 0; i < frames; i++) {
            ScreenFrame(puzzleGame);
            puzzleGame._afterFrame();
        }
    }
    void ClickSkip() {
        InPushEvent(MouseMoveEvent(static_cast<float>(puzzleGame.skipX + 20),
                                   static_cast<float>(puzzleGame.skipY + 20)));
        Frame();
        InPushEvent(MouseButtonEvent(true));
        Frame();
        InPushEvent(MouseButtonEvent(false));
        Frame();
    }
    void ToGameState() {
        for (int i = 0; i < 600 && puzzleGame.state == PUZZLE_BEGIN; i++) Frame();
        ASSERT_EQ(puzzleGame.state, PUZZLE_GAME);
    }
};
}  // namespace

TEST_F(PuzzleGameTest, TheCountdownReadsSixtyOneOnlyAtTheStartThenCountsDown) {
    EXPECT_EQ(puzzleGame.CountSkipSeconds(), "61");
    Frame();
    EXPECT_EQ(puzzleGame.CountSkipSeconds(), "60");
    SysAdvanceFixedClock(59000 - 17);
    Frame();
    EXPECT_EQ(puzzleGame.CountSkipSeconds(), "1");
    EXPECT_LT(puzzleGame.skipPer, 1);
    EXPECT_EQ(puzzleGame.showUpSkip, 0);
    SysAdvanceFixedClock(1000);
    Frame();
    EXPECT_FLOAT_EQ(puzzleGame.skipPer, 1);
    EXPECT_EQ(puzzleGame.showUpSkip, 1);
    Frame(49);
    EXPECT_EQ(puzzleGame.showUpSkip, 1);
    Frame(2);
    EXPECT_EQ(puzzleGame.showUpSkip, 0);
    EXPECT_FLOAT_EQ(puzzleGame.showUpP, 1);
}

TEST_F(PuzzleGameTest, TheSkipButtonWinsOnlyInTheGameStateAfterSixtySeconds) {
    ClickSkip();  // during the opening and before the minute: nothing
    EXPECT_EQ(puzzleGame.state, PUZZLE_BEGIN);
    ToGameState();
    ClickSkip();  // the minute is not over
    EXPECT_EQ(puzzleGame.state, PUZZLE_GAME);
    SysAdvanceFixedClock(PUZZLE_SKIP_MS);
    Frame(52);
    ClickSkip();
    EXPECT_EQ(puzzleGame.state, PUZZLE_WIN);
    EXPECT_TRUE(actProfile->HaveBluePrint(12));
    // After the win the button does nothing more.
    ClickSkip();
    EXPECT_EQ(actProfile->bluePrints.size(), 1u);
}

TEST_F(PuzzleGameTest, AWinFadesTheColouredPictureInWaitsAndReturnsTheVillage) {
    ToGameState();
    puzzleGame.Win();
    EXPECT_EQ(puzzleGame.state, PUZZLE_WIN);
    int frames = 0;
    while (puzzleGame.state == PUZZLE_WIN && frames < 1000) {
        Frame();
        frames++;
    }
    EXPECT_NEAR(frames, 240, 2);  // four seconds
    EXPECT_FLOAT_EQ(puzzleGame.imageA, 1);
    while (!(puzzleGame.alpha <= 0 && puzzleGame.dAlpha <= 0) && frames < 1000) {
        Frame();
        frames++;
    }
    EXPECT_NEAR(frames, 240 + 120 + 20, 3);  // two seconds of waiting, then the fade
    EXPECT_EQ(puzzleGame.wynik, SCREEN_LAND);
}

TEST_F(PuzzleGameTest, TheBlueprintIsAddedAndSavedOncePerWin) {
    ToGameState();
    cheats = 1;
    InPushEvent(KeyEvent(true, 'W'));
    Frame();
    InPushEvent(KeyEvent(false, 'W'));
    InPushEvent(KeyEvent(true, 'W'));
    Frame();
    cheats = 0;
    EXPECT_EQ(actProfile->bluePrints.size(), 1u);
    EXPECT_EQ(actProfile->actPuzzleLevel, 5);
    EXPECT_EQ(saves, 1);
    // Winning the same puzzle again keeps one blueprint.
    puzzleGame.prepare();
    ToGameState();
    puzzleGame.Win();
    EXPECT_EQ(actProfile->bluePrints.size(), 1u);
    EXPECT_EQ(saves, 2);
}

TEST_F(PuzzleGameTest, APuzzleNoItemCarriesWinsNothing) {
    puzzleGame.setData(Make(1, 1, 1), 99);
    puzzleGame.prepare();
    ToGameState();
    Frame();
    EXPECT_EQ(puzzleGame.state, PUZZLE_WIN);  // one piece: solved at once
    EXPECT_TRUE(actProfile->bluePrints.empty());
}

TEST_F(PuzzleGameTest, LeavingDuringTheOpeningGivesNoBlueprint) {
    Frame(3);
    puzzleGame.goMenu();
    int frames = 0;
    while (!(puzzleGame.alpha <= 0 && puzzleGame.dAlpha <= 0) && frames < 100) {
        Frame();
        frames++;
    }
    EXPECT_LT(frames, 10);
    EXPECT_TRUE(actProfile->bluePrints.empty());
}

TEST_F(PuzzleGameTest, WithoutALevelTheLoopReturnsTheVillageAtOnce) {
    puzzleGame.level = nullptr;
    EXPECT_EQ(puzzleGame.mainLoop(), SCREEN_LAND);
}
