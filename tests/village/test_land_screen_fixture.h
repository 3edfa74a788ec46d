// Shared set-up of the village screen tests: a headless platform with the
// software renderer, a temporary user folder, a small catalogue of solid
// coloured buildings and offers, a fresh profile and the sounds played.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "quest/land_catalogue.h"
#include "support/headless_platform.h"

class TEkran;

class VillageTest : public HeadlessPlatformTest {
protected:
    std::string root, savedUserDir;
    std::vector<std::string> sounds;  // played, in order
    // Buildings 1 (red), 3 (green), 7 (the research tower, blue), 10 (white).
    std::shared_ptr<TBuilding> farm, fold, tower, smithy;
    // Stage 0: item 2 builds the farm (price 100, 50, 0, 10, puzzle 1), item 3
    // the smithy (puzzle 2), item 8 the tower (puzzle 3). Stage 1 is empty.
    // Stage 2: item 21 upgrades the fold (puzzle 9).
    std::shared_ptr<TLandItem> farmItem, smithyItem, towerItem, foldUpgrade;

    void SetUp() override;
    void TearDown() override;

    static Image Solid(int w, int h, int r, int g, int b);
    // Queues a click (move, press, release) at a play-area point.
    static void Click(float x, float y);
    static void MoveTo(float x, float y);
    // One frame of a screen as its loop runs it.
    static void Frame(TEkran& screen);
    // Gives the profile the blueprint of an item.
    void GiveBlueprint(const std::shared_ptr<TLandItem>& item);
    void SetStock(int wood, int food, int gold, int rock);
};
