// The research screen: reading its file, what each power-up's button offers,
// paying for a research, and its pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "frame/frame_loop.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "match3/powerup.h"
#include "quest/profile.h"
#include "quest/profile_list.h"
#include "test_land_screen_fixture.h"
#include "village/research_screen.h"

namespace {

class ResearchTest : public VillageTest {
protected:
    TResearchScreen& r = researchScreen;

    void SetUp() override {
        VillageTest::SetUp();
        r.setup();
        r.caller = nullptr;
        r.showPer = r.dShowPer = 1;
        r.actZestaw = 0;
    }
    void TearDown() override {
        FrameHooks().saveProfiles = nullptr;
        profileManager.profiles.clear();
        VillageTest::TearDown();
    }

    std::shared_ptr<TResearchPanel> Panel(int slot) const {
        for (auto& page : r.zestaw)
            for (auto& p : page)
                if (p->slot() == slot) return p;
        return nullptr;
    }

    void Own(int itemId) {
        auto item = std::make_shared<TLandItem>();
        item->id = itemId;
        actProfile->items.push_back(item);
    }

    void ClickButton(const TResearchPanel& p) {
        Click(p.buttonX() + 20, p.buttonY() + 20);
        r.update();
    }

    void SetStockTo(int slot) {
        const auto& c = powerUpCost[static_cast<size_t>(slot)];
        SetStock(c[0], c[1], c[2], c[3]);
    }
};

TEST(ResearchFile, TheGamesSixPanelsOnTwoPages) {
    auto file = LoadRCM("game/data/researches.txt");
    auto texts = LoadTxtFile("game/txt/en/research.txt");
    auto panels = ReadResearchPanels(*file, texts.get(), false);
    ASSERT_EQ(panels.size(), 6u);
    std::set<int> ids;
    int onFirst = 0;
    for (auto& p : panels) {
        ids.insert(p->id);
        onFirst += p->page == 0;
        EXPECT_FALSE(p->name.empty());
        EXPECT_NE(p->name, TXT_BEYOND);
        EXPECT_NE(p->descr, TXT_BEYOND);
    }
    EXPECT_EQ(ids, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(onFirst, 4);
}

TEST(ResearchFile, BadEntriesAreLeftOutAndNothingBreaks) {
    TRCMFile file;
    file.LoadFromText(
        "researches {\n i = 2000000000\n res1 {\n id = 0\n }\n res2 {\n id = 7\n }\n res3 {\n id = 2\n"
        " page = 9\n position = 1e30, -1e30\n name = 999\n }\n res4 {\n id = 2\n }\n res5 {\n id = 6\n"
        " page = 1\n }\n}\n");
    auto panels = ReadResearchPanels(file, nullptr, false);
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[0]->id, 2);
    EXPECT_EQ(panels[0]->page, 0);
    EXPECT_LE(panels[0]->x, 2048);
    EXPECT_GE(panels[0]->y, -768);
    EXPECT_EQ(panels[1]->page, 1);
    TRCMFile empty;
    empty.LoadFromText("");
    EXPECT_TRUE(ReadResearchPanels(empty, nullptr, false).empty());
}

TEST_F(ResearchTest, OwningTheSmithyGivesTheHammerWithoutPaying) {
    Own(3);
    SetStock(7, 7, 7, 7);
    r._prepareResearchable();
    EXPECT_EQ(actProfile->powerUp[POWERUP_HAMMER]->researched, 1);
    EXPECT_EQ(Panel(POWERUP_HAMMER)->buttonState(), RESEARCH_DONE);
    for (int k = 0; k < 4; k++) EXPECT_EQ(actProfile->res[k], 7);
}

TEST_F(ResearchTest, AResearchIsOnDiskAtOnceWithItsPrice) {
    // SaveAll as the game wires it: the profile list saves every profile.
    FrameHooks().saveProfiles = [] { return profileManager.saveProfiles(); };
    profileManager.profiles = {actProfile};
    profileManager.loadedOnce = 1;
    Own(8);
    const auto& c = powerUpCost[POWERUP_HOURGLASS];
    SetStock(c[0] + 1, c[1] + 2, c[2] + 3, c[3] + 4);
    r._prepareResearchable();
    ClickButton(*Panel(POWERUP_HOURGLASS));
    ASSERT_EQ(actProfile->powerUp[POWERUP_HOURGLASS]->researched, 1);
    // The window closed now saves nothing more: the disk holds both.
    auto onDisk = LoadProfile(actProfile->GetMyId());
    EXPECT_EQ(onDisk->powerUp[POWERUP_HOURGLASS]->researched, 1);
    EXPECT_EQ(onDisk->powerUp[POWERUP_HOURGLASS]->unlocked, 1);
    for (int k = 0; k < 4; k++) EXPECT_EQ(onDisk->res[k], k + 1) << k;
}

TEST_F(ResearchTest, APowerUpIsLockedUntilTheVillageOwnsItsItem) {
    SetStock(100000, 100000, 100000, 100000);
    r._prepareResearchable();
    for (int s = 0; s < POWERUP_COUNT; s++) EXPECT_EQ(Panel(s)->buttonState(), RESEARCH_LOCKED) << s;
    for (int item : {8, 4, 12, 15, 18}) Own(item);
    r._prepareResearchable();
    for (int s = 1; s < POWERUP_COUNT; s++) EXPECT_EQ(Panel(s)->buttonState(), RESEARCH_READY) << s;
    EXPECT_EQ(Panel(POWERUP_HAMMER)->buttonState(), RESEARCH_LOCKED);
}

TEST_F(ResearchTest, ACostEqualToTheStockIsResearchedAndLeavesNothing) {
    Own(8);
    SetStockTo(POWERUP_HOURGLASS);
    r._prepareResearchable();
    auto p = Panel(POWERUP_HOURGLASS);
    ASSERT_EQ(p->buttonState(), RESEARCH_READY);
    ClickButton(*p);
    EXPECT_EQ(actProfile->powerUp[POWERUP_HOURGLASS]->researched, 1);
    for (int k = 0; k < 4; k++) EXPECT_EQ(actProfile->res[k], 0) << k;
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "coins"), 1);
    EXPECT_EQ(p->buttonState(), RESEARCH_DONE);
}

TEST_F(ResearchTest, OneShortOfTheCostResearchesNothing) {
    Own(8);
    SetStockTo(POWERUP_HOURGLASS);
    actProfile->res[3] -= 1;
    r._prepareResearchable();
    auto p = Panel(POWERUP_HOURGLASS);
    EXPECT_EQ(p->buttonState(), RESEARCH_TOO_DEAR);
    ClickButton(*p);
    EXPECT_EQ(actProfile->powerUp[POWERUP_HOURGLASS]->researched, 0);
    EXPECT_EQ(p->isOver, 0);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(ResearchTest, AResearchedButtonDoesNothingWhenClicked) {
    Own(3);
    SetStock(100000, 100000, 100000, 100000);
    r._prepareResearchable();
    ClickButton(*Panel(POWERUP_HAMMER));
    for (int k = 0; k < 4; k++) EXPECT_EQ(actProfile->res[k], 100000);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(ResearchTest, ThePageButtonsTurnThePage) {
    Own(18);
    SetStockTo(POWERUP_COLOR);
    r._prepareResearchable();
    float x = 0, y = 0, w = 0, h = 0;
    r.pageButtonRect(1, x, y, w, h);
    Click(x + w / 2, y + h / 2);
    r.update();
    EXPECT_EQ(r.actZestaw, 1);
    // The colour panel is on the second page and can be researched there.
    ClickButton(*Panel(POWERUP_COLOR));
    EXPECT_EQ(actProfile->powerUp[POWERUP_COLOR]->researched, 1);
}

// The dialog as drawn: the ready button in its picture, the locked one in
// the other.
TEST_F(ResearchTest, EachButtonIsDrawnInItsStatesPicture) {
    r.buttonImg = {Solid(150, 48, 128, 128, 128), Solid(150, 48, 0, 255, 0), Solid(150, 48, 255, 0, 0)};
    r.back = nullptr;
    r.panelImg = nullptr;
    Own(8);
    SetStock(100000, 100000, 100000, 100000);
    r._prepareResearchable();
    GfxCls();
    r.draw();
    auto hourglass = Panel(POWERUP_HOURGLASS), hammer = Panel(POWERUP_HAMMER);
    const Rgb ready =
        PixelAt(static_cast<int>(hourglass->buttonX()) + 4, static_cast<int>(hourglass->buttonY()) + 4);
    const Rgb locked =
        PixelAt(static_cast<int>(hammer->buttonX()) + 4, static_cast<int>(hammer->buttonY()) + 4);
    EXPECT_GT(ready.g, 200);
    EXPECT_LT(ready.r, 50);
    EXPECT_GT(locked.r, 200);
    EXPECT_LT(locked.g, 50);
}

}  // namespace
