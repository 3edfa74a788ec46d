// Power-ups on the match-3 screen: charging order and surplus, locked
// slots, the six tools with their timing and reach, sending a tool back,
// the hourglass, the bomb's targets, the unlock's planks and the data file.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "effects/effects.h"
#include "frame/globals.h"
#include "match3/flying.h"
#include "powerup_fixture.h"

namespace {

class PowerUpTest : public PowerUpGameTest {
protected:
    // Destroys the chips of the cells as a line would and waits until the
    // charges have landed.
    void DestroyAndLand(const std::vector<TTile*>& cells) {
        for (TTile* t : cells) t->chip->Destroy(0, DESTROY_STANDARD, 0);
        Frame();
        for (int i = 0; i < 300 && !(flyingChips.empty() && game.board.isCalm()); i++) Frame();
    }
    // Aims the slot's tool and clicks the cell.
    void ApplyTool(int slot, TTile* cell) {
        ClickSlot(slot);
        Click(cell);
    }
};

}  // namespace

TEST_F(PowerUpTest, ChargesFillTheUnlockedSlotsHammerFirstAndSurplusIsLost) {
    powerUpNeeded[0] = 2;
    powerUpNeeded[2] = 2;
    LevelSpec spec = FullBoard8();
    spec.chips[0] = "FEFEFABC";  // plain chips in the first two rows
    spec.chips[1] = "EFEFEBCD";
    StartPlaying(spec);
    Slot(2).unlocked = 1;
    Slot(0).unlocked = 1;
    EXPECT_EQ(PowerUps::isCollectingForPowerUps(), 0);
    // Three plain chips destroyed together all fly to the hammer, which
    // takes two; the third is lost.
    DestroyAndLand({T(0, 0), T(0, 1), T(0, 2)});
    EXPECT_EQ(Slot(0).collected, 2);
    EXPECT_TRUE(Slot(0).isFull());
    EXPECT_EQ(Slot(2).collected, 0);
    EXPECT_EQ(CountSound("loaded"), 1);
    EXPECT_EQ(PowerUps::isCollectingForPowerUps(), 2);
    DestroyAndLand({T(1, 0), T(1, 1)});
    EXPECT_EQ(Slot(2).collected, 2);
    EXPECT_EQ(PowerUps::isCollectingForPowerUps(), -1);
    // Every unlocked slot full: plain chips charge nothing, resource chips never do.
    DestroyAndLand({T(1, 2), T(2, 1)});
    EXPECT_EQ(Slot(0).collected, 2);
    EXPECT_EQ(Slot(2).collected, 2);
    EXPECT_EQ(Slot(1).collected, 0);
}

TEST_F(PowerUpTest, ALockedSlotIsNeverATargetAndANeededCountOfZeroIsAlwaysFull) {
    Slot(1).unlocked = 1;
    EXPECT_EQ(PowerUps::isCollectingForPowerUps(), 1) << "the locked hammer is skipped";
    Slot(0).add(3);
    EXPECT_EQ(Slot(0).collected, 3) << "a locked slot still takes charges (chips thrown off)";

    powerUpNeeded[4] = 0;
    StartPlaying(FullBoard8());
    Slot(4).unlocked = 1;
    EXPECT_TRUE(Slot(4).isFull());
    ClickSlot(4);
    ClickSlot(4);
    EXPECT_EQ(used, (std::vector<int>{4, 4})) << "used again and again";
    EXPECT_TRUE(Slot(4).isFull());
}

TEST_F(PowerUpTest, RightClickOrAnySlotSendsTheToolBackAndTheChargeStays) {
    TLevel& level = StartPlaying(FullBoard8());
    Ready(0);
    ClickSlot(0);
    ASSERT_EQ(game.state, M3_HAMMER);
    EXPECT_EQ(CountSound("fire"), 1);
    MoveMouse(300, 300);
    Frame();
    RightClick();
    EXPECT_EQ(game.state, M3_TOOL_RETURNING);
    EXPECT_TRUE(IsFlyingToPowerUp(0));
    EXPECT_TRUE(Slot(0).isFull());
    int frames = 0;
    while (game.state != M3_PLAYING && frames < 120) {
        Frame();
        frames++;
    }
    EXPECT_EQ(game.state, M3_PLAYING);
    EXPECT_FALSE(IsFlyingToPowerUp(0));
    EXPECT_TRUE(used.empty());

    // Clicking any slot while aiming, even one that is not full, sends it back too.
    ClickSlot(0);
    ASSERT_EQ(game.state, M3_HAMMER);
    ClickSlot(3);
    EXPECT_EQ(game.state, M3_TOOL_RETURNING);
    for (frames = 0; game.state != M3_PLAYING && frames < 120; frames++) Frame();

    // The hammer used at last: one chip, collected; the slot empties.
    ApplyTool(0, T(3, 3));
    EXPECT_EQ(game.state, M3_PLAYING);
    EXPECT_EQ(T(3, 3)->chip->state, CHIP_DESTROYING);
    EXPECT_EQ(T(3, 4)->chip->state, CHIP_RESTING);
    EXPECT_EQ(CountSound("hammer"), 1);
    EXPECT_EQ(used, std::vector<int>{0});
    EXPECT_EQ(Slot(0).collected, 0);
    EXPECT_EQ(level.CountCyanTiles(), 1);
}

TEST_F(PowerUpTest, TheHourglassStopsTheClockFor22SecondsAndTheBarIsIgnoredMeanwhile) {
    TLevel& level = StartPlaying(FullBoard8());
    Ready(1);
    Ready(0);
    const int t0 = level.time;
    ClickSlot(1);
    ASSERT_EQ(game.state, M3_HOURGLASS);
    EXPECT_EQ(CountSound("clock"), 1);
    EXPECT_EQ(used, std::vector<int>{1});
    EXPECT_EQ(Slot(1).collected, 0);
    ClickSlot(0);
    EXPECT_EQ(game.state, M3_HOURGLASS) << "the full hammer cannot be used";
    EXPECT_EQ(game.overPowerUp, -1);
    int frames = 6;
    while (game.state == M3_HOURGLASS && frames < 2000) {
        Frame();
        frames++;
    }
    // 22 s at 60 frames per second.
    EXPECT_GE(frames, 1319);
    EXPECT_LE(frames, 1323);
    EXPECT_EQ(level.time, t0);
    EXPECT_TRUE(Slot(0).isFull());
}

TEST_F(PowerUpTest, DynamiteBurnsItsRowAndColumnFiftyMillisecondsPerCellAndCollectsNothing) {
    StartPlaying(FullBoard8());
    Ready(3);
    Slot(0).unlocked = 1;  // an open target that flames must not charge
    ClickSlot(3);
    ASSERT_EQ(game.state, M3_DYNAMITE);
    MoveMouse(static_cast<float>(T(3, 4)->drawX), static_cast<float>(T(3, 4)->drawY));
    Frame();
    EXPECT_GT(particleList.size(), 0u) << "the row and column spark while aimed";
    Button(true);
    Frame();
    Button(false);
    ASSERT_EQ(game.state, M3_PLAYING);
    const int base = T(3, 4)->chip->destrTime;
    EXPECT_EQ(T(3, 4)->chip->destroyType, DESTROY_FLAME_DOWN) << "struck four times, lastly downward";
    for (int c = 0; c < 8; c++) {
        if (c == 4) continue;
        ASSERT_TRUE(T(3, c)->chip);
        EXPECT_EQ(T(3, c)->chip->destrTime, base + 50 * std::abs(c - 4)) << "column " << c;
        EXPECT_EQ(T(3, c)->chip->destroyType, c < 4 ? DESTROY_FLAME_LEFT : DESTROY_FLAME_RIGHT);
    }
    for (int r = 0; r < 8; r++) {
        if (r == 3) continue;
        EXPECT_EQ(T(r, 4)->chip->destrTime, base + 50 * std::abs(r - 3)) << "row " << r;
        EXPECT_EQ(T(r, 4)->chip->destroyType, r < 3 ? DESTROY_FLAME_UP : DESTROY_FLAME_DOWN);
    }
    EXPECT_EQ(T(2, 3)->chip->state, CHIP_RESTING);
    EXPECT_EQ(CountSound("dynamite"), 1);
    EXPECT_EQ(used, std::vector<int>{3});
    for (int i = 0; i < 200 && !flyingChips.empty(); i++) Frame();
    Frame(60);
    EXPECT_EQ(Slot(0).collected, 0);
    EXPECT_TRUE(flyerList.empty());
}

TEST_F(PowerUpTest, TheColourToolRemovesEveryChipOfTheKindScrollChipsIncluded) {
    LevelSpec spec = BoardWithGoal();
    spec.chips = {"AABCD", "CDAEB", "SBCDA", "BCSAE", "DEABC"};
    spec.chains = {"00000", "00000", "10000", "00000", "00000"};
    StartPlaying(spec);
    Ready(5);
    Slot(0).unlocked = 1;
    ApplyTool(5, T(3, 2));
    // The chips above have begun to fall into the two cells.
    EXPECT_NE(T(2, 0)->chip ? T(2, 0)->chip->id : 0, 201) << "chained, yet gone";
    EXPECT_EQ(T(2, 0)->chain, 1) << "the chain stays";
    EXPECT_NE(T(3, 2)->chip ? T(3, 2)->chip->id : 0, 201);
    EXPECT_EQ(T(2, 1)->chip->id, 2);
    EXPECT_EQ(game.level()->CountScrollChips(), 0);
    EXPECT_EQ(odpadekList.size(), 2u) << "both drop off the screen";
    EXPECT_GT(fireWorkList.size(), 0u);
    EXPECT_EQ(CountSound("firework"), 1);
    EXPECT_EQ(used, std::vector<int>{5});
    EXPECT_TRUE(flyingChips.empty()) << "nothing is collected";
}

TEST_F(PowerUpTest, ThePickaxeBreaksTheBlockAroundTheCell) {
    LevelSpec spec = FullBoard8();
    spec.tiles[0] = "12111111";
    spec.chips[0] = "A.CDEABC";  // an empty cyan cell
    StartPlaying(spec);
    Ready(2);
    ClickSlot(2);
    MoveMouse(static_cast<float>(T(1, 2)->drawX), static_cast<float>(T(1, 2)->drawY));
    Frame();
    EXPECT_TRUE(T(0, 1)->isPickAxeOver && T(2, 3)->isPickAxeOver);
    EXPECT_FALSE(T(3, 4)->isPickAxeOver);
    Button(true);
    Frame();
    Button(false);
    EXPECT_EQ(T(0, 1)->id, 1) << "an empty cell of the block is matched";
    for (int r = 0; r <= 2; r++)
        for (int c = 1; c <= 3; c++) {
            if (T(r, c)->chip) {
                EXPECT_EQ(T(r, c)->chip->state, CHIP_DESTROYING);
            }
        }
    EXPECT_EQ(T(3, 0)->chip->state, CHIP_RESTING);
    EXPECT_EQ(CountSound("pickaxe"), 1);
}

TEST_F(PowerUpTest, TheBombSendsATenthOfTheBoardLessOne150MillisecondsApart) {
    EXPECT_EQ(PowerUps::BombCount(64), 5);
    EXPECT_EQ(PowerUps::BombCount(29), 1);
    EXPECT_EQ(PowerUps::BombCount(20), 1);
    EXPECT_EQ(PowerUps::BombCount(19), 1) << "a small board still gets one";
    EXPECT_EQ(PowerUps::BombCount(1), 1);
    EXPECT_EQ(PowerUps::BombCount(0), 0);

    StartPlaying(FullBoard8());
    Ready(4);
    ClickSlot(4);
    EXPECT_EQ(CountSound("fire"), 1);
    ASSERT_EQ(bombList.size(), 5u);
    std::vector<int> starts;
    bombList.forEach([&](TBomb& b) { starts.push_back(b.time); });
    for (size_t i = 1; i < starts.size(); i++) EXPECT_EQ(starts[i] - starts[i - 1], 150);
    for (int i = 0; i < 600 && !bombList.empty(); i++) Frame();
    EXPECT_TRUE(bombList.empty());
    int gone = 0;
    for (auto& t : game.level()->tile)
        if (!t->chip || t->chip->state != CHIP_RESTING) gone++;
    EXPECT_GE(gone, 5) << "each bomb struck its block";
}

TEST_F(PowerUpTest, RandomTargetsAreDifferentChipsAndStopWhenTheBoardRunsOut) {
    LevelSpec spec = FullBoard8();
    Load(spec);
    PowerUps::ChipList picks = PowerUps::GetRandomChipsList(board);
    ASSERT_EQ(picks.size(), 5u);
    std::sort(picks.begin(), picks.end());
    EXPECT_EQ(std::unique(picks.begin(), picks.end()), picks.end());

    LevelSpec tiny;
    tiny.tiles = {"11"};
    tiny.chips = {"A."};
    Load(tiny);
    EXPECT_EQ(PowerUps::GetRandomChipsList(board).size(), 1u);
    tiny.chips = {".."};
    Load(tiny);
    EXPECT_TRUE(PowerUps::GetRandomChipsList(board).empty());
}

TEST_F(PowerUpTest, UnlockingSlamsThePlanksTwiceThenTheyFlyOffOverAbout77Frames) {
    TPowerUp slot(2);
    slot.UnlockMe();
    EXPECT_EQ(CountSound("unlock"), 1);
    EXPECT_TRUE(slot.unlocked);
    TPowerUpView playing;
    int slam = 0;
    while (slot.justUnlocked == 1 && slam < 100) {
        EXPECT_EQ(slot.update(289, 680, playing), 0) << "an unlocking slot cannot be hovered";
        slot.draw(289, 680, playing);
        slam++;
    }
    // Two slams of about seven frames each (0.3 per frame up and down).
    EXPECT_GE(slam, 13);
    EXPECT_LE(slam, 16);
    EXPECT_EQ(slot.eCount, 0);
    int fly = 0;
    while (slot.justUnlocked > 0 && fly < 200) {
        slot.update(289, 680, playing);
        slot.draw(289, 680, playing);
        fly++;
    }
    EXPECT_GE(fly, 76);
    EXPECT_LE(fly, 78);

    // The planks wait while a tool is aimed or the board is shuffled.
    TPowerUp other(4);
    other.UnlockMe();
    TPowerUpView aiming;
    aiming.screenState = M3_HAMMER;
    for (int i = 0; i < 200; i++) {
        other.update(549, 680, aiming);
        other.draw(549, 680, aiming);
    }
    EXPECT_EQ(other.justUnlocked, 1.0f);
}

TEST_F(PowerUpTest, DeveloperKeysUnlockSlotsAndF3FillsThemAll) {
    cheats = 1;
    StartPlaying(FullBoard8());
    Key('3');
    Frame();
    EXPECT_TRUE(Slot(2).unlocked);
    EXPECT_EQ(Slot(2).justUnlocked, 1.0f);
    EXPECT_FALSE(Slot(0).unlocked);
    Key(KEY_F1 + 2);
    Frame();
    for (int s = 0; s < POWERUP_COUNT; s++) EXPECT_TRUE(Slot(s).isFull()) << s;
}

TEST_F(PowerUpTest, TheProfileSlotsTakeThePlaceOfTheGamesOwn) {
    auto mine = std::make_shared<TPowerUp>(3);
    PowerUpHooks().slot = [mine](int s) { return s == 3 ? mine : nullptr; };
    EXPECT_EQ(PowerUps::GetPowerUp(3), mine);
    EXPECT_NE(PowerUps::GetPowerUp(2), nullptr);
    EXPECT_EQ(PowerUps::GetPowerUp(6), nullptr);
    EXPECT_EQ(PowerUps::GetPowerUp(-1), nullptr);
}

TEST_F(PowerUpTest, ThePowerUpTableIsReadAndBadValuesDoNoHarm) {
    const std::string path = "/tmp/brambleton-powerups-test.txt";
    {
        std::ofstream f(path);
        f << "powerups {\n\tp1 = 8\n\tp2 = 12.9\n\tp3 = -4\n\tp4 = x\n\tcost0 = 100, 100, 50, 50\n"
             "\tcost5 = 600, 500\n}\n";
    }
    LoadPowerUpData(path);
    EXPECT_EQ(powerUpNeeded[0], 8);
    EXPECT_EQ(powerUpNeeded[1], 12);
    EXPECT_EQ(powerUpNeeded[2], 0);
    EXPECT_EQ(powerUpNeeded[3], 0);
    EXPECT_EQ(powerUpNeeded[5], 0);
    EXPECT_EQ(powerUpCost[0], (std::array<int, 4>{100, 100, 50, 50}));
    EXPECT_EQ(powerUpCost[5], (std::array<int, 4>{600, 500, 0, 0}));
    std::remove(path.c_str());
    LoadPowerUpData("/tmp/brambleton-no-such-file.txt");
    EXPECT_EQ(powerUpNeeded[0], 0);

    LoadPowerUpData("game/data/powerups.txt");
    EXPECT_EQ(powerUpNeeded, (std::array<int, 6>{8, 12, 15, 20, 25, 30}));
}
