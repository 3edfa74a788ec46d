// The outro's four large pictures are held only while it plays: set up without their pixels,
// taken when it starts, let go when it ends, and taken again when it plays again.
#include <gtest/gtest.h>

#include <functional>

#include "frame/frame_loop.h"
#include "quest/profile.h"
#include "story/outro.h"
#include "support/headless_platform.h"

namespace {
std::function<void()>& FrameWatch() {
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

class OutroPictures : public HeadlessPlatformTest {
protected:
    std::array<Image, 4> savedImages = outro.sceneImg;
    std::shared_ptr<TProfile> savedProfile = actProfile;
    void TearDown() override {
        FrameWatch() = nullptr;
        outro.sceneImg = savedImages;
        actProfile = savedProfile;
        HeadlessPlatformTest::TearDown();
    }

    // Plays the outro for a few frames and returns the pixels it held meanwhile.
    long long PlayBriefly(long long before) {
        long long during = -1;
        int frame = 0;
        FrameWatch() = [&] {
            if (++frame == 3) {
                during = GfxResidentImageBytes() - before;
                outro.dFade = 1;
            }
        };
        outro.mainloop();
        FrameWatch() = nullptr;
        return during;
    }
};

TEST_F(OutroPictures, HeldWhileItPlaysLetGoWhenItEnds) {
    actProfile = nullptr;
    outro.hooks = {};
    const long long before = GfxResidentImageBytes();
    outro.setup();
    ASSERT_TRUE(outro.sceneImg[0]);
    const long long first = 4LL * GfxImageWidth(outro.sceneImg[0]) * GfxImageHeight(outro.sceneImg[0]);
    ASSERT_GT(first, 0);
    EXPECT_EQ(GfxResidentImageBytes(), before);  // sizes and handles only

    EXPECT_GE(PlayBriefly(before), first);
    EXPECT_EQ(GfxResidentImageBytes(), before);
    // Played again, the first picture is back.
    EXPECT_GE(PlayBriefly(before), first);
    EXPECT_EQ(GfxResidentImageBytes(), before);
    EXPECT_FLOAT_EQ(GfxImageHandleX(outro.sceneImg[0]),
                    static_cast<float>(GfxImageWidth(outro.sceneImg[0]) / 2));
}
}  // namespace
