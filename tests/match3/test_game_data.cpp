// The shipped data: the chip catalogue and every quest level file. Each level loads
// cleanly, keeps the promises of the levels table in docs/levels.md (where each
// mechanic first appears, a chip set with a resource, a clock in range), starts calm
// with a move, and is won inside its clock by a player who aims at cyan tiles and scrolls.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "frame/globals.h"
#include "m3_fixture.h"

namespace {

constexpr int QUEST_LEVELS = 100;
// The clock of every level lies in this range (seconds).
constexpr int SHORTEST_CLOCK = 180, LONGEST_CLOCK = 900;
constexpr int SEEDS = 10;

int seedBase = 0;  // other values try the levels with other luck (BRAMBLETON_SEED)
// BRAMBLETON_UNTIMED=1 plays on past the clock, to measure what a level needs.
bool untimed = false;

std::string LevelPath(int n) { return gameDir + "data/levels/level-" + std::to_string(n) + ".txt"; }

class GameData : public Match3Test {
protected:
    void SetUp() override {
        Match3Test::SetUp();
        LoadChipCatalogue("game/data/chips.txt");
        if (const char* seed = std::getenv("BRAMBLETON_SEED")) seedBase = std::atoi(seed);
        untimed = std::getenv("BRAMBLETON_UNTIMED") != nullptr;
    }
    void TearDown() override {
        Match3Test::TearDown();
        chipCatalogue.clear();
    }

    // The level file as the quest loads it; loader messages go to `messages`.
    std::shared_ptr<TLevel> LoadQuiet(int n, std::string* messages = nullptr) {
        testing::internal::CaptureStdout();
        auto level = LoadLevel(LevelPath(n));
        std::string out = testing::internal::GetCapturedStdout();
        if (messages) *messages = out;
        return level;
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

// What a level holds, for the first appearance of each mechanic.
struct Mechanics {
    bool chain = false, doubleChain = false, doubleCyan = false, chest = false, scroll = false;
};

Mechanics MechanicsOf(const TLevel& level) {
    Mechanics m;
    for (auto& t : level.tile) {
        m.chain |= t->chain > 0;
        m.doubleChain |= t->chain == 2;
        m.doubleCyan |= t->id == 3;
        m.chest |= t->chest != 0;
        m.scroll |= t->chip && t->chip->isSpecialChip();
    }
    return m;
}

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

// The quest ends at the first missing file: every level up to the last is there.
TEST_F(GameData, ResourceQuantitiesOfADamagedChipTableAreBounded) {
    char name[] = "/tmp/brambleton-chips-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const std::string path = std::string(name) + "/chips.txt";
    ASSERT_TRUE(
        FsSaveText("chips {\n\ti = 3\n\tchip1 {\n\t\tid = 1\n\t\tresQuantity = 2000000000\n\t}\n"
                   "\tchip2 {\n\t\tid = 2\n\t\tresQuantity = -2000000000\n\t}\n"
                   "\tchip3 {\n\t\tid = 3\n\t\tresQuantity = 6\n\t}\n}\n",
                   path));
    LoadChipCatalogue(path);
    ASSERT_EQ(chipCatalogue.size(), 3u);
    EXPECT_EQ(chipCatalogue[0]->resQ, CHIP_MAX_RES_QUANTITY);
    EXPECT_EQ(chipCatalogue[1]->resQ, 0);
    EXPECT_EQ(chipCatalogue[2]->resQ, 6);
    FsDeleteFile(path);
    FsDeleteDir(name);
}

TEST_F(GameData, TheQuestRunsWithoutGapsToItsLastLevel) {
    for (int n = 1; n <= QUEST_LEVELS; n++) EXPECT_TRUE(std::ifstream(LevelPath(n)).good()) << "level " << n;
    EXPECT_FALSE(std::ifstream(LevelPath(QUEST_LEVELS + 1)).good());
}

TEST_F(GameData, EveryLevelLoadsWithoutAMessageAndHasGoals) {
    for (int n = 1; n <= QUEST_LEVELS; n++) {
        std::string messages;
        auto level = LoadQuiet(n, &messages);
        EXPECT_EQ(messages, "") << "level " << n;
        ASSERT_TRUE(level->IsPresent()) << "level " << n;
        EXPECT_GT(level->tilesAtStart + level->CountScrollChips(), 0) << "level " << n;
        EXPECT_FALSE(level->creators.empty()) << "level " << n;
    }
}

// Each mechanic is taught on its own level first: chains on 3, scrolls on 5,
// double cyan on 6, double chains on 7, chests on 8; none shows up earlier.
TEST_F(GameData, EachMechanicFirstAppearsOnItsOwnLevel) {
    std::map<std::string, int> first;
    for (int n = 1; n <= QUEST_LEVELS; n++) {
        auto level = LoadQuiet(n);
        ASSERT_TRUE(level->IsPresent()) << "level " << n;
        Mechanics m = MechanicsOf(*level);
        for (auto& [name, has] : {std::pair<std::string, bool>{"chains", m.chain},
                                  {"scrolls", m.scroll},
                                  {"double cyan", m.doubleCyan},
                                  {"double chains", m.doubleChain},
                                  {"chests", m.chest}})
            if (has && !first.count(name)) first[name] = n;
    }
    EXPECT_EQ(first["chains"], 3);
    EXPECT_EQ(first["scrolls"], 5);
    EXPECT_EQ(first["double cyan"], 6);
    EXPECT_EQ(first["double chains"], 7);
    EXPECT_EQ(first["chests"], 8);
}

// Chip sets: first grades of the resources (the profile upgrades them) and plain
// gems, at least one resource, no kind twice; four to seven kinds.
TEST_F(GameData, EveryChipSetHasAResourceAndOnlyFirstGrades) {
    for (int n = 1; n <= QUEST_LEVELS; n++) {
        auto level = LoadQuiet(n);
        ASSERT_TRUE(level->IsPresent()) << "level " << n;
        std::vector<int> ids;
        int resources = 0;
        for (auto& chip : level->availableChips) {
            ids.push_back(chip->id);
            bool firstGrade = chip->id == 1 || chip->id == 4 || chip->id == 9 || chip->id == 15;
            resources += firstGrade;
            EXPECT_TRUE(firstGrade || (chip->id >= 18 && chip->id <= 23))
                << "level " << n << " chip " << chip->id;
        }
        EXPECT_GE(resources, 1) << "level " << n;
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "level " << n;
        EXPECT_GE(ids.size(), 4u) << "level " << n;
        EXPECT_LE(ids.size(), 7u) << "level " << n;
    }
}

// The plain gems only colour the boards: neighbouring levels never share one set
// of them, so no two boards in a row look alike.
TEST_F(GameData, NeighbouringLevelsDifferInGemColours) {
    std::vector<int> before;
    for (int n = 1; n <= QUEST_LEVELS; n++) {
        auto level = LoadQuiet(n);
        ASSERT_TRUE(level->IsPresent()) << "level " << n;
        std::vector<int> gems;
        for (auto& chip : level->availableChips)
            if (chip->id >= 18 && chip->id <= 23) gems.push_back(chip->id);
        std::sort(gems.begin(), gems.end());
        if (n > 1 && !gems.empty()) {
            EXPECT_NE(gems, before) << "levels " << n - 1 << " and " << n;
        }
        before = gems;
    }
}

TEST_F(GameData, EveryClockIsFullAtTheStartAndInRange) {
    for (int n = 1; n <= QUEST_LEVELS; n++) {
        auto level = LoadQuiet(n);
        ASSERT_TRUE(level->IsPresent()) << "level " << n;
        EXPECT_EQ(level->time, level->maxTime) << "level " << n;
        EXPECT_GE(level->maxTime, SHORTEST_CLOCK) << "level " << n;
        EXPECT_LE(level->maxTime, LONGEST_CLOCK) << "level " << n;
    }
}

// No line lies on the board at the start (the first calm frame would clear it
// for free) and the player has a move without waiting for a shuffle.
TEST_F(GameData, EveryLevelStartsWithoutALineAndWithAMove) {
    for (int n = 1; n <= QUEST_LEVELS; n++) {
        auto level = LoadQuiet(n);
        ASSERT_TRUE(level->IsPresent()) << "level " << n;
        for (auto& t : level->tile) {
            if (!t->id) continue;
            EXPECT_TRUE(CheckMatch(t.get()).empty())
                << "line at row " << t->r << ", column " << t->c << " of level " << n;
        }
        board.SetLevel(level);
        EXPECT_TRUE(board.FindAnyMove()) << "no move at the start of level " << n;
    }
}

// The simple player wins every level on ten seeds inside its clock. The levels are
// played in acts so that the test command can run them side by side.
class GameDataAct : public GameData, public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(GameDataAct, TheSimplePlayerWinsEveryLevelOnTenSeeds) {
    auto [from, to] = GetParam();
    for (int n = from; n <= std::min(to, QUEST_LEVELS); n++) {
        int worst = 0;
        std::string times;
        for (int seed = 0; seed < SEEDS; seed++) {
            auto level = LoadQuiet(n);
            ASSERT_TRUE(level->IsPresent()) << "level " << n;
            const int clock = level->time;
            board.SetLevel(level);
            RandSeed(n * 100 + seed + seedBase);
            int used = Play(untimed ? 3600 : clock);
            EXPECT_GE(used, 0) << "level " << n << " seed " << seed << " not won in " << clock << " s; cyan "
                               << level->CountCyanTiles() << ", scrolls " << level->CountScrollChips() << "\n"
                               << testing::PrintToString(ChipRows());
            if (used < 0) break;
            worst = std::max(worst, used);
            times += " " + std::to_string(used);
        }
        std::printf("level %d: worst %d of %d s (%s )\n", n, worst, board.level->maxTime, times.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(Quest, GameDataAct,
                         testing::Values(std::pair{1, 15}, std::pair{16, 30}, std::pair{31, 45},
                                         std::pair{46, 60}, std::pair{61, 75}, std::pair{76, 90},
                                         std::pair{91, 100}),
                         [](const auto& info) {
                             return "Levels" + std::to_string(info.param.first) + "to" +
                                    std::to_string(info.param.second);
                         });
