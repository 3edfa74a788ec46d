// The times ScreenFrame reports: a dialog's loop run from a screen's update
// is reported frame by frame, and the calling frame's update does not count it.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "frame/frame_loop.h"
#include "frame/screen.h"
#include "support/headless_platform.h"

namespace {
struct Reported {
    double update, draw;
};

class SlowDialog : public TEkran {
public:
    int frames = 0;
    void update() override {
        ++frames;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
};

class CallerWithDialog : public TEkran {
public:
    SlowDialog dialog;
    void update() override {
        RunDialogLoop(dialog, {}, [this] { return dialog.frames >= 8; });
    }
};

class FrameLoopStats : public HeadlessPlatformTest {
protected:
    std::vector<Reported> reported;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        SetFrameTimeObserver([this](double u, double d) { reported.push_back({u, d}); });
    }
    void TearDown() override {
        SetFrameTimeObserver({});
        HeadlessPlatformTest::TearDown();
    }
};
}  // namespace

TEST_F(FrameLoopStats, DialogFramesAreReportedOnTheirOwnNotAsTheCallersUpdate) {
    CallerWithDialog caller;
    ScreenFrame(caller);
    ASSERT_EQ(reported.size(), 9u);  // eight dialog frames, then the caller's frame
    for (size_t i = 0; i < 8; ++i) EXPECT_GE(reported[i].update, 25.0) << i;
    // 240 ms went to the dialog's frames; the caller's own update did nothing.
    EXPECT_LT(reported[8].update, 120.0);
    EXPECT_GE(reported[8].update, 0.0);
}

TEST_F(FrameLoopStats, NestedDialogsAreTakenOffEachCallerOnce) {
    // A dialog that opens a dialog: the middle frame's update excludes the
    // inner one, the outer frame's excludes both, and nothing goes negative.
    class Middle : public TEkran {
    public:
        CallerWithDialog inner;
        int frames = 0;
        void update() override {
            ++frames;
            ScreenFrame(inner);
        }
    };
    Middle middle;
    class Outer : public TEkran {
    public:
        Middle* middle = nullptr;
        void update() override {
            RunDialogLoop(*middle, {}, [this] { return middle->frames >= 1; });
        }
    } outer;
    outer.middle = &middle;
    ScreenFrame(outer);
    ASSERT_EQ(reported.size(), 11u);  // 8 inner dialog frames, the inner caller, middle, outer
    EXPECT_LT(reported[8].update, 120.0);
    EXPECT_LT(reported[9].update, 120.0);
    EXPECT_LT(reported[10].update, 120.0);
    for (const auto& r : reported) EXPECT_GE(r.update, 0.0);
}
