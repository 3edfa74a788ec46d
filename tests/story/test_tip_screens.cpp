// The shipped tips: every adviser and bubble lies wholly on the screen; on the
// village and on the board they stand clear of every button of their screen
// they do not point at (the screen's GUI buttons, in the village the four
// offers' buttons), no board tip covers a power-up slot, not even the one it
// teaches, and a board tip leaves the cells it teaches visible. The puzzle
// screen's buttons have their own check (test_tip_puzzle_screen.cpp).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"
#include "match3/chip.h"
#include "match3/level.h"
#include "match3/powerup.h"
#include "match3/tile.h"
#include "quest/land_catalogue.h"
#include "story/tip_draw.h"
#include "story/tip_loading.h"
#include "tip_fixture.h"
#include "village/offer_row.h"

namespace {

struct Button {
    std::string name;
    TDim rect;
};

// The objects of a screen's GUI script that answer the mouse: those with a look for the
// mouse over them or pressing them.
std::vector<Button> GuiButtons(const std::string& script) {
    std::vector<Button> buttons;
    const auto gui = LoadGui(script);
    for (const auto& object : gui->objects)
        if (object->GetPropertiesByAction(TProperties::OVER) ||
            object->GetPropertiesByAction(TProperties::CLICK))
            buttons.push_back({"\"" + object->id + "\" of " + script, object->dim});
    return buttons;
}

std::vector<Button> VillageButtons() {
    std::vector<Button> buttons = GuiButtons("game/gfx/gui/landScreen/#LANG#/landScreen.gui");
    // The offer row slid in; without its pictures a button has the pictures' size.
    for (int k = 0; k < 4; ++k) {
        TLandItem item;
        item.x = OfferX(k);
        item.y = OfferY(1);
        Button offer{"the button of offer " + std::to_string(k), {}};
        OfferButtonRect(item, TOfferRowLook(), offer.rect.x, offer.rect.y, offer.rect.w, offer.rect.h);
        buttons.push_back(offer);
    }
    return buttons;
}

// The board tips that teach a mechanic, the level they fire on, and the cells they teach: the
// mechanic's cells and the board's two lower rows, where the chips the player moves land.
struct Lesson {
    int level;
    bool (*teaches)(const TTile&);
};
const std::map<int, Lesson>& Lessons() {
    static const std::map<int, Lesson> lessons = {
        {1, {1, [](const TTile& t) { return t.id == 2; }}},
        {2, {3, [](const TTile& t) { return t.chain >= 1; }}},
        {3, {6, [](const TTile& t) { return t.id == 3; }}},
        {4, {7, [](const TTile& t) { return t.chain == 2; }}},
        {5, {8, [](const TTile& t) { return t.chest != 0; }}},
    };
    return lessons;
}

std::vector<Button> TaughtCells(const Lesson& lesson) {
    if (chipCatalogue.empty()) LoadChipCatalogue();
    const auto level = LoadLevel("game/data/levels/level-" + std::to_string(lesson.level) + ".txt");
    std::vector<Button> cells;
    if (!level) return cells;
    for (int r = 0; r < level->rows; ++r)
        for (int c = 0; c < level->cols; ++c) {
            const TTile* t = level->At(r, c);
            if (!t || t->id == 0 || !(r >= level->rows - 2 || lesson.teaches(*t))) continue;
            cells.push_back({"cell (" + std::to_string(r) + ", " + std::to_string(c) + ") of level " +
                                 std::to_string(lesson.level),
                             NewDimRect(static_cast<float>(t->drawX - CELL / 2),
                                        static_cast<float>(t->drawY - CELL / 2), CELL, CELL)});
        }
    return cells;
}

bool InVillage(int typ) { return typ == 101 || (typ >= 31 && typ <= 33); }
bool OnBoard(int typ) { return (typ >= 1 && typ <= 5) || (typ >= 21 && typ <= 26); }

class ScreenTips : public TipTest {
protected:
    void SetUp() override {
        TipTest::SetUp();
        LoadTutorialTips();
    }
};

}  // namespace

TEST_F(ScreenTips, EveryAdviserAndBubbleLiesWhollyOnTheScreen) {
    const TDim screen = NewDimRect(0, 0, 1024, 768);  // the logical screen, without the wide sides
    auto inside = [&screen](const TDim& r) {
        return r.x >= screen.x && r.y >= screen.y && r.x + r.w <= screen.x + screen.w &&
               r.y + r.h <= screen.y + screen.h;
    };
    ASSERT_FALSE(tutorialTips.empty());
    for (const auto& tip : tutorialTips) {
        const TDim adviser = TipAdviserRect(*tip), bubble = TipBubbleRect(*tip);
        ASSERT_GT(adviser.h, 0) << "the adviser's picture is loaded";
        EXPECT_TRUE(inside(adviser)) << "tip " << tip->id << ": the adviser reaches (" << adviser.x << ", "
                                     << adviser.y << ") … (" << adviser.x + adviser.w << ", "
                                     << adviser.y + adviser.h << ")";
        EXPECT_TRUE(inside(bubble)) << "tip " << tip->id << ": the bubble reaches (" << bubble.x << ", "
                                    << bubble.y << ") … (" << bubble.x + bubble.w << ", "
                                    << bubble.y + bubble.h << ")";
    }
}

TEST_F(ScreenTips, VillageTipsStandClearOfTheVillagesButtons) {
    const std::vector<Button> buttons = VillageButtons();
    ASSERT_EQ(buttons.size(), 7u) << "\"continue\", \"options\", \"show\" and four offers";
    int checked = 0;
    for (const auto& tip : tutorialTips) {
        if (!InVillage(tip->typ)) continue;
        ++checked;
        for (const auto& button : buttons) ExpectTipClearOf(*tip, button.rect, button.name);
    }
    EXPECT_GE(checked, 7);
}

TEST_F(ScreenTips, BoardTipsStandClearOfTheScreensButtonsThePowerUpSlotsAndTheCellsTheyTeach) {
    const std::vector<Button> buttons = GuiButtons("game/gfx/gui/mainGame/#LANG#/mainGame.gui");
    ASSERT_FALSE(buttons.empty());
    int checked = 0;
    for (const auto& tip : tutorialTips) {
        if (!OnBoard(tip->typ)) continue;
        ++checked;
        for (const auto& button : buttons) ExpectTipClearOf(*tip, button.rect, button.name);
        // The slot a power-up tip points at stays in sight beside it.
        for (int slot = 0; slot < POWERUP_COUNT; ++slot)
            ExpectTipClearOf(*tip, PowerUpSlotRect(slot), "power-up slot " + std::to_string(slot), false);
        const auto lesson = Lessons().find(tip->typ);
        if (lesson == Lessons().end()) continue;
        const std::vector<Button> cells = TaughtCells(lesson->second);
        EXPECT_FALSE(cells.empty()) << "tip " << tip->id;
        for (const auto& cell : cells) ExpectTipClearOf(*tip, cell.rect, cell.name, false);
    }
    EXPECT_GE(checked, 12);
}
