// Scenes 3 and 7: the King's cart rolls past the crowd. In scene 3 the hero
// rises into view and dreams of the village; in scene 7 the King is pleased.
#include "audio/game_sound.h"
#include "frame/globals.h"
#include "platform/angles.h"
#include "story/scenes.h"

namespace {
constexpr const char* kFolder = "gfx/story/intro/scene-3/";

struct Pictures {
    bool loaded = false;
    std::vector<Image> layers[4];  // 512, 512, 512 and 1024 wide tiles
    Image king, bubble, eyes, hero, wheel;
    Image happyKing;  // scene 7
};
Pictures pics;
}  // namespace

void TIntroThree::SetupGFX() {
    if (pics.loaded) return;
    pics.loaded = true;
    // The far layer's tiles are JPEG files, all but the third (a PNG).
    for (int k = 0; k < 6; k++)
        pics.layers[0].push_back(LoadSceneImage(std::string(kFolder) + "layer-1-" + std::to_string(k) +
                                                (k == 2 ? ".png" : ".jpg")));
    pics.layers[1] = LoadSceneTiles(kFolder, "layer-2-", 6, ".png");
    pics.layers[2] = LoadSceneTiles(kFolder, "layer-3-", 6, ".png");
    pics.layers[3] = LoadSceneTiles(kFolder, "layer-4-", 3, ".png");
    pics.king = LoadSceneImage(std::string(kFolder) + "king.png");
    pics.bubble = LoadSceneImage(std::string(kFolder) + "buble.png");
    if (pics.bubble) GfxSetHandle(pics.bubble, 691, 365);
    pics.eyes = LoadSceneImage(std::string(kFolder) + "eyes.png");
    pics.hero = LoadSceneImageStanding(std::string(kFolder) + "hero.png");
    pics.wheel = LoadSceneImage(std::string(kFolder) + "wheel.png");
    if (pics.wheel) GfxSetHandle(pics.wheel, 73, 75);
}

void TIntroThree::FreeGFX() { pics = Pictures{}; }

void TIntroThree::setup() { MyTime = 30000; }

void TIntroThree::MyStart() { PlayGameSound("story-crowd"); }

float TIntroThree::AddNormal() const { return -1300 * SinDeg(90 * per); }

const Image& TIntroThree::kingImage() const { return pics.king; }

void TIntroThree::draw() {
    CountPer();
    GfxResetDrawState();
    const float s = SinPer();
    const float amplitude[3] = {200, 350, 500};
    const float layerY[3] = {0, 0, 172};
    for (int l = 0; l < 3; l++)
        DrawSceneLayer(pics.layers[l], 512, -amplitude[l] * s + AddNormal(), layerY[l]);
    const float m = 1000 * per + 50 * CosDeg(720 * per);
    GfxDrawImage(kingImage(), 100 + m, 250);
    if (eyesShow == 0) GfxDrawImage(pics.eyes, 293 + m, eyesY());
    wRot += 5 * frameDelta;
    DrawScenePicture(pics.wheel, 273 + m, 507, wRot);
    DrawSceneLayer(pics.layers[3], 1024, -600 * s + AddNormal(), 0);
    if (showsHero() && heroP > 0) {
        const float h = static_cast<float>(GfxImageHeight(pics.hero));
        GfxDrawImage(pics.hero, 850, 768 + h - h * heroP);
        if (bubbleP > 0) DrawScenePicture(pics.bubble, 774, 503, 0, SinDeg(90 * bubbleP));
    }
    _drawFade();
}

void TIntroThree::blink(int now) {
    // The closed eyelids show for 150 ms out of every 2150.
    if (now > eyesTime) {
        eyesTime = now + (eyesShow == 0 ? 2000 : 150);
        eyesShow = 1 - eyesShow;
    }
}

int TIntroThree::update() {
    const int now = SysMillisecs();
    if (state == 0 && per > 0.6f) {
        heroP += 0.025f * frameDelta;
        if (heroP > 1) {
            heroP = 1;
            nextTime = now + 1000;
            state = 1;
        }
    } else if (state == 1 && now > nextTime) {
        bubbleP += 0.02f * frameDelta;
        if (bubbleP > 1) {
            bubbleP = 1;
            nextTime = now + 2000;
            state = 2;
        }
    } else if (state == 2 && now > nextTime) {
        dFade = 1;
    }
    blink(now);
    if (fadedOut()) {
        PlayGameSound("story-bee");
        return 1;
    }
    return 0;
}

void TIntroSeven::SetupGFX() {
    TIntroThree::SetupGFX();
    if (!pics.happyKing) pics.happyKing = LoadSceneImage("gfx/story/intro/scene-7/king.png");
}

void TIntroSeven::setup() { MyTime = 30000; }

const Image& TIntroSeven::kingImage() const { return pics.happyKing; }

int TIntroSeven::update() {
    const int now = SysMillisecs();
    // The same pauses as scene 3, with nothing shown in them.
    if (state == 0 && per > 0.6f) {
        heroP += 0.025f * frameDelta;
        if (heroP > 1) {
            heroP = 1;
            nextTime = now + 1000;
            state = 1;
        }
    } else if (state == 1 && now > nextTime) {
        nextTime = now + 2000;
        state = 2;
    } else if (state == 2 && now > nextTime) {
        dFade = 1;
    }
    blink(now);
    return fadedOut() ? 1 : 0;
}
