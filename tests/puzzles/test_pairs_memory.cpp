// The pair and the memory puzzle: dealing, the fly-in, the picking rules,
// removal and when the puzzle counts as solved.
#include <map>

#include "puzzle_test_fixture.h"
#include "puzzles/puzzle_memory.h"
#include "puzzles/puzzle_pairs.h"

namespace {
class PairsTest : public PuzzleTest {
protected:
    std::shared_ptr<TLevelType2> level;
    void SetUp() override {
        PuzzleTest::SetUp();
        level = std::static_pointer_cast<TLevelType2>(Make(2, 2, 4));
        ASSERT_TRUE(level);
        level->Begin();
        for (int i = 0; i < 1000 && !level->isBeginFinished(); i++) Tick();
    }
    void ClickTile(const std::shared_ptr<TPuzzle2>& t) {
        Mouse(t->x + t->iw / 2, t->y + t->ih / 2, true);
        Run(*level);
    }
    // Two tiles with the same symbol, or with different ones.
    std::pair<std::shared_ptr<TPuzzle2>, std::shared_ptr<TPuzzle2>> Tiles(bool same) {
        auto all = level->puzzles.toVector();
        for (auto& a : all)
            for (auto& b : all)
                if (a != b && (a->chipN == b->chipN) == same) return {a, b};
        return {};
    }
};

class MemoryTest : public PuzzleTest {
protected:
    std::shared_ptr<TLevelType3> level;
    void SetUp() override {
        PuzzleTest::SetUp();
        level = std::static_pointer_cast<TLevelType3>(Make(3, 2, 3));
        ASSERT_TRUE(level);
        level->Begin();
        for (int i = 0; i < 1000 && !level->isBeginFinished(); i++) Tick();
        Run(*level, 25);  // every card turns face down
    }
    void ClickCard(const std::shared_ptr<TPuzzle3>& t) {
        Mouse(t->x + t->iw / 2, t->y + t->ih / 2, true);
        Run(*level);
    }
    std::pair<std::shared_ptr<TPuzzle3>, std::shared_ptr<TPuzzle3>> Cards(bool same) {
        auto all = level->puzzles.toVector();
        for (auto& a : all)
            for (auto& b : all)
                if (a != b && (a->chipN == b->chipN) == same) return {a, b};
        return {};
    }
};
}  // namespace

TEST(PairDealing, EverySymbolLiesOnExactlyTwoTiles) {
    for (int seed = 1; seed <= 50; seed++) {
        RandSeed(seed);
        const int count = 2 * (seed % 20 + 1);
        std::map<int, int> seen;
        for (int chip : DealPairSymbols(count)) seen[chip]++;
        EXPECT_EQ(static_cast<int>(seen.size()), count / 2);
        for (auto& [chip, n] : seen) {
            EXPECT_EQ(n, 2);
            EXPECT_LT(chip, count / 2);
        }
    }
}

TEST_F(PairsTest, TheFlyInLandsEveryTileOnItsCell) {
    for (auto& t : level->puzzles) {
        EXPECT_EQ(t->fly.goingStart, 0);
        EXPECT_FLOAT_EQ(t->fly.myX, t->x);
        EXPECT_FLOAT_EQ(t->fly.myY, t->y);
    }
    EXPECT_EQ(count("fly-0") + count("fly-1") + count("fly-2") + count("fly-3"), 8);
}

TEST_F(PairsTest, SelectDeselectMoveTheSelectionAndRemoveAMatch) {
    auto [a, other] = Tiles(false);
    ClickTile(a);
    EXPECT_EQ(level->picked, a);
    ClickTile(a);
    EXPECT_EQ(level->picked, nullptr);
    ClickTile(a);
    ClickTile(other);
    EXPECT_EQ(level->picked, other);  // another symbol takes the selection
    auto [x, y] = Tiles(true);
    ClickTile(x);
    ClickTile(y);
    EXPECT_EQ(level->picked, nullptr);
    EXPECT_EQ(x->goingDown, 1);
    EXPECT_EQ(y->goingDown, 1);
    EXPECT_EQ(count("fire"), 1);
    // Removed tiles go to the end of the list and cannot be clicked again.
    auto order = level->puzzles.toVector();
    EXPECT_TRUE(order.back() == x || order.back() == y);
    ClickTile(x);
    EXPECT_EQ(level->picked, nullptr);
}

TEST_F(PairsTest, SolvedOnlyAfterTheLastTilesFellOutOfSight) {
    while (!level->puzzles.empty()) {
        auto [x, y] = Tiles(true);
        if (!x) break;
        const bool last = level->puzzles.size() == 2;
        ClickTile(x);
        ClickTile(y);
        if (last) break;
        Run(*level, 80);
    }
    int frames = 0;
    while (Run(*level) == 0 && frames < 200) frames++;
    // About a second: the jump and the fall past y = 900.
    EXPECT_GT(frames, 40);
    EXPECT_LT(frames, 90);
    EXPECT_TRUE(level->puzzles.empty());
}

TEST_F(MemoryTest, AllCardsTurnFaceDownTogetherAfterTheFlyIn) {
    for (auto& c : level->puzzles) {
        EXPECT_EQ(c->side, 0);
        EXPECT_EQ(c->state, CARD_IDLE);
        EXPECT_FLOAT_EQ(c->rotPer, 1);
    }
}

TEST_F(MemoryTest, TwoDifferentCardsTurnBackAfterALook) {
    auto [a, b] = Cards(false);
    ClickCard(a);
    ClickCard(a);  // a card turned up cannot be clicked again
    EXPECT_EQ(level->lastPicked, nullptr);
    ClickCard(b);
    EXPECT_EQ(level->lastPicked, b);
    // A third card is ignored while two are up.
    for (auto& c : level->puzzles)
        if (c != a && c != b) {
            ClickCard(c);
            EXPECT_EQ(c->state, CARD_IDLE);
            break;
        }
    Run(*level, 21);  // both face up now
    EXPECT_TRUE(a->isShowed());
    EXPECT_EQ(a->state, CARD_HIDE);
    EXPECT_EQ(level->picked, nullptr);
    Run(*level, 40);  // 750 ms face up...
    EXPECT_TRUE(a->isShowed());
    Run(*level, 30);  // ...then 20 frames to turn
    EXPECT_EQ(a->state, CARD_IDLE);
    EXPECT_EQ(b->state, CARD_IDLE);
    EXPECT_EQ(a->side, 0);
    EXPECT_EQ(level->puzzles.size(), 6u);
}

TEST_F(MemoryTest, AMatchIsRemovedOnlyOnceBothAreFaceUpAndSolvesAfterTheFade) {
    auto [a, b] = Cards(true);
    ClickCard(a);
    ClickCard(b);
    EXPECT_EQ(a->dAlpha, 1);  // still turning
    Run(*level, 21);
    EXPECT_EQ(a->dAlpha, 0);
    EXPECT_EQ(b->dAlpha, 0);
    EXPECT_EQ(count("fire"), 1);
    Run(*level, 52);
    EXPECT_FALSE(level->puzzles.contains(a.get()));
    // Match the rest, one known pair at a time.
    while (!level->puzzles.empty()) {
        auto [x, y] = Cards(true);
        ClickCard(x);
        ClickCard(y);
        Run(*level, 21);
        if (level->puzzles.size() > 2) Run(*level, 52);
        else break;
    }
    int frames = 0;
    while (Run(*level) == 0 && frames < 100) frames++;
    EXPECT_TRUE(level->puzzles.empty());
    EXPECT_GE(frames, 48);
}

TEST(MemoryTurn, SqueezeAndSideFollowTheAngle) {
    TPuzzle3 card;
    EXPECT_FLOAT_EQ(card.countXSCaleBYRot(0), 1);
    EXPECT_EQ(card.side, 1);
    EXPECT_FLOAT_EQ(card.countXSCaleBYRot(45), 0.5f);
    EXPECT_FLOAT_EQ(card.countXSCaleBYRot(135), 0.5f);
    EXPECT_EQ(card.side, 0);
    EXPECT_FLOAT_EQ(card.countXSCaleBYRot(180), 1);
    EXPECT_FLOAT_EQ(card.countXSCaleBYRot(-90), 0);
    EXPECT_EQ(card.side, 0);
    EXPECT_FLOAT_EQ(card.countXSCaleBYRot(315), 0.5f);
    EXPECT_EQ(card.side, 1);
}
