// The shipped data: the chip catalogue and every level file load cleanly, and
// every level can be won inside its clock by a player who aims at cyan tiles and scrolls.
#include <cstdlib>

#include "frame/globals.h"
#include "m3_fixture.h"

namespace {

int seedBase = 0;  // other values try the levels with other luck (BRAMBLETON_SEED)

class GameData : public Match3Test {
protected:
    void SetUp() override {
        Match3Test::SetUp();
        LoadChipCatalogue("game/data/chips.txt");
        if (const char* seed = std::getenv("BRAMBLETON_SEED")) seedBase = std::atoi(seed);
    }
    void TearDown() override {
        Match3Test::TearDown();
        chipCatalogue.clear();
    }

    // Every valid swap on the board.
    std::vector<TMove> AllMoves() const {
        std::vector<TMove> moves;
        for (int r = 0; r < board.level->rows; r++)
            for (int c = 0; c < board.level->cols; c++)
                for (auto d : {std::pair{1, 0}, {0, 1}})
                    if (TMove m = board.FindHint_Move(r, c, r + d.first, c + d.second)) moves.push_back(m);
        return moves;
    }

    // What a player aims at: chips on cyan tiles and chips under a scroll.
    int Worth(const TMove& m) const {
        std::swap(m.tile1->chip, m.tile2->chip);
        ChipList line = CheckMatch(m.tile1), more = CheckMatch(m.tile2);
        std::swap(m.tile1->chip, m.tile2->chip);
        line.insert(line.end(), more.begin(), more.end());
        int worth = 0;
        for (auto& chip : line) {
            // The chip's cell after the swap.
            TTile* t = chip == m.tile1->chip ? m.tile2 : chip == m.tile2->chip ? m.tile1 : chip->tile;
            worth += t->id > 1 ? 2 : 0;
            for (int r = t->r - 1; r >= 0; r--) {
                TTile* up = board.level->At(r, t->c);
                if (up->chip && up->chip->isSpecialChip()) worth += 3;
            }
        }
        return worth;
    }

    TMove Choose(const std::vector<TMove>& moves) const {
        std::vector<TMove> best;
        int top = -1;
        for (auto& m : moves) {
            int w = Worth(m);
            if (w > top) best.clear(), top = w;
            if (w == top) best.push_back(m);
        }
        return best[static_cast<size_t>(RandInt(0, static_cast<int>(best.size()) - 1))];
    }

    // The game's reshuffle: every chip goes, every tile gets a new one.
    void Reshuffle() {
        for (auto& t : board.level->tile) {
            t->chip = nullptr;
            if (t->id == 0) continue;
            t->PutChip(board.level->GetRandomChip());
            t->chip->CreateMe();
        }
    }

    // Plays until won; returns the seconds used, or -1 when the clock ran out.
    int Play(int seconds) {
        const int limit = seconds * 60;
        int frame = 0;
        while (frame < limit) {
            Step();
            frame++;

            if (!board.isCalm()) continue;
            if (board.isWon()) return frame / 60;
            std::vector<TMove> moves = AllMoves();
            if (moves.empty()) {
                Reshuffle();
                frame += 120;  // the shuffle pause
                continue;
            }
            TMove m = Choose(moves);
            board.SwapTiles(m.tile1, m.tile2);
            frame += 45;  // a player's look and click
        }
        return -1;
    }
};

}  // namespace

TEST_F(GameData, ChipCatalogueHasTheFourFamiliesAndSpecials) {
    ASSERT_EQ(chipCatalogue.size(), 25u);
    int family[4] = {0, 0, 0, 0}, plain = 0;
    for (auto& c : chipCatalogue) {
        if (c->id <= 17) {
            ASSERT_GE(c->res, 0);
            family[c->res]++;
            EXPECT_GT(c->resQ, 0) << c->id;
        } else if (c->id <= 100) {
            EXPECT_LT(c->res, 0);
            plain++;
        }
    }
    EXPECT_EQ(family[0], 3);
    EXPECT_EQ(family[1], 5);
    EXPECT_EQ(family[2], 6);
    EXPECT_EQ(family[3], 3);
    EXPECT_EQ(plain, 6);
    ASSERT_TRUE(FindChip(101));
    EXPECT_TRUE(FindChip(101)->isPowerUp());
    ASSERT_TRUE(FindChip(201));
    EXPECT_TRUE(FindChip(201)->isSpecialChip());
    EXPECT_EQ(FindChip(9)->res, 2);
    EXPECT_EQ(FindChip(16)->res, 3);
}

TEST_F(GameData, EveryLevelLoadsCleanlyAndCanBeWon) {
    for (int n = 1; n <= 12; n++) {
        testing::internal::CaptureStdout();
        auto level = LoadLevel(gameDir + "data/levels/level-" + std::to_string(n) + ".txt");
        std::string messages = testing::internal::GetCapturedStdout();
        EXPECT_EQ(messages, "") << "level " << n;
        ASSERT_TRUE(level->IsPresent()) << n;
        EXPECT_GT(level->tilesAtStart + level->CountScrollChips(), 0) << n;
        EXPECT_FALSE(level->creators.empty()) << n;
        for (auto& t : level->tile)
            if (t->id) {
                EXPECT_TRUE(CheckMatch(t.get()).empty()) << "line at start, level " << n;
            }
        int time = level->time;
        board.SetLevel(level);
        RandSeed(n + seedBase);
        int used = Play(time);
        EXPECT_GE(used, 0) << "level " << n << " not won in " << time << " s; cyan "
                           << level->CountCyanTiles() << ", scrolls " << level->CountScrollChips() << "\n"
                           << testing::PrintToString(ChipRows());
        std::printf("level %d won after %d of %d s\n", n, used, time);
    }
}
