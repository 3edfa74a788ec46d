// The village catalogues: reading buildings.txt, items.txt and the item
// texts, the look-ups, the messages for damaged data, and the offer state of
// an item for a profile.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "platform/notify_batch.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "quest/profile_lookups.h"
#include "support/headless_platform.h"

namespace fs = std::filesystem;

namespace {

const char* const kBuildings = R"(land {
	objects = 2
	object1 {
		id = 4
		basicUrl = "gfx/village/building-4.png"
		upgradedUrl = ""
		dim = 100, 200
		upgradeDim = 0, 0
		buildstate1 {
			url = "gfx/village/building-4-stage-1.png"
			position = 110, 230
		}
		buildstate3 {
			position = 105, 210
		}
	}
	object2 {
		id = 7
		basicUrl = "gfx/village/building-7.png"
		upgradedUrl = "gfx/village/building-7-up.png"
		dim = 500, 300
		upgradeDim = 490, 280
	}
}
)";

const char* const kItems = R"(items {
	i = 4
	item1 {
		id = 14
		icon = "gfx/village/icons/item-14.png"
		obj = 4
		upgrade = 0
		puzzle = 13
		name = 1
		description = 2
		action = 3
		res0 = 900
		res1 = 1000
		res2 = 600
		res3 = 800
		stage = 3
	}
	item2 {
		id = 18
		obj = 7
		upgrade = 1
		puzzle = 19
		name = 4
		res0 = -50
		stage = 4
	}
	item3 {
		id = 30
		obj = 99
		stage = 3
	}
	item4 {
		id = 31
		obj = 7
		stage = 3
	}
}
)";

const char* const kTexts = "Hen House\nA cosy coop.\nGold chips are worth 4 gold\nObservatory\n";

std::shared_ptr<TRCMFile> Rcm(const std::string& text) {
    auto f = NewRCM();
    f->LoadFromText(text);
    return f;
}

class LandCatalogueTest : public ::testing::Test {
protected:
    void TearDown() override {
        landBuildings.clear();
        landItems.clear();
    }
};

TEST_F(LandCatalogueTest, BuildingsKeepFileOrderPositionsAndStages) {
    const auto list = ReadBuildings(*Rcm(kBuildings), false);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->id, 4);
    EXPECT_EQ(list[0]->sortN, 1);
    EXPECT_EQ(list[1]->sortN, 2);
    EXPECT_EQ(list[0]->x, 100);
    EXPECT_EQ(list[0]->y, 200);
    EXPECT_EQ(list[1]->upgradeX, 490);
    EXPECT_EQ(list[1]->upgradeY, 280);
    EXPECT_EQ(list[0]->buildStateX[0], 110);
    EXPECT_EQ(list[0]->buildStateY[0], 230);
    // A missing stage reads as 0, the third as written.
    EXPECT_EQ(list[0]->buildStateX[1], 0);
    EXPECT_EQ(list[0]->buildStateY[2], 210);
    EXPECT_EQ(list[0]->alpha, 0);
    EXPECT_EQ(list[0]->show, 0);
}

TEST_F(LandCatalogueTest, ItemsReadTheirTextsBuildingAndPrice) {
    landBuildings = ReadBuildings(*Rcm(kBuildings), false);
    const auto texts = TxtFileFromText(kTexts);
    testing::internal::CaptureStdout();
    landItems = ReadLandItems(*Rcm(kItems), texts.get(), false);
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(landItems.size(), 4u);

    const TLandItem& hens = *landItems[0];
    EXPECT_EQ(hens.id, 14);
    EXPECT_EQ(hens.puzzleId, 13);
    EXPECT_EQ(hens.stage, 3);
    EXPECT_EQ(hens.toUpgrade, 0);
    EXPECT_EQ(hens.obj, landBuildings[0]);
    EXPECT_EQ(hens.name, "Hen House");
    EXPECT_EQ(hens.opis, "A cosy coop.");
    EXPECT_EQ(hens.action, "Gold chips are worth 4 gold");
    EXPECT_EQ(hens.res[0], 900);
    EXPECT_EQ(hens.res[3], 800);

    // Missing keys read as 0 and empty texts; a negative price as free.
    const TLandItem& sparse = *landItems[1];
    EXPECT_EQ(sparse.toUpgrade, 1);
    EXPECT_EQ(sparse.name, "Observatory");
    EXPECT_EQ(sparse.opis, "");
    EXPECT_EQ(sparse.action, "");
    EXPECT_EQ(sparse.res[0], 0);
    EXPECT_EQ(sparse.res[2], 0);

    // An unknown building is reported and loading goes on.
    EXPECT_EQ(landItems[2]->obj, nullptr);
    EXPECT_NE(out.find("No building found: 99\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("No building found: 4"), std::string::npos) << out;
    EXPECT_EQ(landItems[3]->obj, landBuildings[1]);
}

TEST_F(LandCatalogueTest, DamagedCountsReadNothingOrABoundedList) {
    EXPECT_TRUE(ReadBuildings(*Rcm("land {\n\tobjects = -5\n}\n"), false).empty());
    EXPECT_TRUE(ReadLandItems(*Rcm("items {\n\ti = -1\n}\n"), nullptr, false).empty());
    testing::internal::CaptureStdout();
    EXPECT_LE(ReadBuildings(*Rcm("land {\n\tobjects = 1e12\n}\n"), false).size(), 10000u);
    testing::internal::GetCapturedStdout();
}

TEST_F(LandCatalogueTest, FindStageItemCountsWithinTheStage) {
    landBuildings = ReadBuildings(*Rcm(kBuildings), false);
    testing::internal::CaptureStdout();
    landItems = ReadLandItems(*Rcm(kItems), nullptr, false);
    testing::internal::GetCapturedStdout();
    ASSERT_NE(FindStageItem(3, 0), nullptr);
    EXPECT_EQ(FindStageItem(3, 0)->id, 14);
    EXPECT_EQ(FindStageItem(3, 1)->id, 30);
    EXPECT_EQ(FindStageItem(3, 2)->id, 31);
    EXPECT_EQ(FindStageItem(3, 3), nullptr);  // beyond the stage's count
    EXPECT_EQ(FindStageItem(3, -1), nullptr);
    EXPECT_EQ(FindStageItem(4, 0)->id, 18);
    EXPECT_EQ(FindStageItem(5, 0), nullptr);  // a stage without items
    EXPECT_EQ(FindBuilding(7), landBuildings[1]);
    EXPECT_EQ(FindBuilding(8), nullptr);
    // The profile's look-ups see the catalogue.
    EXPECT_EQ(FindLandItem(18), landItems[1]);
    EXPECT_EQ(FindLandItemByPuzzle(13), landItems[0]);
}

// --- Loading from the game folder ---

class LandCatalogueFiles : public HeadlessPlatformTest {
protected:
    std::string root, savedGameDir;

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        std::string tmpl = (fs::temp_directory_path() / "brambleton-land-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        root = tmpl;
        savedGameDir = gameDir;
        gameDir = root + "/";
        Write("data/buildings.txt", kBuildings);
        Write("data/items.txt", kItems);
        Write("txt/en/items.txt", kTexts);
    }
    void TearDown() override {
        gameDir = savedGameDir;
        fs::remove_all(root);
        landBuildings.clear();
        landItems.clear();
        HeadlessPlatformTest::TearDown();
    }
    void Write(const std::string& rel, const std::string& text) const {
        fs::create_directories(fs::path(root + "/" + rel).parent_path());
        std::ofstream(root + "/" + rel, std::ios::binary) << text;
    }
    void WritePng(const std::string& rel) const {
        fs::create_directories(fs::path(root + "/" + rel).parent_path());
        Pixmap p;
        p.w = p.h = 8;
        p.rgba.assign(8 * 8 * 4, 200);
        ASSERT_TRUE(GfxSavePng(p, root + "/" + rel, 1));
    }
};

TEST_F(LandCatalogueFiles, MissingIconsAreReportedAndLoadingGoesOn) {
    WritePng("gfx/village/icons/item-14.png");
    WritePng("gfx/village/building-4.png");
    testing::internal::CaptureStdout();
    LoadLandCatalogues();
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(landBuildings.size(), 2u);
    ASSERT_EQ(landItems.size(), 4u);
    EXPECT_NE(landItems[0]->icon, nullptr);
    EXPECT_NE(landBuildings[0]->img, nullptr);
    EXPECT_EQ(landBuildings[1]->img, nullptr);
    EXPECT_EQ(out.find("No icon file: gfx/village/icons/item-14.png"), std::string::npos) << out;
    // Item 18 names no icon at all; items 30 and 31 neither.
    EXPECT_NE(out.find("No icon file: \n"), std::string::npos) << out;
    EXPECT_NE(out.find("No building found: 99"), std::string::npos) << out;
    EXPECT_EQ(landItems[0]->name, "Hen House");
}

TEST_F(LandCatalogueFiles, AHugeCountOfDamagedEntriesAsksForOneBoxAFile) {
    // Every entry is missing: each would report its icon and its building.
    Write("data/items.txt", "items {\n\ti = 2000000000\n}\n");
    Write("data/buildings.txt", "");
    const int boxesBefore = SysNotifyBoxCount();
    testing::internal::CaptureStdout();
    LoadLandCatalogues();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(SysNotifyBoxCount() - boxesBefore, 1);  // the items' file; the empty buildings say nothing
    const auto lines = std::count(out.begin(), out.end(), '\n');
    EXPECT_LE(lines, SYS_NOTIFY_BATCH_LINES + 5) << out.substr(0, 2000);
    EXPECT_NE(out.find("more messages like these"), std::string::npos) << out.substr(0, 2000);
}

TEST_F(LandCatalogueFiles, DescriptionStartCentresDescriptionAndAction) {
    const fs::path font = fs::path(savedGameDir) / "gfx/fonts/font1.ttf";
    if (!fs::exists(font)) GTEST_SKIP() << "fonts are generated by the asset build";
    fs::create_directories(root + "/gfx/fonts");
    fs::copy_file(font, root + "/gfx/fonts/font1.ttf");
    // One short line each, then a description long enough to wrap in the
    // 340 px box: the pair grows by a line, so it starts half a line higher.
    Write("txt/en/items.txt", std::string("Hen House\nA cosy coop.\nEggs\nObservatory\n"));
    testing::internal::CaptureStdout();
    LoadLandCatalogues();
    const float shortStart = landItems[0]->opisStartY;
    std::string longText;
    for (int i = 0; i < 12; ++i) longText += "A cosy coop with nests. ";
    Write("txt/en/items.txt", "Hen House\n" + longText + "\nEggs\nObservatory\n");
    LoadLandCatalogues();
    testing::internal::GetCapturedStdout();
    const float longStart = landItems[0]->opisStartY;
    // Two one-line texts and the 20 px gap, halved, upward.
    EXPECT_LT(shortStart, -10.0f);
    EXPECT_GT(shortStart, -60.0f);
    EXPECT_LT(longStart, shortStart - 10.0f);
    // An item without texts: only the gap (empty texts take no height).
    EXPECT_FLOAT_EQ(landItems[2]->opisStartY, -10.0f);
}

// --- Offer state ---

class OfferStateTest : public ::testing::Test {
protected:
    std::shared_ptr<TLandItem> item = std::make_shared<TLandItem>();
    TProfile p;

    void SetUp() override {
        item->id = 9;
        item->res[0] = 100;
        item->res[1] = 50;
        item->res[2] = 0;
        item->res[3] = 10;
    }
    void Afford(bool yes) {
        p.res[0] = yes ? 100 : 99;
        p.res[1] = 50;
        p.res[3] = 10;
    }
};

TEST_F(OfferStateTest, OwnedWinsOverEverything) {
    p.items.push_back(item);
    p.bluePrints.push_back(item);
    Afford(true);
    EXPECT_EQ(item->getProperButtonInd(p), OFFER_OWNED);
}

TEST_F(OfferStateTest, BlueprintBuysOnlyWhenAffordableAtExactlyThePrice) {
    p.bluePrints.push_back(item);
    Afford(true);  // exactly the price
    EXPECT_EQ(item->getProperButtonInd(p), OFFER_BUY);
    Afford(false);  // one wood short
    EXPECT_EQ(item->getProperButtonInd(p), OFFER_LOCKED);
    EXPECT_EQ(p.UnlockedItem(item->id), 0);  // a blueprint never offers the puzzle
}

TEST_F(OfferStateTest, AffordableWithoutBlueprintOffersThePuzzleForGood) {
    Afford(true);
    EXPECT_EQ(item->getProperButtonInd(p), OFFER_PUZZLE);
    EXPECT_EQ(p.UnlockedItem(item->id), 1);
    // Spending the resources elsewhere keeps the puzzle on offer.
    p.res[0] = p.res[1] = p.res[3] = 0;
    EXPECT_EQ(item->getProperButtonInd(p), OFFER_PUZZLE);
    ASSERT_EQ(p.unlockedItems.size(), 1u);
    EXPECT_EQ(p.unlockedItems[0], item);
}

TEST_F(OfferStateTest, UnaffordableAndNeverOfferedIsLocked) {
    Afford(false);
    EXPECT_EQ(item->getProperButtonInd(p), OFFER_LOCKED);
    EXPECT_EQ(p.UnlockedItem(item->id), 0);
}

TEST_F(OfferStateTest, WithoutACurrentProfileItIsLocked) {
    actProfile = nullptr;
    EXPECT_EQ(item->getProperButtonInd(), OFFER_LOCKED);
    actProfile = std::make_shared<TProfile>();
    actProfile->items.push_back(item);
    EXPECT_EQ(item->getProperButtonInd(), OFFER_OWNED);
    actProfile = nullptr;
}

}  // namespace
