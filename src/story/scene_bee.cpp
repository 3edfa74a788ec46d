// Scene 4: a bee flies from the hero to the Baron; a wisp of straw rises to
// his nose and he sneezes.
#include <algorithm>

#include "frame/globals.h"
#include "platform/angles.h"
#include "platform/platform.h"
#include "story/scenes.h"

namespace {
constexpr const char* kFolder = "gfx/story/intro/scene-4/";

struct Pictures {
    bool loaded = false;
    Image back[2], hero, enemy[3], straw, bee, wing[2];
};
Pictures pics;
}  // namespace

void TIntroFour::SetupGFX() {
    if (pics.loaded) return;
    pics.loaded = true;
    const std::string folder = kFolder;
    pics.back[0] = LoadSceneImage(folder + "back-0.jpg");
    pics.back[1] = LoadSceneImage(folder + "back-1.jpg");
    pics.hero = LoadSceneImageBottomLeft(folder + "hero.png");
    for (int i = 0; i < 3; i++)
        pics.enemy[i] = LoadSceneImageBottomLeft(folder + "enemy" + std::to_string(i) + ".png");
    pics.straw = LoadSceneImage(folder + "straw.png");
    pics.bee = LoadSceneImage(folder + "bee.png");
    for (const Image& img : {pics.straw, pics.bee})
        if (img) GfxMidHandle(img);
    pics.wing[0] = LoadSceneImage(folder + "wing-1.png");
    pics.wing[1] = LoadSceneImage(folder + "wing-2.png");
    if (pics.wing[0]) GfxSetHandle(pics.wing[0], 11, 9);
    if (pics.wing[1]) GfxSetHandle(pics.wing[1], 7, 13);
}

void TIntroFour::FreeGFX() { pics = Pictures{}; }

void TIntroFour::setup() { MyTime = 20000; }

void TIntroFour::draw() {
    GfxResetDrawState();
    const float s = SinPer();
    GfxDrawImage(pics.back[0], -1024 * s, 0);
    GfxDrawImage(pics.back[1], 1024 - 1024 * s, 0);
    GfxDrawImage(pics.hero, 201 - 1024 * s, 768);
    GfxDrawImage(pics.enemy[std::clamp(enemyFrame, 0, 2)], 1250 - 1024 * s, 768);
    DrawScenePicture(pics.bee, bx, by, 0, beeScale);
    for (int k = 0; k < 2; k++)
        DrawScenePicture(pics.wing[k], bx - 4, by - 4, static_cast<float>(20 * wingRot[k] - 10), beeScale);
    if (drawDrop) DrawScenePicture(pics.straw, dropX, dropY, 0, dropScale);
    _drawFade();
}

int TIntroFour::update() {
    CountPer();
    const int now = SysMillisecs();
    const float s = SinPer();
    switch (state) {
        case 0:
            // The bee crosses the meadow, then dwindles into the distance.
            bx = 60 + 770 * per / perStep;
            by = 400 + 100 * CosDeg(690 * per / perStep);
            if (per < 0.4f) {
                beeScale = 1;
            } else {
                beeScale -= 0.03f * frameDelta;
                if (beeScale <= 0) {
                    beeScale = 0;
                    state = 1;
                    nextTime = now + 1000;
                }
            }
            break;
        case 1:
            if (now > nextTime) {
                state = 2;
                drawDrop = 1;
                enemyFrame = 1;
            }
            break;
        case 2:
            pp = std::min(1.0f, pp + 0.025f * frameDelta);
            dropX = 1458 - 1024 * s;
            dropY = 511 - 175 * pp;
            if (pp >= 1) {
                state = 3;
                pp = 0;
            }
            break;
        case 3:
            pp = std::min(1.0f, pp + 0.05f * frameDelta);
            dropX = 46 * pp + 1458 - 1024 * s;
            dropY = 336 - 40 * pp;
            if (pp >= 1) {
                state = 4;
                enemyFrame = 2;
                nextTime = now + 1000;
                drawDrop = 0;
            }
            break;
        case 4:
            if (now > nextTime) {
                state = 5;
                nextTime = now + 2000;
            }
            break;
        case 5:
            if (now > nextTime) dFade = 1;
            break;
        default:
            break;
    }
    for (size_t k = 0; k < 2; k++)
        if (now > wingTime[k]) {
            wingTime[k] = now + 25 + RandInt(-15, 15);
            wingRot[k] = 1 - wingRot[k];
        }
    return fadedOut() ? 1 : 0;
}
