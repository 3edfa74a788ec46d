// Scene 6: the joust. Shots alternate between riding with the hero and
// facing the Baron, who looks less sure of himself at every shot.
#include <algorithm>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "platform/angles.h"
#include "story/scenes.h"

namespace {
constexpr const char* kFolder = "gfx/story/intro/scene-6/";

struct Pictures {
    bool loaded = false;
    Image back[2], hero, heroHorse, enemyHorse, enemy[4];
};
Pictures pics;

Image LoadJoustPicture(const std::string& name, float hx, float hy) {
    Image img = LoadSceneImage(std::string(kFolder) + name);
    if (img) GfxSetHandle(img, hx, hy);
    return img;
}
}  // namespace

const std::array<TJoustShot, 7>& JoustShots() {
    static const std::array<TJoustShot, 7> shots = {{
        {1, 0, 3000},
        {0, 0, 3000},
        {1, 1, 2000},
        {0, 1, 2000},
        {1, 2, 2000},
        {0, 2, 2000},
        {1, 3, 3000},
    }};
    return shots;
}

void TIntroSix::SetupGFX() {
    if (pics.loaded) return;
    pics.loaded = true;
    pics.back[0] = LoadSceneImage(std::string(kFolder) + "back-0.jpg");
    pics.back[1] = LoadSceneImage(std::string(kFolder) + "back-1.jpg");
    pics.hero = LoadJoustPicture("hero.png", 291, 373);
    pics.heroHorse = LoadJoustPicture("horse_hero.png", 520, 238);
    pics.enemyHorse = LoadJoustPicture("horse_enemy.png", 661, 233);
    for (int n = 0; n < 4; n++)
        pics.enemy[n] = LoadJoustPicture("enemy" + std::to_string(n) + ".png", 141, 384);
}

void TIntroSix::FreeGFX() { pics = Pictures{}; }

void TIntroSix::setup() {
    MyTime = 0;  // driven by its shots
}

void TIntroSix::draw() {
    GfxResetDrawState();
    const float c = CosDeg(kat * per);
    const float b = c <= 0 ? odyU * c : odYD * c;
    const float w = odx * SinDeg(kat * per);
    if (show == 0) {
        GfxDrawImage(pics.back[0], -1024 * per, 0);
        GfxDrawImage(pics.back[1], 1024 - 1024 * per, 0);
        GfxDrawImage(pics.heroHorse, 400 + w, 500 + b);
        GfxDrawImage(pics.hero, 400 + w, 500 + b);
    } else {
        GfxDrawImage(pics.back[0], 1024 * per - 1024, 0);
        GfxDrawImage(pics.back[1], 1024 * per, 0);
        GfxDrawImage(pics.enemyHorse, 600 + w, 500 + b);
        GfxDrawImage(pics.enemy[std::clamp(enemyFrame, 0, 3)], 600 + w, 500 + b);
    }
    _drawFade();
}

void TIntroSix::startShot(int shot, int now) {
    const TJoustShot& s = JoustShots()[static_cast<size_t>(shot - 1)];
    state = shot;
    per = 0;
    show = s.view;
    enemyFrame = s.enemyFrame;
    nextTime = now + s.length;
}

int TIntroSix::update() {
    const int now = SysMillisecs();
    if (state == 0) {
        show = 1;
        nextTime = now + timeStep;
        state = 1;
    } else {
        const int length = JoustShots()[static_cast<size_t>(state - 1)].length;
        per = std::clamp(1.0f - static_cast<float>(nextTime - now) / static_cast<float>(length), 0.0f, 1.0f);
        if (state < 7 && now > nextTime) startShot(state + 1, now);
        if (state == 7 && now > nextTime - 2000) dFade = 1;
    }
    if (!byloSound && fade > 0.2f && per >= 1) {
        byloSound = 1;
        PlayGameSound("story-fall");
    }
    if (dFade >= 1 && now > nextTime && fade >= 1) {
        PlayGameSound("story-crowd2");
        return 1;
    }
    return 0;
}
