// The land screen: the offer row's cycle, buying, the buildings it draws, the
// weather and the research tower under the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "frame/mouse.h"
#include "match3/powerup.h"
#include "quest/profile.h"
#include "test_land_screen_fixture.h"
#include "village/land_screen.h"

namespace {

class LandScreenTest : public VillageTest {
protected:
    TLandScreen& v = landScreen;

    void SetUp() override {
        VillageTest::SetUp();
        v.setup();
    }

    int Count(int species) const {
        return static_cast<int>(std::count_if(v.anims.begin(), v.anims.end(),
                                              [species](auto& a) { return a->ad && a->ad->id == species; }));
    }

    // Frames until `done` or the limit; the number of frames run.
    template <class Done>
    int RunUntil(Done done, int limit) {
        int frames = 0;
        while (!done() && frames < limit) {
            Frame(v);
            frames++;
        }
        return frames;
    }
};

TEST_F(LandScreenTest, AnEmptyStageSlidesInEmptyCountsAsBoughtAndAdvances) {
    actProfile->stage = 1;
    v.prepare();
    EXPECT_TRUE(std::all_of(v.items.begin(), v.items.end(), [](auto& i) { return !i; }));
    EXPECT_EQ(v.AllItemsBought(), 1);
    bool slidIn = false;
    RunUntil(
        [&] {
            slidIn = slidIn || v.iPer == 1;
            return actProfile->stage != 1;
        },
        400);
    EXPECT_TRUE(slidIn) << "the empty row slides in before it leaves";
    EXPECT_EQ(actProfile->stage, 2);
    EXPECT_EQ(v.items[0], foldUpgrade);
    EXPECT_EQ(v.iPer, 0);
    EXPECT_EQ(v.diPer, 1);
}

TEST_F(LandScreenTest, ARowStaysWhileAnOfferIsUnbought) {
    v.prepare();
    RunUntil([] { return false; }, 120);
    EXPECT_EQ(actProfile->stage, 0);
    EXPECT_EQ(v.iPer, 1);
    EXPECT_EQ(v.items[0], farmItem);
    EXPECT_EQ(v.items[3], nullptr);
}

TEST_F(LandScreenTest, APriceEqualToTheStockCanBeBoughtAndLeavesNothing) {
    GiveBlueprint(farmItem);
    SetStock(100, 50, 0, 10);
    v.prepare();
    EXPECT_EQ(farmItem->getProperButtonInd(), OFFER_BUY);
    v.BuyItem(farmItem);
    for (int r = 0; r < 4; r++) EXPECT_EQ(actProfile->res[r], 0) << r;
    EXPECT_TRUE(actProfile->HaveItem(2));
    EXPECT_EQ(farmItem->Hidding, 1);
    ASSERT_FALSE(sounds.empty());
    EXPECT_TRUE(sounds.back() == "constr-1" || sounds.back() == "constr-2") << sounds.back();
    ASSERT_EQ(v.buildings.size(), 1u);
    EXPECT_EQ(farm->alpha, 0) << "construction starts from the staked plot";
    // Bought twice is paid once.
    v.BuyItem(farmItem);
    EXPECT_EQ(actProfile->items.size(), 1u);
    EXPECT_EQ(actProfile->res[0], 0);
}

TEST_F(LandScreenTest, TheSmithyUnlocksTheHammerForGood) {
    v.prepare();
    ASSERT_FALSE(actProfile->powerUp[POWERUP_HAMMER]->unlocked);
    v.BuyItem(smithyItem);
    EXPECT_TRUE(actProfile->powerUp[POWERUP_HAMMER]->unlocked);
    EXPECT_EQ(actProfile->powerUp[POWERUP_HAMMER]->researched, 1) << "only the research is stored";
    // The next start reads the profile back: the hammer slot is still open.
    ASSERT_EQ(actProfile->save(), 1);
    auto reloaded = LoadProfile(actProfile->GetMyId());
    ASSERT_TRUE(reloaded->HaveItem(smithyItem->id));
    EXPECT_EQ(reloaded->powerUp[POWERUP_HAMMER]->unlocked, 1);
    EXPECT_EQ(reloaded->powerUp[POWERUP_HAMMER]->researched, 1);
    EXPECT_EQ(reloaded->powerUp[POWERUP_HOURGLASS]->unlocked, 0);
}

TEST_F(LandScreenTest, AnUpgradeOfABuildingNotOwnedChangesNothingVisible) {
    actProfile->stage = 2;
    GiveBlueprint(foldUpgrade);
    v.prepare();
    v.iPer = v.diPer = 0.5f;  // the row out of the way
    v.fade = v.dFade = 0;
    v.back = Solid(1024, 768, 40, 80, 120);
    v.draw();
    const Rgb before = PixelAt(330, 120);
    EXPECT_EQ(before.b, 120);
    v.BuyItem(foldUpgrade);
    EXPECT_TRUE(v.buildings.empty());
    for (int i = 0; i < 120; i++) Frame(v);
    v.draw();
    const Rgb after = PixelAt(330, 120);
    EXPECT_EQ(before.r, after.r);
    EXPECT_EQ(before.g, after.g);
    EXPECT_EQ(before.b, after.b);
}

TEST_F(LandScreenTest, ABoughtOfferIsNeverHoveredNorPicked) {
    actProfile->items.push_back(farmItem);
    v.prepare();
    RunUntil([&] { return v.iPer == 1; }, 200);
    const float x = farmItem->x + 95 + 40, y = farmItem->y + 40;
    MoveTo(x, y);
    Frame(v);
    EXPECT_EQ(v.overItem, nullptr);
    EXPECT_EQ(farmItem->dOverA, 0);
    sounds.clear();
    Click(x, y);
    Frame(v);
    EXPECT_TRUE(std::find(sounds.begin(), sounds.end(), "click") == sounds.end());
    EXPECT_EQ(actProfile->items.size(), 1u);
}

TEST_F(LandScreenTest, AnOfferUnderTheMouseGlowsOnlyWithTheHudShown) {
    v.prepare();
    RunUntil([&] { return v.iPer == 1; }, 200);
    MoveTo(smithyItem->x + 95 + 40, smithyItem->y + 40);
    Frame(v);
    EXPECT_EQ(v.overItem, smithyItem);
    v.goHideHud();
    Frame(v);
    EXPECT_EQ(v.overItem, nullptr);
}

TEST_F(LandScreenTest, ItRainsOnLevel12AndNotOn13) {
    actProfile->questLevelId = 12;
    v.prepare();
    EXPECT_EQ(v.isRaining, 1);
    RunUntil([] { return false; }, 3);
    EXPECT_FALSE(v.rainParticles.empty());
    actProfile->questLevelId = 13;
    v.prepare();
    EXPECT_EQ(v.isRaining, 0);
    EXPECT_TRUE(v.rainParticles.empty());
    RunUntil([] { return false; }, 3);
    EXPECT_TRUE(v.rainParticles.empty());
}

TEST_F(LandScreenTest, OwnedBuildingsStandFinishedInFileOrder) {
    actProfile->items = {smithyItem, farmItem};
    v.prepare();
    ASSERT_EQ(v.buildings.size(), 2u);
    EXPECT_EQ(v.buildings[0], farm);
    EXPECT_EQ(v.buildings[1], smithy);
    EXPECT_EQ(farm->alpha, 1);
    v.iPer = v.diPer = 0.5f;
    v.fade = v.dFade = 0;
    v.draw();
    const Rgb red = PixelAt(130, 120);
    EXPECT_GT(red.r, 200);
    EXPECT_LT(red.g, 60);
}

TEST_F(LandScreenTest, ABuildingRisingWhileAnotherIsBoughtGoesOnRising) {
    v.prepare();
    v.BuyItem(farmItem);
    RunUntil([] { return false; }, 60);
    const float risen = farm->alpha;
    ASSERT_GT(risen, 0);
    ASSERT_LT(risen, 1);
    v.BuyItem(smithyItem);
    EXPECT_EQ(farm->alpha, risen);
    EXPECT_EQ(smithy->alpha, 0);
}

TEST_F(LandScreenTest, ABuildingCompletedOnScreenBringsItsAnimalsOnce) {
    auto sheepFold = std::make_shared<TLandItem>();
    sheepFold->id = 11;
    sheepFold->obj = fold;
    sheepFold->stage = 0;
    landItems.push_back(sheepFold);
    // The row: farm, smithy, the fold's upgrade and the fold.
    towerItem->stage = 5;
    foldUpgrade->stage = 0;
    v.prepare();
    RunUntil([&] { return v.iPer == 1; }, 200);
    EXPECT_EQ(Count(ANIM_SHEEP), 0);
    v.BuyItem(sheepFold);
    // Its offer panel settles first, then the fold rises the last stretch.
    RunUntil([&] { return sheepFold->Hidding == 0; }, 100);
    EXPECT_EQ(Count(ANIM_SHEEP), 0) << "not before the fold stands";
    fold->alpha = 0.95f;
    RunUntil([&] { return fold->alpha >= 1; }, 100);
    Frame(v);
    EXPECT_EQ(Count(ANIM_SHEEP), 2);
    // The upgrade cross-fades the fold and its offer panel settles: no more sheep.
    v.BuyItem(foldUpgrade);
    RunUntil([] { return false; }, 110);
    EXPECT_EQ(foldUpgrade->Hidding, 0);
    EXPECT_EQ(Count(ANIM_SHEEP), 2);
    // The next entry places them from the items owned, once.
    v.prepare();
    EXPECT_EQ(Count(ANIM_SHEEP), 2);
}

TEST_F(LandScreenTest, TheResearchTowerIsPointedAtOnlyOnceBuiltAndWithTheHud) {
    actProfile->items = {towerItem};
    v.prepare();
    MoveTo(530, 120);
    Frame(v);
    EXPECT_EQ(v.overResearch, 1);
    MoveTo(330, 120);
    Frame(v);
    EXPECT_EQ(v.overResearch, 0);
    v.goHideHud();
    MoveTo(530, 120);
    Frame(v);
    EXPECT_EQ(v.overResearch, 0);
}

TEST_F(LandScreenTest, ContinueHandsTheQuestLevelToTheBoard) {
    v.prepare();
    v.goPlay();
    EXPECT_EQ(v.wynik, 2);
    EXPECT_EQ(v.dFade, 1);
    v.prepare();
    v.goOptions();  // no options dialog wired: the main menu
    EXPECT_EQ(v.wynik, 1);
}

TEST_F(LandScreenTest, APuzzleOfferAsksThePuzzleScreen) {
    int asked = 0;
    v.hooks.runPuzzle = [&](int puzzle) { asked = puzzle; };
    SetStock(1000, 1000, 1000, 1000);
    v.prepare();
    ASSERT_EQ(farmItem->getProperButtonInd(), OFFER_PUZZLE);
    v.PickItem(farmItem);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(actProfile->actPuzzleLevel, 1);
    EXPECT_FALSE(actProfile->HaveItem(2));
}

// The offer row as drawn: each slot's button in its state's colour.
TEST_F(LandScreenTest, TheOfferRowDrawsEachStatesButton) {
    v.look.button = {Solid(95, 80, 255, 0, 0), Solid(95, 80, 0, 255, 0), Solid(95, 80, 128, 128, 128),
                     Solid(95, 80, 0, 255, 255)};
    v.look.frame = nullptr;
    for (auto& item : landItems) item->icon = nullptr;
    GiveBlueprint(farmItem);
    SetStock(100, 50, 0, 10);
    towerItem->res[0] = 1000;
    actProfile->items.push_back(foldUpgrade);  // not in the row: the row is stage 0
    v.prepare();
    v.iPer = v.diPer = 1;
    v.alpha = v.dAlpha = 1;
    GfxCls();
    v._drawItems();
    auto at = [](int k) { return PixelAt(static_cast<int>(18 + 192 * k + 98), 654 + 80); };
    const Rgb green = at(0), cyan = at(1), red = at(2);
    EXPECT_GT(green.g, 200);
    EXPECT_LT(green.r, 50);
    EXPECT_GT(cyan.b, 200);
    EXPECT_GT(cyan.g, 200);
    EXPECT_GT(red.r, 200);
    EXPECT_LT(red.g, 50);
    const Rgb empty = at(3);
    EXPECT_LT(empty.r + empty.g + empty.b, 30) << "slot 3 is empty";
    // Halfway in, the row sits 60 px lower and half transparent.
    GfxCls();
    v.iPer = 0.5f;
    v._drawItems();
    EXPECT_LT(PixelAt(18 + 98, 654 + 20).g, 10);
    const Rgb half = PixelAt(18 + 98, 714 + 50);
    EXPECT_GT(half.g, 100);
    EXPECT_LT(half.g, 160);
}

}  // namespace
