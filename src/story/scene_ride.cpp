// Scene 2: the ride to the King, past the hills, until a low branch.
#include "audio/game_sound.h"
#include "frame/globals.h"
#include "platform/angles.h"
#include "story/scenes.h"

namespace {
constexpr const char* kFolder = "gfx/story/intro/scene-2/";

struct Pictures {
    bool loaded = false;
    std::vector<Image> sky, hills, hedges;  // 512, 512 and 1024 wide tiles
    Image tree, branch, horse, hero;
};
Pictures pics;
}  // namespace

void TIntroTwo::SetupGFX() {
    if (pics.loaded) return;
    pics.loaded = true;
    pics.sky = LoadSceneTiles(kFolder, "layer-1-", 6, ".jpg");
    pics.hills = LoadSceneTiles(kFolder, "layer-2-", 6, ".png");
    pics.hedges = LoadSceneTiles(kFolder, "layer-3-", 3, ".png");
    pics.tree = LoadSceneImage(std::string(kFolder) + "layer-4-tree.png");
    pics.branch = LoadSceneImage(std::string(kFolder) + "layer-4-branch.png");
    pics.horse = LoadSceneImageStanding(std::string(kFolder) + "horse.png");
    pics.hero = LoadSceneImageStanding(std::string(kFolder) + "hero.png");
}

void TIntroTwo::FreeGFX() { pics = Pictures{}; }

void TIntroTwo::setup() { MyTime = 15000; }

float TIntroTwo::AddNormal() const { return -1400 * per; }

void TIntroTwo::draw() {
    CountPer();
    GfxResetDrawState();
    const float s = SinPer();
    DrawSceneLayer(pics.sky, 512, -200 * s + AddNormal(), 0);
    DrawSceneLayer(pics.hills, 512, -400 * s + AddNormal(), 165);
    DrawSceneLayer(pics.hedges, 1024, -600 * s + AddNormal() + 160, 0);
    // The gallop: a long leap up, a short drop below the line.
    const float c = CosDeg(6000 * per);
    const float bounce = c <= 0 ? 80 * c : 0.45f * 80 * c;
    const float sway = 50 * CosDeg(720 * per) - 50 * per;
    GfxDrawImage(pics.horse, 500 + sway, 750 + bounce);
    GfxDrawImage(pics.hero, 450 + sway, 750 + bounce);
    GfxDrawImage(pics.tree, -800 * s + AddNormal() + 9, 0);
    GfxDrawImage(pics.branch, -1000 * s + AddNormal() + 2600, 35);
    _drawFade();
}

int TIntroTwo::update() {
    const int now = SysMillisecs();
    if (per > 0.9f) {
        dFade = 1;
        if (nextTime == 0) nextTime = now + 2000;
    }
    if (per > 0.915f && !byloFallSound) {
        byloFallSound = 1;
        PlayGameSound("story-fall");
    }
    if (nextTime != 0 && now > nextTime && fadedOut()) {
        PlayGameSound("story-crowd1");
        return 1;
    }
    return 0;
}
