// The shipped levels show each mechanic first on the level whose tip explains
// it: chains on 3, double cyan tiles on 6, double chains on 7, chests on 8.
#include <gtest/gtest.h>

#include <functional>

#include "match3/chip.h"
#include "match3/level.h"
#include "match3/tile.h"

namespace {
// The first shipped level with a tile that `has`, 0 when none.
int FirstLevelWith(const std::function<bool(const TTile&)>& has) {
    if (chipCatalogue.empty()) LoadChipCatalogue();
    for (int n = 1; n <= 12; ++n) {
        auto level = LoadLevel("game/data/levels/level-" + std::to_string(n) + ".txt");
        for (const auto& tile : level->tile)
            if (tile && has(*tile)) return n;
    }
    return 0;
}
}  // namespace

TEST(TipLevels, EachMechanicFirstAppearsWhereItsTipFires) {
    EXPECT_EQ(FirstLevelWith([](const TTile& t) { return t.chain >= 1; }), 3);
    EXPECT_EQ(FirstLevelWith([](const TTile& t) { return t.id == 3; }), 6);
    EXPECT_EQ(FirstLevelWith([](const TTile& t) { return t.chain == 2; }), 7);
    EXPECT_EQ(FirstLevelWith([](const TTile& t) { return t.chest != 0; }), 8);
    EXPECT_EQ(FirstLevelWith([](const TTile& t) { return t.id == 2; }), 1);
}
