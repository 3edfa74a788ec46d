#include "test_summary_fixture.h"

#include "effects/particles.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "gui/gui.h"
#include "quest/profile.h"

void LevelEndTest::SetUp() {
    HeadlessPlatformTest::SetUp();
    actProfile = std::make_shared<TProfile>();
    actProfile->questLevelId = 4;
    // What the loading steps load for every dialog.
    stripesImage = GfxLoadImage(gameDir + "gfx/stripes.png", GFX_IMAGE_DEFAULT);
    TParticle::setup();
    // The first frame gets a normal frame delta.
    TEkran()._prepareDelta();
}

void LevelEndTest::TearDown() {
    ClearParticles();
    stripesImage = nullptr;
    particleImages = {};
    actProfile = nullptr;
    HeadlessPlatformTest::TearDown();
}

std::shared_ptr<TLevel> LevelEndTest::WonLevel(int time, int maxTime, int wood, int food, int gold,
                                               int rock) {
    level = std::make_shared<TLevel>();
    level->time = time;
    level->maxTime = maxTime;
    const int counts[4] = {wood, food, gold, rock};
    for (int i = 0; i < 4; i++) level->res[i] = counts[i];
    return level;
}

void LevelEndTest::Frame(TEkran& dialog) { ScreenFrame(dialog); }

bool LevelEndTest::ClickObject(const TGui& gui, const std::string& name) {
    auto obj = gui.GetObject(name);
    if (!obj || obj->dim.w <= 0 || obj->dim.h <= 0) return false;
    InPushEvent(MouseMoveEvent(obj->dim.x + obj->dim.w / 2, obj->dim.y + obj->dim.h / 2));
    InPushEvent(MouseButtonEvent(true));
    InPushEvent(MouseButtonEvent(false));
    return true;
}

void LevelEndTest::PressKey(int code) {
    InPushEvent(KeyEvent(true, code));
    InPushEvent(KeyEvent(false, code));
}
