// The intro as a whole: the seven scenes one after the other to the village,
// a click at any moment, and "noStory.txt".
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "platform/gfx_prefetch.h"
#include "story/intro.h"
#include "story/scene.h"
#include "story/story_text.h"
#include "test_scene_fixture.h"

namespace {
// Looks at the game after every presented frame while set.
std::function<void()>& Watch() {
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

class IntroRun : public StoryClockTest {
protected:
    void TearDown() override {
        Watch() = nullptr;
        noStory = 0;
        StoryClockTest::TearDown();
    }
    void clickNow() {
        InPushEvent(MouseMoveEvent(500, 400));
        InPushEvent(MouseButtonEvent(true));
        InPushEvent(MouseButtonEvent(false));
    }
};

TEST_F(IntroRun, PlaysTheSevenScenesInTurnAndEndsInTheVillage) {
    std::vector<int> sceneStarts;
    int begin = -1;
    Watch() = [&] {
        if (begin < 0) begin = SysMillisecs();
        if (static_cast<int>(sceneStarts.size()) <= intro.sceneInd)
            sceneStarts.push_back(SysMillisecs() - begin);
    };
    const long before = FrameCount();
    EXPECT_EQ(intro.mainloop(), SCREEN_LAND);
    const long frames = FrameCount() - before;
    ASSERT_EQ(sceneStarts.size(), 7u);
    // Each scene starts in the frame its predecessor ends (the timing of
    // each is tested scene by scene); a frame or two at each event add up.
    const int expected[7] = {0, 17550, 33050, 55880, 69780, 73110, 90110};
    for (size_t i = 0; i < 7; i++) EXPECT_NEAR(sceneStarts[i], expected[i], 600) << "scene " << i + 1;
    EXPECT_NEAR(frames, 112100 * 60 / 1000, 60);
    EXPECT_FALSE(intro.running);
    // The last scene ended the loop in the frame it reported its end.
    EXPECT_EQ(intro.sceneInd, 6);
}

TEST_F(IntroRun, AClickAtAnyMomentFadesTheIntroOutOverTwentyFrames) {
    for (int clickFrame : {400, 2500, 6200}) {
        long frame = 0;
        int sceneAtClick = -1;
        Watch() = [&] {
            if (++frame == clickFrame) {
                sceneAtClick = intro.sceneInd;
                clickNow();
            }
        };
        EXPECT_EQ(intro.mainloop(), SCREEN_LAND);
        // The click is read in the next frame; then 20 frames of fade.
        EXPECT_NEAR(frame, clickFrame + 21, 2) << "click at frame " << clickFrame;
        EXPECT_GE(sceneAtClick, 0);
    }
    // At the very start the picture is still black: it ends almost at once.
    long frame = 0;
    Watch() = [&] {
        if (++frame == 1) clickNow();
    };
    EXPECT_EQ(intro.mainloop(), SCREEN_LAND);
    EXPECT_LE(frame, 4);
}

TEST_F(IntroRun, LosingTheWindowDoesNotPauseTheIntro) {
    // Were the intro paused, its window would come back after 100 paused
    // frames (frames after which the screen's own hooks did not run), and
    // those frames would show in the count.
    static long lastScreenFrame = 0, pausedFrames = 0;
    static bool installed = false;
    Watch() = nullptr;  // the screen's hook first: it marks the frames it saw
    if (!installed) {
        installed = true;
        AddAfterAnyFrameHook([] {
            if (FrameCount() != lastScreenFrame && ++pausedFrames % 100 == 0) InPushEvent(FocusEvent(true));
        });
    }
    const long before = FrameCount();
    long frame = 0;
    bool suspended = false;
    Watch() = [&] {
        lastScreenFrame = FrameCount();
        ++frame;
        if (frame == 5) InPushEvent(FocusEvent(false));
        if (frame == 300) {
            suspended = SysAppSuspended();
            clickNow();
        }
    };
    EXPECT_EQ(intro.mainloop(), SCREEN_LAND);
    InPushEvent(FocusEvent(true));
    SysPoll();
    EXPECT_TRUE(suspended);
    // The intro's own frames went on: no paused frames in between.
    EXPECT_EQ(pausedFrames, 0);
    EXPECT_NEAR(FrameCount() - before, 321, 2);
}

TEST_F(IntroRun, ClicksBeforeTheIntroStartsAreForgotten) {
    clickNow();
    long frame = 0;
    Watch() = [&] {
        if (++frame == 100) intro.dFade = 1;  // end the run early
    };
    intro.mainloop();
    EXPECT_GE(frame, 100);
}

TEST_F(IntroRun, WithNoStoryTheIntroIsLeftOutAtOnce) {
    noStory = 1;
    for (auto& s : intro.scene) s.reset();
    const long before = FrameCount();
    EXPECT_EQ(intro.mainloop(), SCREEN_LAND);
    EXPECT_EQ(FrameCount(), before);
    // Nor are its scenes made during loading.
    intro.SetupScene_1();
    intro.SetupScene_7();
    EXPECT_FALSE(intro.scene[0]);
    EXPECT_FALSE(intro.scene[6]);
}

TEST_F(IntroRun, TheSubtitlesFollowTheIntrosOwnClock) {
    long frame = 0;
    size_t shownAtFiveSeconds = 0;
    Watch() = [&] {
        if (++frame == 5 * 60) {
            shownAtFiveSeconds = 0;
            for (auto& t : StoryList()) shownAtFiveSeconds += t->byloStart && t->a > 0;
            intro.dFade = 1;
        }
    };
    intro.mainloop();
    // The first subtitle starts at 1 s and stays 6 s.
    EXPECT_EQ(shownAtFiveSeconds, 1u);
}
// The loading bar sets the scenes up while their pictures are still being decoded on
// the side: a set-up takes none of them, the scene's first start takes its own.
// The null renderer reads only pictures' sizes and decodes nothing ahead: the software one does.
class IntroPrefetch : public IntroRun {
protected:
    IntroPrefetch() { renderer = RendererKind::Software; }
};

TEST_F(IntroPrefetch, AScenesPicturesAreTakenWhenItStartsNotWhenItIsSetUp) {
    GfxStopPrefetch();  // nothing decoded by an earlier run
    intro.SetupScene_3();
    intro.dropScenePictures();
    PrefetchHoldForTest(true);
    PrefetchIntroPictures();
    // The worker holds its first file before the hold stops it; count the queue after.
    for (int i = 0; i < 10000 && PrefetchSnapshotForTest().decoding.empty(); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const int queued = PrefetchSnapshotForTest().queued;
    ASSERT_GT(queued, 25);

    intro.SetupScene_3();
    ASSERT_TRUE(intro.scene[2]);
    EXPECT_EQ(PrefetchSnapshotForTest().queued, queued);

    // Scene 3 reads the 26 pictures of its folder, decoded here as the worker is held.
    intro.scene[2]->Start();
    EXPECT_EQ(PrefetchSnapshotForTest().queued, queued - 26);
    // Once taken they stay: starting again reads nothing.
    intro.scene[2]->Start();
    EXPECT_EQ(PrefetchSnapshotForTest().queued, queued - 26);
    PrefetchHoldForTest(false);
}

TEST_F(IntroPrefetch, TheIntroLetsItsPicturesGoWhenItEnds) {
    intro.SetupScene_3();
    intro.scene[2]->Start();  // scene 3's pictures taken
    long frame = 0;
    Watch() = [&] {
        if (++frame == 10) intro.dFade = 1;
    };
    intro.mainloop();
    ASSERT_TRUE(intro.scene[2]);

    GfxStopPrefetch();
    PrefetchHoldForTest(true);
    PrefetchIntroPictures();
    for (int i = 0; i < 10000 && PrefetchSnapshotForTest().decoding.empty(); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const int queued = PrefetchSnapshotForTest().queued;
    // Scene 3 never played in this run, yet its pictures were let go with the others.
    intro.scene[2]->Start();
    EXPECT_EQ(PrefetchSnapshotForTest().queued, queued - 26);
    PrefetchHoldForTest(false);
}

// While the main menu waits, only the opening scene is decoded ahead; leaving the menu for
// anything but a new quest lets it go; with the story switched off nothing is queued.
TEST_F(IntroPrefetch, TheMenuQueuesOnlyTheOpeningSceneAndCanLetItGo) {
    GfxStopPrefetch();
    PrefetchHoldForTest(true);
    PrefetchIntroOpening();
    for (int i = 0; i < 10000 && PrefetchSnapshotForTest().decoding.empty(); i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const PrefetchSnapshot opening = PrefetchSnapshotForTest();
    EXPECT_NE(opening.decoding.find("/scene-1/"), std::string::npos);
    EXPECT_EQ(opening.queued + 1, static_cast<int>(FsListDir(gameDir + "gfx/story/intro/scene-1/").size()));

    ForgetPrefetchedIntroPictures();
    EXPECT_EQ(PrefetchSnapshotForTest().queued, 0);
    EXPECT_TRUE(PrefetchSnapshotForTest().decoding.empty());

    noStory = 1;
    PrefetchIntroOpening();
    PrefetchIntroPictures();
    EXPECT_EQ(PrefetchSnapshotForTest().queued, 0);
    EXPECT_TRUE(PrefetchSnapshotForTest().decoding.empty());
    PrefetchHoldForTest(false);
}
}  // namespace
