#include "test_land_screen_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "audio/game_sound.h"
#include "effects/particles.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/screen.h"
#include "match3/powerup.h"
#include "quest/profile.h"
#include "village/land_screen.h"

namespace {
std::shared_ptr<TBuilding> Building(int id, int sortN, int x, int y, Image img) {
    auto b = std::make_shared<TBuilding>();
    b->id = id;
    b->sortN = sortN;
    b->x = b->upgradeX = x;
    b->y = b->upgradeY = y;
    b->img = std::move(img);
    return b;
}

std::shared_ptr<TLandItem> Item(int id, const std::shared_ptr<TBuilding>& obj, int upgrade, int stage,
                                int puzzle) {
    auto item = std::make_shared<TLandItem>();
    item->id = id;
    item->obj = obj;
    item->toUpgrade = upgrade;
    item->stage = stage;
    item->puzzleId = puzzle;
    item->name = "Item " + std::to_string(id);
    item->opis = "What it is.";
    item->action = "What it does.";
    return item;
}
}  // namespace

Image VillageTest::Solid(int w, int h, int r, int g, int b) {
    std::vector<std::uint8_t> px(static_cast<size_t>(w * h * 4));
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = static_cast<std::uint8_t>(r);
        px[i + 1] = static_cast<std::uint8_t>(g);
        px[i + 2] = static_cast<std::uint8_t>(b);
        px[i + 3] = 255;
    }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_DEFAULT);
}

void VillageTest::SetUp() {
    HeadlessPlatformTest::SetUp();
    std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-village-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    savedUserDir = userDir;
    userDir = root;
    SoundHooks().play = [this](const std::string& name) { sounds.push_back(name); };
    SoundHooks().play1 = SoundHooks().play;
    LoadPowerUpData();
    TParticle::setup();

    farm = Building(1, 1, 100, 100, Solid(60, 40, 255, 0, 0));
    fold = Building(3, 2, 300, 100, Solid(60, 40, 0, 255, 0));
    fold->upgraded = Solid(60, 40, 255, 255, 0);
    tower = Building(7, 3, 500, 100, Solid(60, 40, 0, 0, 255));
    smithy = Building(10, 4, 700, 100, Solid(60, 40, 255, 255, 255));
    landBuildings = {farm, fold, tower, smithy};
    farmItem = Item(2, farm, 0, 0, 1);
    farmItem->res[0] = 100;
    farmItem->res[1] = 50;
    farmItem->res[3] = 10;
    smithyItem = Item(3, smithy, 0, 0, 2);
    towerItem = Item(8, tower, 0, 0, 3);
    foldUpgrade = Item(21, fold, 1, 2, 9);
    landItems = {farmItem, smithyItem, towerItem, foldUpgrade};

    actProfile = std::make_shared<TProfile>();
    actProfile->name = "Tester";
    actProfile->questLevelId = 5;
    actProfile->ResetPowerUps();
    landScreen.hooks = TLandScreenHooks();
    LandHooks().buildingFinished = [](int id) { landScreen.buildingFinished(id); };
    stripesImage = nullptr;
    TEkran()._prepareDelta();
}

void VillageTest::TearDown() {
    for (auto* list : {&landScreen.buildingClouds, &landScreen.waterParticles, &landScreen.cloudParticles,
                       &landScreen.rainParticles, &landScreen.smokeParticles})
        list->clear();
    landScreen.anims.clear();
    landScreen.buildings.clear();
    landScreen.items = {};
    landScreen.overItem = nullptr;
    LandHooks() = TLandHooks();
    SoundHooks() = TSoundHooks();
    landBuildings.clear();
    landItems.clear();
    actProfile = nullptr;
    particleImages = {};
    userDir = savedUserDir;
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    HeadlessPlatformTest::TearDown();
}

void VillageTest::MoveTo(float x, float y) { InPushEvent(MouseMoveEvent(x, y)); }

void VillageTest::Click(float x, float y) {
    InPushEvent(MouseMoveEvent(x, y));
    InPushEvent(MouseButtonEvent(true));
    InPushEvent(MouseButtonEvent(false));
}

void VillageTest::Frame(TEkran& screen) { ScreenFrame(screen); }

void VillageTest::GiveBlueprint(const std::shared_ptr<TLandItem>& item) {
    actProfile->bluePrints.push_back(item);
}

void VillageTest::SetStock(int wood, int food, int gold, int rock) {
    const int r[4] = {wood, food, gold, rock};
    for (int k = 0; k < 4; k++) actProfile->res[k] = r[k];
}
