// The outro: its five steps with their pans, zooms and cross-fades, clicks
// that change nothing, then the credits and the end of the quest.
#include <gtest/gtest.h>

#include <functional>

#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "quest/profile.h"
#include "story/outro.h"
#include "support/headless_platform.h"
#include "test_scene_fixture.h"

namespace {
std::function<void()>& OutroWatch() {
    static std::function<void()> watch;
    static bool installed = false;
    if (!installed) {
        installed = true;
        AddAfterFrameHook([] {
            if (watch) watch();
        });
    }
    return watch;
}

class OutroRun : public StoryClockTest {
protected:
    std::shared_ptr<TProfile> savedProfile = actProfile;
    void TearDown() override {
        OutroWatch() = nullptr;
        outro.hooks = {};
        actProfile = savedProfile;
        StoryClockTest::TearDown();
    }
};

TEST_F(OutroRun, PlaysToItsEndWhateverIsClickedThenTheCreditsThenTheMenu) {
    auto profile = std::make_shared<TProfile>();
    profile->actScreen = SCREEN_LAND;
    profile->levelWon = true;
    actProfile = profile;
    long frame = 0;
    OutroWatch() = [&] {
        ++frame;
        if (frame % 50 == 0) {
            InPushEvent(MouseButtonEvent(true));
            InPushEvent(MouseButtonEvent(false));
            InPushEvent(KeyEvent(true, KEY_ESCAPE));
        }
    };
    long creditsAt = -1;
    TEkran* behind = nullptr;
    int creditsRuns = 0;
    outro.hooks.runCredits = [&](TEkran& screen) {
        creditsAt = frame;
        behind = &screen;
        creditsRuns++;
        // The quest is not over while the credits run.
        EXPECT_EQ(actProfile->actScreen, SCREEN_LAND);
    };
    EXPECT_EQ(outro.mainloop(), SCREEN_MAIN_MENU);
    // 80 s of pictures, then 20 frames of fade.
    EXPECT_NEAR(frame, 80 * 60 + 21, 10);
    EXPECT_EQ(creditsRuns, 1);
    EXPECT_EQ(creditsAt, frame);
    EXPECT_EQ(behind, &outro);
    EXPECT_EQ(profile->actScreen, 0);
    EXPECT_FALSE(profile->levelWon);
}

TEST_F(OutroRun, EachStepPansZoomsAndCrossFadesOverThePreviousOne) {
    struct Seen {
        long frame;
        int act, last;
        float actAdX, actAdY, actScale, lastAdX;
    };
    std::vector<Seen> changes;
    long frame = 0;
    float alphaAfter49 = -1, alphaAfter50 = -1;
    long stepOneFrom = -1;
    OutroWatch() = [&] {
        ++frame;
        if (changes.empty() || changes.back().act != outro.actImg)
            changes.push_back({frame, outro.actImg, outro.lastImg, outro.actAdX, outro.actAdY, outro.actScale,
                               outro.lastAdX});
        if (outro.actImg == 1 && stepOneFrom < 0) stepOneFrom = frame;
        if (stepOneFrom > 0 && frame == stepOneFrom + 49) alphaAfter49 = outro.actAlpha;
        if (stepOneFrom > 0 && frame == stepOneFrom + 50) alphaAfter50 = outro.actAlpha;
        if (frame == 28 * 60 - 1) {
            // Step 0 pans right, a little up, and zooms in.
            EXPECT_NEAR(outro.actAdX, -340 + 0.5f * (28 * 60 - 1), 2);
            EXPECT_NEAR(outro.actAdY, 50 - 0.02f * (28 * 60 - 1), 0.2f);
            EXPECT_NEAR(outro.actScale, 1 + 0.0002f * (28 * 60 - 1), 0.002f);
        }
        if (stepOneFrom > 0 && frame == stepOneFrom + 30) {
            // The picture underneath goes on moving by its own step's values.
            EXPECT_NEAR(outro.lastAdX, changes[1].lastAdX + 0.5f * 30, 1);
        }
    };
    outro.mainloop();
    ASSERT_EQ(changes.size(), 5u);
    const int startsAt[5] = {0, 28, 48, 66, 73};
    for (size_t i = 0; i < 5; i++) {
        EXPECT_EQ(changes[i].act, static_cast<int>(i));
        EXPECT_EQ(changes[i].last, static_cast<int>(i) - 1);
        EXPECT_NEAR(changes[i].frame, startsAt[i] * 60 + 1, 8) << "step " << i;
    }
    for (size_t i = 1; i < 5; i++) {
        EXPECT_NEAR(changes[i].actAdX, 0, 0.6f);
        EXPECT_NEAR(changes[i].actScale, 1, 0.001f);
    }
    EXPECT_LT(alphaAfter49, 1);
    EXPECT_FLOAT_EQ(alphaAfter50, 1);
}

TEST_F(OutroRun, WithoutCreditsOrAProfileItStillLeadsToTheMenu) {
    actProfile = nullptr;
    long frame = 0;
    OutroWatch() = [&] {
        if (++frame == 10) outro.dFade = 1;
    };
    EXPECT_EQ(outro.mainloop(), SCREEN_MAIN_MENU);
}
}  // namespace
