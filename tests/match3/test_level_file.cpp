// Level files: keys, defaults, geometry, save and load, and bad data.
#include <cstdio>
#include <functional>
#include <set>

#include "frame/rcm.h"
#include "m3_fixture.h"

namespace {

LevelSpec Small() {
    LevelSpec s;
    s.tiles = {"111", "121", "131"};
    s.chips = {"ABC", "DEF", "ABS"};
    return s;
}

std::string Captured(const std::function<void()>& f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

using LevelFile = Match3Test;

TEST_F(LevelFile, GeometryCentresTheBoard) {
    LevelSpec s;
    s.tiles.assign(9, "11111111");
    TLevel& l = Load(s);
    EXPECT_EQ(l.width, 384);
    EXPECT_EQ(l.height, 432);
    EXPECT_EQ(l.drawX, 344);
    EXPECT_EQ(l.drawY, 184);
    EXPECT_EQ(l.At(2, 3)->drawX, 344 + 48 * 3);
    EXPECT_EQ(l.At(2, 3)->drawY, 184 + 48 * 2);
    // The board's outer edges are symmetric around (512, 376).
    EXPECT_EQ((l.drawX - 24) + (l.drawX - 24 + l.width), 2 * 512);
    EXPECT_EQ((l.drawY - 24) + (l.drawY - 24 + l.height), 2 * 376);
}

TEST_F(LevelFile, ClockAndCyanDefaults) {
    TLevel& a = Load(Small());
    EXPECT_EQ(a.time, 840);
    EXPECT_EQ(a.maxTime, 840);
    EXPECT_EQ(a.tilesAtStart, 2);  // tiles of id 2 and 3

    LevelSpec s = Small();
    s.extraData = "\t\ttime = 0, 300\n\t\ttilesAtStart = 7\n";
    TLevel& b = Load(s);
    EXPECT_EQ(b.time, 300);
    EXPECT_EQ(b.maxTime, 300);
    EXPECT_EQ(b.tilesAtStart, 7);
}

TEST_F(LevelFile, ChestsAndChainsNeedTheirFlags) {
    LevelSpec s = Small();
    s.chests = {"100", "000", "001"};
    s.chains = {"010", "002", "000"};
    std::string text = LevelText(s);
    // Switch chests off: the rows are present but must be ignored.
    text.replace(text.find("isChests = 1"), 12, "isChests = 0");
    board.SetLevel(LoadLevelFromText(text));
    EXPECT_EQ(T(0, 0)->chest, 0);
    EXPECT_EQ(T(2, 2)->chest, 0);
    EXPECT_EQ(T(0, 1)->chain, 1);
    EXPECT_EQ(T(1, 2)->chain, 2);
}

TEST_F(LevelFile, SaveAndLoadGiveTheSameLevel) {
    LevelSpec s;
    s.tiles = {"1.11", "1231", "1111"};
    s.chips = {"A.BC", "DEFA", "SBXC"};
    s.chains = {"0100", "0020", "0000"};
    s.chests = {"0000", "1000", "0001"};
    s.creators = {{0, 3}, {0, 0}, {0, 2}};
    s.available = "3 1 5";
    s.extraData =
        "\t\ttime = 123, 400\n\t\tbackground = \"gfx/backgrounds/background-3.jpg\"\n"
        "\t\tres0 = 5\n\t\tres1 = 6\n\t\tres2 = 7\n\t\tres3 = 8\n";
    TLevel& a = Load(s);
    a.score = 99;  // not part of the file
    std::string text = a.SaveText();
    auto b = LoadLevelFromText(text);
    ASSERT_TRUE(b->IsPresent());
    EXPECT_EQ(b->SaveText(), text);
    EXPECT_EQ(b->time, 123);
    EXPECT_EQ(b->maxTime, 400);
    EXPECT_EQ(b->backgroundUrl, "gfx/backgrounds/background-3.jpg");
    for (int i = 0; i < 4; i++) EXPECT_EQ(b->res[i], 5 + i);
    ASSERT_EQ(b->creators.size(), 3u);
    EXPECT_EQ(b->creators[0]->c, 3);
    EXPECT_EQ(b->creators[1]->c, 0);
    EXPECT_EQ(b->creators[2]->c, 2);
    EXPECT_TRUE(b->At(0, 3)->isCreator);
    for (int r = 0; r < 3; r++) {
        for (int c = 0; c < 4; c++) {
            TTile* x = a.At(r, c);
            TTile* y = b->At(r, c);
            EXPECT_EQ(x->id, y->id);
            EXPECT_EQ(x->chest, y->chest);
            EXPECT_EQ(x->chain, y->chain);
            EXPECT_EQ(x->chip ? x->chip->id : 0, y->chip ? y->chip->id : 0) << r << "," << c;
        }
    }
    ASSERT_EQ(b->availableChips.size(), 3u);
    EXPECT_EQ(b->availableChips[0]->id, 3);
    TRCMFile f;
    f.LoadFromText(text);
    EXPECT_EQ(f.getString("level::data::availableChips"), "3 1 5");
    EXPECT_EQ(f.getString("level::data::toCollect"), "0 0 0");
    EXPECT_EQ(f.getInt("level::chests::isChests"), 1);
    EXPECT_EQ(f.getInt("level::chains::isChain"), 1);
}

TEST_F(LevelFile, SaveWritesAFileThatLoadsBack) {
    TLevel& a = Load(Small());
    std::string path = testing::TempDir() + "m3-level-roundtrip.txt";
    ASSERT_TRUE(a.Save(path));
    auto b = LoadLevel(path);
    EXPECT_EQ(b->SaveText(), a.SaveText());
    std::remove(path.c_str());
}

TEST_F(LevelFile, AvailableChipIdsAreSplitAtSingleSpaces) {
    LevelSpec s = Small();
    s.available = "1  2 ";
    std::string out = Captured([&] { Load(s); });
    EXPECT_NE(out.find("Nie ma chipsa: 0 tab: \n"), std::string::npos) << out;
    ASSERT_EQ(board.level->availableChips.size(), 2u);  // the trailing space gives no piece

    s.available = " 7 1";
    out = Captured([&] { Load(s); });
    EXPECT_NE(out.find("Nie ma chipsa: 0 tab: "), std::string::npos);
    EXPECT_NE(out.find("Nie ma chipsa: 7 tab: 7"), std::string::npos);
    ASSERT_EQ(board.level->availableChips.size(), 1u);
    EXPECT_EQ(board.level->availableChips[0]->id, 1);
}

TEST_F(LevelFile, UnknownChipsAndShortRowsLeaveCellsEmpty) {
    LevelSpec s;
    s.tiles = {"111", "11", "111"};  // row 1 is short: its last cell is a hole
    s.chips = {"AZA", "B", "CCC"};   // Z is not in the catalogue
    TLevel& l = Load(s);
    EXPECT_EQ(ChipId(0, 1), 0);
    EXPECT_EQ(ChipId(0, 0), 1);
    EXPECT_EQ(l.At(1, 2)->id, 0);
    EXPECT_EQ(ChipId(1, 1), 0);
    EXPECT_EQ(ChipId(2, 2), 3);
}

TEST_F(LevelFile, BadCreatorsAndTileIdsAreReportedAndSkipped) {
    LevelSpec s;
    s.tiles = {"1.1", "111"};
    s.chips = {"A.B", "CDE"};
    s.creators = {{0, 0}, {5, 1}, {0, 1}, {-1, 2}};
    std::string text = LevelText(s);
    text.replace(text.find("row1 = 1, 1, 1"), 14, "row1 = 1, 9, 1");
    std::string out;
    out = Captured([&] { board.SetLevel(LoadLevelFromText(text)); });
    ASSERT_EQ(board.level->creators.size(), 1u);
    EXPECT_EQ(board.level->creators[0].get(), T(0, 0));
    EXPECT_NE(out.find("creator 2 at row 5, column 1"), std::string::npos) << out;
    EXPECT_NE(out.find("creator 3 at row 0, column 1"), std::string::npos);  // a hole
    EXPECT_NE(out.find("tile id 9"), std::string::npos);
    EXPECT_EQ(T(1, 1)->id, 1);
}

TEST_F(LevelFile, UnplayableLevelsAreRepairedOrRefused) {
    LevelSpec s = Small();
    s.available = "";
    std::string out = Captured([&] { Load(s); });
    EXPECT_TRUE(board.level->IsPresent());
    EXPECT_EQ(board.level->availableChips.size(), 6u);  // A..F from the board, not the scroll
    EXPECT_NE(out.find("new chips are drawn from the kinds on the board"), std::string::npos);

    s.chips = {"...", "...", "..S"};
    out = Captured([&] { Load(s); });
    EXPECT_FALSE(board.level->IsPresent());
    EXPECT_NE(out.find("refused"), std::string::npos);
    EXPECT_EQ(board.level->GetRandomChip(), nullptr);

    s = Small();
    s.tiles.assign(40, "111");
    out = Captured([&] { Load(s); });
    EXPECT_FALSE(board.level->IsPresent());
    EXPECT_NE(out.find("board size 40 x 3"), std::string::npos);
}

TEST_F(LevelFile, MissingOrEmptyFileHasNoBoard) {
    auto a = LoadLevel("no/such/level.txt");
    EXPECT_EQ(a->rows, 0);
    EXPECT_EQ(a->cols, 0);
    auto b = LoadLevelFromText("");
    EXPECT_FALSE(b->IsPresent());
}

TEST_F(LevelFile, RandomChipsAreCopiesOfTheAvailableKinds) {
    TLevel& l = Load(Small());
    std::set<int> seen;
    for (int i = 0; i < 200; i++) {
        auto chip = l.GetRandomChip();
        ASSERT_TRUE(chip);
        EXPECT_EQ(chip->tile, nullptr);
        for (auto& kind : l.availableChips) EXPECT_NE(chip.get(), kind.get());
        seen.insert(chip->id);
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST_F(LevelFile, ProperChipsReplaceResourceKinds) {
    TLevel& l = Load(Small());
    auto wood3 = std::make_shared<TChip>();
    wood3->id = 33;
    wood3->res = 0;
    wood3->resQ = 9;
    auto proper = [&](int res) { return res == 0 ? wood3 : nullptr; };
    l._InitProperChips(proper);
    EXPECT_EQ(ChipId(0, 0), 33);
    EXPECT_EQ(T(0, 0)->chip->resQ, 9);
    EXPECT_EQ(ChipId(0, 1), 2);  // no proper chip for food: unchanged
    std::vector<int> ids;
    for (auto& k : l.availableChips) ids.push_back(k->id);
    EXPECT_EQ(ids, (std::vector<int>{4, 3, 2, 33, 5, 6}));
    l._InitProperChips(proper);
    ids.clear();
    for (auto& k : l.availableChips) ids.push_back(k->id);
    EXPECT_EQ(ids, (std::vector<int>{33, 2, 3, 4, 5, 6}));
}

TEST_F(LevelFile, ColumnFreeUpLooksForABlockBeforeAChip) {
    LevelSpec s;
    s.tiles = {"1.1", "111", "111"};
    s.chips = {"A..", "...", "..."};
    s.chains = {"000", "000", "000"};
    s.chests = {"000", "000", "000"};
    TLevel& l = Load(s);
    EXPECT_EQ(l.ColumnFreeUp(2, 0), 0);  // a chip above
    EXPECT_EQ(l.ColumnFreeUp(2, 1), 1);  // a hole above
    EXPECT_EQ(l.ColumnFreeUp(2, 2), 0);  // open to the top
    T(1, 2)->chest = 1;
    EXPECT_EQ(l.ColumnFreeUp(2, 2), 1);
    EXPECT_EQ(l.NoTile(0, 1), 1);
    EXPECT_EQ(l.NoTile(-1, 0), 1);
    EXPECT_EQ(l.NoTile(0, 0), 0);
}

TEST_F(LevelFile, BoardsMustFitBetweenTheCountersTheTimeBarAndThePowerUpBar) {
    EXPECT_TRUE(LevelBoardFits(1, 1));
    EXPECT_TRUE(LevelBoardFits(10, 20));
    EXPECT_FALSE(LevelBoardFits(10, 21)) << "wider than the play area";
    EXPECT_TRUE(LevelBoardFits(11, 2));
    EXPECT_FALSE(LevelBoardFits(11, 3)) << "the frame runs under the resource counters";
    EXPECT_FALSE(LevelBoardFits(12, 1)) << "into the power-up bar";
    EXPECT_FALSE(LevelBoardFits(0, 4));

    LevelSpec s;
    s.tiles.assign(11, "11111111");
    std::string out = Captured([&] { Load(s); });
    EXPECT_FALSE(board.level->IsPresent());
    EXPECT_NE(out.find("board size 11 x 8 does not fit"), std::string::npos) << out;

    s.tiles.assign(10, "11111111");
    s.creators = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}};
    out = Captured([&] { Load(s); });
    EXPECT_TRUE(board.level->IsPresent());
    EXPECT_EQ(out, "");
}

TEST_F(LevelFile, DesignsThatCannotBeWonAreReportedAndStillLoad) {
    // Column 2 has no creator and is open at the top; the cell under the
    // hole in column 1 is fed from the side.
    LevelSpec s;
    s.tiles = {"1.1", "111", "111"};
    s.chips = {"A.B", "CSD", "EFA"};
    s.chains = {"000", "010", "000"};
    s.creators = {{0, 0}};
    std::string out = Captured([&] { Load(s); });
    EXPECT_TRUE(board.level->IsPresent());
    EXPECT_NE(out.find("scroll chip at row 1, column 1 is chained"), std::string::npos) << out;
    EXPECT_NE(out.find("no creator feeds column 2 at rows 0, 1, 2;"), std::string::npos) << out;
    EXPECT_EQ(out.find("column 1"), out.find("column 1 is chained")) << "column 1 is fed diagonally";
    EXPECT_EQ(board.level->UnfedCells(), (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));

    s.tiles = {"...", "...", "..."};
    s.chains.clear();
    out = Captured([&] { Load(s); });
    EXPECT_FALSE(board.level->IsPresent());
    EXPECT_NE(out.find("no tile"), std::string::npos) << out;
}
