// Scene 1: the edge of the forest where the old helmet waits on its post.
#include "audio/game_sound.h"
#include "frame/globals.h"
#include "platform/angles.h"
#include "story/scenes.h"

namespace {
constexpr const char* kFolder = "gfx/story/intro/scene-1/";
constexpr float kAmplitude[5] = {100, 200, 300, 500, 700};
constexpr float kLayerY[5] = {0, 112, 120, 190, 234};

struct Pictures {
    bool loaded = false;
    std::vector<Image> layers[5];  // four 512-wide tiles each
    Image front, ground, hat;
};
Pictures pics;
}  // namespace

void TIntroOne::SetupGFX() {
    if (pics.loaded) return;
    pics.loaded = true;
    for (int l = 0; l < 5; l++)
        pics.layers[l] = LoadSceneTiles(kFolder, "layer-" + std::to_string(l + 1) + "-", 4, ".png");
    pics.front = LoadSceneImage(std::string(kFolder) + "layer-6-0.png");
    pics.ground = LoadSceneImage(std::string(kFolder) + "layer-6-1.png");
    pics.hat = LoadSceneImage(std::string(kFolder) + "hat.png");
    if (pics.hat) GfxSetHandle(pics.hat, 5, 20);
}

void TIntroOne::FreeGFX() { pics = Pictures{}; }

void TIntroOne::setup() { MyTime = 15000; }

float TIntroOne::AddNormal() const { return -500 + 500 * SinDeg(90 * per); }

void TIntroOne::draw() {
    CountPer();
    GfxResetDrawState();
    const float s = SinPer();
    for (int l = 0; l < 5; l++)
        DrawSceneLayer(pics.layers[l], 512, -kAmplitude[l] + kAmplitude[l] * s + AddNormal(), kLayerY[l]);
    GfxDrawImage(pics.front, -1024 + 1024 * s + 445 + 581, 0);
    GfxDrawImage(pics.ground, -1024 + 1024 * s + 445, 515);
    DrawScenePicture(pics.hat, -700 + 700 * s + 260 + AddNormal(), 252, rot);
    _drawFade();
}

int TIntroOne::update() {
    const int now = SysMillisecs();
    if (state == 0 && per >= 1) {
        state = 1;
        PlayGameSound("story-metal");
    } else if (state == 1) {
        // The helmet tips over and stays tipped.
        rot += 2 * frameDelta;
        if (rot > 26) {
            rot = 26;
            nextTime = now + 2000;
            state = 2;
        }
    } else if (state == 2 && now > nextTime) {
        dFade = 1;
    }
    if (fadedOut()) {
        PlayGameSound("story-gallop");
        return 1;
    }
    return 0;
}
