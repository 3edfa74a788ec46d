// The match-3 screen's input: picking, swapping by drag and by two clicks,
// the drag threshold, and the Menu key outside play.
#include "frame/control.h"
#include "main_game_fixture.h"

namespace {

class MainGameInput : public MainGameTest {
protected:
    int Swaps() const {
        int n = 0;
        for (auto& s : sounds)
            if (s.rfind("chip-move-", 0) == 0) n++;
        return n;
    }
};

}  // namespace

TEST(MainGameDrag, DirectionNeedsMoreThanFivePixelsAlongTheLongerAxis) {
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 94, 100), 0);   // left
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 100, 94), 1);   // up
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 106, 100), 2);  // right
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 100, 106), 3);  // down
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 105, 100), 4);
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 95, 104), 4);
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 120, 120), 4);  // diagonal
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 80, 120), 4);
    EXPECT_EQ(TMainGame::CheckDistance(100, 100, 107, 103), 2);
}

TEST_F(MainGameInput, DraggingSixPixelsRightSwapsWithTheRightNeighbour) {
    StartPlaying(BoardWithGoal());
    TTile* a = T(2, 2);
    auto chipA = a->chip, chipB = T(2, 3)->chip;
    MoveMouse(static_cast<float>(a->drawX), static_cast<float>(a->drawY));
    Frame();
    Button(true);
    Frame();
    EXPECT_EQ(game.board.picked, a);
    MoveMouse(static_cast<float>(a->drawX + 6), static_cast<float>(a->drawY));
    Frame();
    ASSERT_EQ(game.board.pairsList.size(), 1u);
    EXPECT_EQ(game.board.pairsList.front()->chip1, chipA);
    EXPECT_EQ(game.board.pairsList.front()->chip2, chipB);
    EXPECT_EQ(game.board.picked, nullptr);
    Button(false);
    Frame();
    EXPECT_EQ(Swaps(), 1);
}

TEST_F(MainGameInput, DraggingFivePixelsOrDiagonallyDoesNothing) {
    StartPlaying(BoardWithGoal());
    Drag(T(2, 2), 5, 0);
    Drag(T(2, 2), 0, -5);
    Drag(T(2, 2), 8, 8);
    Drag(T(2, 2), -9, 9);
    EXPECT_EQ(Swaps(), 0);
    EXPECT_TRUE(game.board.pairsList.empty());
    EXPECT_EQ(game.board.picked, T(2, 2));  // the pressed chip stays selected
}

TEST_F(MainGameInput, DragsInEveryDirectionReachTheMatchingNeighbour) {
    StartPlaying(BoardWithGoal());
    const int vectors[4][2] = {{-7, 0}, {0, -7}, {7, 0}, {0, 7}};
    const int cells[4][2] = {{2, 1}, {1, 2}, {2, 3}, {3, 2}};
    for (int d = 0; d < 4; d++) {
        auto other = T(cells[d][0], cells[d][1])->chip;
        Drag(T(2, 2), vectors[d][0], vectors[d][1]);
        ASSERT_EQ(Swaps(), d + 1);
        // No line forms: the chips slide back once the swap is over.
        Frame(60);
        EXPECT_EQ(T(cells[d][0], cells[d][1])->chip, other);
    }
}

TEST_F(MainGameInput, ClickingANonNeighbourMovesTheSelectionAndANeighbourSwaps) {
    StartPlaying(BoardWithGoal());
    Click(T(0, 0));
    EXPECT_EQ(game.board.picked, T(0, 0));
    Click(T(2, 2));
    EXPECT_EQ(game.board.picked, T(2, 2));
    EXPECT_EQ(Swaps(), 0);
    Click(T(2, 3));
    EXPECT_EQ(Swaps(), 1);
    EXPECT_EQ(game.board.picked, nullptr);
}

TEST_F(MainGameInput, ASwapThatFormsALineDestroysIt) {
    StartPlaying(BoardWithGoal());
    auto a = T(0, 0)->chip;
    Click(T(1, 2));
    Click(T(0, 2));  // row 0 becomes A A A
    Frame(60);
    EXPECT_NE(T(0, 0)->chip, a);
    EXPECT_GT(game.level()->score, 0);
}

TEST_F(MainGameInput, ScrollChipsCannotBePicked) {
    LevelSpec spec = BoardWithGoal();
    spec.chips[2][2] = 'S';
    StartPlaying(spec);
    Click(T(2, 2));
    EXPECT_EQ(game.board.picked, nullptr);
}

TEST_F(MainGameInput, EscapeOpensTheMenuOnlyWhilePlaying) {
    Start(BoardWithGoal());
    ASSERT_EQ(game.state, M3_APPEARING);
    Key(KEY_ESCAPE);
    Frame();
    EXPECT_EQ(optionsOpened, 0);
    for (int i = 0; i < 300 && game.state != M3_PLAYING; i++) Frame();
    EXPECT_EQ(optionsOpened, 0);  // the early press is not kept for later
    game.state = M3_HAMMER;
    Key(KEY_ESCAPE);
    Frame();
    EXPECT_EQ(optionsOpened, 0);
    game.state = M3_PLAYING;
    Key(KEY_ESCAPE);
    Frame();
    EXPECT_EQ(optionsOpened, 1);
    EXPECT_FALSE(game.fadedOut());  // the answer "continue" keeps the level going
}

TEST_F(MainGameInput, OptionsAnswersLeaveWithTheirScreenCodes) {
    StartPlaying(BoardWithGoal());
    game.hooks.runOptions = [] { return QUEST_RESTART_LEVEL; };
    Key(KEY_ESCAPE);
    Frame();
    EXPECT_TRUE(game.fadedOut());
    EXPECT_EQ(game.wynik, QUEST_RESTART_LEVEL);
}

TEST_F(MainGameInput, ANewLevelStartsWithoutTheOldSelection) {
    StartPlaying(BoardWithGoal());
    Click(T(2, 2));
    ASSERT_NE(game.board.picked, nullptr);
    Start(BoardWithGoal());
    EXPECT_EQ(game.board.picked, nullptr);
    EXPECT_EQ(game.holded, 0);
}
