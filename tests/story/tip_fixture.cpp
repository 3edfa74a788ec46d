#include "tip_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "story/tip_draw.h"
#include "story/tutorial_tips.h"
#include "village/land_screen.h"

bool RectsMeet(const TDim& a, const TDim& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool TipPointsAt(const TTutorialTip& tip, const TDim& rect) {
    for (const auto& arrow : tip.arrows)
        if (RectsMeet(
                NewDimRect(static_cast<float>(arrow->x) - 64, static_cast<float>(arrow->y) - 64, 128, 128),
                rect))
            return true;
    return false;
}

void ExpectTipClearOf(const TTutorialTip& tip, const TDim& rect, const std::string& what,
                      bool unlessPointedAt) {
    if (unlessPointedAt && TipPointsAt(tip, rect)) return;
    EXPECT_FALSE(RectsMeet(TipAdviserRect(tip), rect)) << "tip " << tip.id << ": the adviser covers " << what;
    EXPECT_FALSE(RectsMeet(TipBubbleRect(tip), rect)) << "tip " << tip.id << ": the bubble covers " << what;
}

void TipTest::SetUp() {
    HeadlessPlatformTest::SetUp();
    std::string tmpl = (std::filesystem::temp_directory_path() / "brambleton-tips-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    savedUserDir = userDir;
    userDir = root + "/user";
    std::filesystem::create_directories(userDir + "/Profiles");
    tutorialTips.clear();
    actProfile = std::make_shared<TProfile>();
    actProfile->name = "Tester";
    actProfile->ResetPowerUps();
    actProfile->questLevelId = 1;
    landScreen.isRaining = 0;
    noTutorial = 0;
    frameDelta = 1;
    mouse.clear();
    ClearTutorialTip();
    CheckTutorialTips(nullptr);  // no screen has asked yet
    TutorialHooks() = TTutorialHooks();
    SoundHooks().play = [this](const std::string& name) { sounds.push_back(name); };
}

void TipTest::TearDown() {
    ClearTutorialTip();
    TutorialHooks() = TTutorialHooks();
    SoundHooks() = TSoundHooks();
    actProfile = nullptr;
    tutorialTips.clear();
    landItems.clear();
    noTutorial = 0;
    landScreen.isRaining = 0;
    mouse.clear();
    userDir = savedUserDir;
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    HeadlessPlatformTest::TearDown();
}

std::shared_ptr<TTutorialTip> TipTest::AddTip(int typ, int typExit, int timeDelay, int isAlphaStart) {
    auto tip = std::make_shared<TTutorialTip>();
    tip->id = static_cast<int>(tutorialTips.size()) + 1;
    tip->typ = typ;
    tip->typExit = typExit;
    tip->timeDelay = timeDelay;
    tip->isAlphaStart = isAlphaStart;
    tutorialTips.push_back(tip);
    actProfile->tips.push_back(tip);
    return tip;
}

void TipTest::SetLevel(int level) { actProfile->questLevelId = level; }

void TipTest::AdvanceMs(int ms) {
    const int start = SysMillisecs();
    while (SysMillisecs() - start < ms) GfxFlip(0);
}

void TipTest::ClickNow() { mouse.leftPressed = 1; }

void TipTest::UpdateFrames(const TEkran* screen, int frames, bool clickFirst) {
    for (int i = 0; i < frames; ++i) {
        mouse.leftPressed = clickFirst && i == 0 ? 1 : 0;
        UpdateTutorialTip(screen);
        GfxFlip(0);
    }
    mouse.leftPressed = 0;
}

void TipTest::ShowFully(const TEkran* screen) { UpdateFrames(screen, 25); }
