// Scene 5: the hero and the Baron face each other across the tilting fence,
// then ride at each other as the picture fades.
#include <algorithm>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "platform/angles.h"
#include "story/scenes.h"

namespace {
constexpr const char* kFolder = "gfx/story/intro/scene-5/";

struct Pictures {
    bool loaded = false;
    Image back, hero, heroShadow, fence, enemy;
};
Pictures pics;
}  // namespace

void TIntroFive::SetupGFX() {
    if (pics.loaded) return;
    pics.loaded = true;
    const std::string folder = kFolder;
    pics.back = LoadSceneImage(folder + "back.jpg");
    pics.hero = LoadSceneImage(folder + "hero.png");
    pics.heroShadow = LoadSceneImage(folder + "hero_shadow.png");
    pics.fence = LoadSceneImage(folder + "fence.png");
    pics.enemy = LoadSceneImage(folder + "enemy.png");
}

void TIntroFive::FreeGFX() { pics = Pictures{}; }

void TIntroFive::setup() {
    MyTime = 0;  // driven by its states, not by the clock
}

float TIntroFive::CountMove() const { return 100 * SinDeg(90 * per); }

void TIntroFive::draw() {
    GfxResetDrawState();
    const float m = CountMove();
    GfxDrawImage(pics.back, 0, 0);
    GfxDrawImage(pics.hero, 12 + m, 246);
    GfxDrawImage(pics.heroShadow, 12 + m, 368);
    GfxDrawImage(pics.fence, 143, 317);
    GfxDrawImage(pics.enemy, 823 - m, 262);
    _drawFade();
}

int TIntroFive::update() {
    const int now = SysMillisecs();
    if (state == 0) {
        nextTime = now + 3000;
        state = 1;
    } else if (state == 1 && now > nextTime) {
        state = 2;
    } else if (state == 2) {
        per = std::min(1.0f, per + 0.01f * frameDelta);
        dFade = 1;
    }
    if (fadedOut()) {
        PlayGameSound("story-gallop");
        return 1;
    }
    return 0;
}
