// The level summary: what it credits, how its buttons answer, and how its
// flying resources and totals run over the frames.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/gui.h"
#include "quest/land_catalogue.h"
#include "quest/level_end_dialog.h"
#include "quest/profile.h"
#include "quest/summary.h"
#include "test_summary_fixture.h"

namespace {

class SummaryTest : public LevelEndTest {
protected:
    TLevelSummary& s = levelSummary;

    void SetUp() override {
        LevelEndTest::SetUp();
        s.setup();
        s.caller = nullptr;
    }

    void Prepare(int time, int maxTime, int wood, int food, int gold, int rock) {
        s.level = WonLevel(time, maxTime, wood, food, gold, rock);
        s.prepare();
    }

    void OwnItem(int id) {
        auto item = std::make_shared<TLandItem>();
        item->id = id;
        actProfile->items.push_back(item);
    }

    // Frames of the summary's loop until `done` or the limit; the frames run.
    template <class Done>
    int RunUntil(Done done, int limit) {
        int frames = 0;
        while (!done() && frames < limit) {
            Frame(s);
            s._checkButtons();
            frames++;
        }
        return frames;
    }
};

TEST(SummaryRules, TimeBonusAndTotalsInSinglePrecision) {
    const int res[4] = {10, 40, 0, 5};
    EXPECT_EQ(SummaryTimeBonus(30, 60, res), 6);  // 0.5 x 40 x 0.3
    EXPECT_EQ(SummaryTotal(6, 10, 1.0f), 16);
    EXPECT_EQ(SummaryTotal(6, 0, 1.0f), 6);   // nothing collected still gets the bonus
    EXPECT_EQ(SummaryTotal(0, 7, 1.5f), 10);  // 10.5 truncated
    const int none[4] = {0, 0, 0, 0};
    EXPECT_EQ(SummaryTimeBonus(30, 60, none), 0);
    EXPECT_EQ(SummaryTimeBonus(0, 60, res), 0);
    // 0.3 in single precision is a hair above 0.3 (in double a hair below):
    // a full clock with 10 collected gives 3, not 2.
    const int ten[4] = {0, 10, 0, 0};
    EXPECT_EQ(SummaryTimeBonus(60, 60, ten), 3);
    const int thirty[4] = {30, 0, 0, 0};
    EXPECT_EQ(SummaryTimeBonus(10, 30, thirty), 3);
}

TEST(SummaryRules, BadLevelValuesGiveNoBonusAndNoDebt) {
    const int res[4] = {10, 40, 0, 5};
    EXPECT_EQ(SummaryTimeBonus(30, 0, res), 0);  // a level without a clock
    EXPECT_EQ(SummaryTimeBonus(-5, 60, res), 0);
    EXPECT_EQ(SummaryTotal(0, -20, 1.0f), 0);
    EXPECT_EQ(SummaryTotal(0, 2000000000, 3.0f), 1000000000);
    const int huge[4] = {2000000000, 0, 0, 0};
    EXPECT_EQ(SummaryTimeBonus(2000000000, 1, huge), 1000000000);
}

TEST(SummaryRules, AnswersLeadToScreenCodes) {
    EXPECT_EQ(SummaryAnswerCode("NEXT"), 102);
    EXPECT_EQ(SummaryAnswerCode("RESTART"), 105);
    EXPECT_EQ(LoseAnswerCode("MAIN-MENU"), 1);
    EXPECT_EQ(LoseAnswerCode("RESTART"), 105);
    EXPECT_EQ(ContinueAnswerCode("NEW"), 101);
    EXPECT_EQ(ContinueAnswerCode("CONTINUE"), 104);
    EXPECT_EQ(ContinueAnswerCode(""), 1);
}

TEST_F(SummaryTest, PrepareCreditsTheProfileAndLogsTheLevel) {
    actProfile->res[0] = 100;
    actProfile->res[3] = 1;
    Prepare(30, 60, 10, 40, 0, 5);
    EXPECT_EQ(s.bonusAdd, 6);
    const int expected[4] = {16, 46, 6, 11};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(s.resTotalInfo[i], expected[i]) << i;
        EXPECT_EQ(s.resTotal[i], 0) << i;
    }
    EXPECT_EQ(actProfile->res[0], 116);
    EXPECT_EQ(actProfile->res[1], 46);
    EXPECT_EQ(actProfile->res[2], 6);
    EXPECT_EQ(actProfile->res[3], 12);
    ASSERT_EQ(actProfile->levels.size(), 1u);
    const auto& line = *actProfile->levels[0];
    EXPECT_EQ(line.id, 4);
    EXPECT_EQ(line.time, 30);
    for (int i = 0; i < 4; i++) EXPECT_EQ(line.res[i], expected[i]);
    // Four effects, waiting 100 ms apart, icons above their places.
    ASSERT_EQ(s.flyingRes.size(), 4u);
    const float xs[4] = {249, 339, 600, 690};
    int i = 0;
    for (auto& ef : s.flyingRes) {
        EXPECT_EQ(ef->n, i);
        EXPECT_FLOAT_EQ(ef->x1, xs[i]);
        EXPECT_FLOAT_EQ(ef->x2, xs[i]);
        EXPECT_FLOAT_EQ(ef->y1, 127);
        EXPECT_FLOAT_EQ(ef->y2, 227);
        EXPECT_EQ(ef->time - s.flyingRes.front()->time, 100 * i);
        i++;
    }
}

TEST_F(SummaryTest, MultiplierOfTheVillageAndNoTimeLeft) {
    OwnItem(1);
    Prepare(0, 60, 7, 0, 3, 1);
    EXPECT_EQ(s.bonusAdd, 0);
    EXPECT_EQ(s.resTotalInfo[0], 10);  // 7 x 1.5
    EXPECT_EQ(s.resTotalInfo[1], 0);
    EXPECT_EQ(s.resTotalInfo[2], 4);  // 4.5
    EXPECT_EQ(s.resTotalInfo[3], 1);
    OwnItem(19);
    Prepare(0, 60, 7, 0, 3, 1);
    EXPECT_EQ(s.resTotalInfo[0], 21);
    EXPECT_EQ(actProfile->res[0], 31);  // both wins credited
}

TEST_F(SummaryTest, ReplayKeepsTheCreditAndWinningAgainOverwritesTheLogLine) {
    Prepare(30, 60, 10, 40, 0, 5);
    ASSERT_TRUE(s.gui && ClickObject(*s.gui, "replay"));
    RunUntil([&] { return s.fadedOut(); }, 200);
    EXPECT_EQ(s.gdzie, "RESTART");
    EXPECT_EQ(SummaryAnswerCode(s.gdzie), 105);
    EXPECT_EQ(actProfile->res[1], 46);
    // The level played again and won with less.
    Prepare(0, 60, 1, 2, 3, 4);
    EXPECT_EQ(actProfile->res[1], 48);
    ASSERT_EQ(actProfile->levels.size(), 1u);
    EXPECT_EQ(actProfile->levels[0]->res[1], 2);
    EXPECT_EQ(actProfile->levels[0]->time, 0);
}

TEST_F(SummaryTest, ContinueWorksAtOnceAndTheLoopEndsFadedOut) {
    Prepare(30, 60, 10, 40, 0, 5);
    ASSERT_TRUE(s.gui && ClickObject(*s.gui, "continue"));
    const int frames = RunUntil([&] { return s.fadedOut(); }, 200);
    EXPECT_EQ(s.gdzie, "NEXT");
    // Two frames for the click, twenty for the fade, long before the
    // animation is over.
    EXPECT_LE(frames, 26);
    EXPECT_FALSE(s.animationDone());
    // A later click during the fade does not change the answer.
    Prepare(30, 60, 10, 40, 0, 5);
    ASSERT_TRUE(ClickObject(*s.gui, "continue"));
    RunUntil([&] { return s.dFade == 1; }, 10);
    ASSERT_TRUE(ClickObject(*s.gui, "replay"));
    RunUntil([&] { return s.fadedOut(); }, 200);
    EXPECT_EQ(s.gdzie, "NEXT");
}

TEST_F(SummaryTest, MainloopReturnsTheAnswer) {
    ASSERT_TRUE(s.gui);
    ASSERT_TRUE(ClickObject(*s.gui, "replay"));
    EXPECT_EQ(s.mainloop(nullptr, WonLevel(5, 60, 1, 1, 1, 1)), "RESTART");
    EXPECT_FALSE(s.running);
}

TEST_F(SummaryTest, FlyingResourcesRunTheirStepsOnTime) {
    Prepare(30, 60, 10, 40, 0, 5);
    TFlyResEf& first = *s.flyingRes.front();
    TFlyResEf& last = *s.flyingRes.back();
    int stepStart[7] = {0, -1, -1, -1, -1, -1, -1};
    int bonusFrame = -1, totalFrame = -1;
    int lastStepOfLast = FLY_DROP;
    int lastBonusStep = -1;
    for (int f = 1; f <= 700 && first.myStep < FLY_DONE; f++) {
        Frame(s);
        if (first.myStep < 7 && stepStart[first.myStep] < 0) stepStart[first.myStep] = f;
        if (bonusFrame < 0 && s.dBonusA == 1) {
            bonusFrame = f;
            lastBonusStep = lastStepOfLast;
        }
        if (totalFrame < 0 && s.dTotalA == 1) totalFrame = f;
        lastStepOfLast = last.myStep;
    }
    // Step lengths at 60 frames per second: 0.025 per frame is 40 frames,
    // the waits 500 and 100 ms, the pulse 20 up and 20 down, 0.01 is 100.
    auto near = [](int frames, int expected) { return frames >= expected - 3 && frames <= expected + 3; };
    EXPECT_PRED2(near, stepStart[1] - 0, 40);
    EXPECT_PRED2(near, stepStart[2] - stepStart[1], 30 + 40);
    EXPECT_PRED2(near, stepStart[3] - stepStart[2], 6 + 40);
    EXPECT_PRED2(near, stepStart[4] - stepStart[3], 40);
    EXPECT_PRED2(near, stepStart[5] - stepStart[4], 40);
    EXPECT_PRED2(near, stepStart[6] - stepStart[5], 100);
    // The bonus starts when rock's count circle is in; the totals when the
    // first point has landed.
    EXPECT_EQ(lastBonusStep, FLY_CIRCLE);
    EXPECT_PRED2(near, totalFrame, stepStart[5]);
    EXPECT_GT(bonusFrame, stepStart[2]);
    // The icon came down and the point went to the totals row.
    EXPECT_FLOAT_EQ(first.y, 227);
    EXPECT_FLOAT_EQ(first.a, 1);
    EXPECT_FLOAT_EQ(first.ta, 1);
    EXPECT_NEAR(first.py, 470, 0.01);
    EXPECT_NEAR(first.px, first.x + 8, 0.01);
    EXPECT_FLOAT_EQ(first.ca, 0);
}

TEST_F(SummaryTest, TotalsCountUpToWhatWasCredited) {
    Prepare(30, 60, 10, 140, 0, 5);
    int before[4] = {0, 0, 0, 0};
    int frames = RunUntil(
        [&] {
            for (int i = 0; i < 4; i++) {
                EXPECT_GE(s.resTotal[i], before[i]);
                EXPECT_LE(s.resTotal[i], s.resTotalInfo[i]);
                before[i] = s.resTotal[i];
            }
            // Nothing counts before the totals row is fully in.
            if (s.totalA < 1) {
                for (int v : s.resTotal) EXPECT_EQ(v, 0);
            }
            return s.animationDone();
        },
        900);
    EXPECT_LT(frames, 900);
    for (int i = 0; i < 4; i++) EXPECT_EQ(s.resTotal[i], s.resTotalInfo[i]);
    EXPECT_EQ(s.resTotal[1], 161);  // 140 + the bonus of 21
}

TEST_F(SummaryTest, PanelSlidesInFromBelow) {
    Prepare(30, 60, 10, 40, 0, 5);
    const float start = s.CountY();
    EXPECT_GT(start, 500);
    for (int f = 0; f < 25; f++) Frame(s);
    EXPECT_FLOAT_EQ(s.showPer, 1);
    EXPECT_FLOAT_EQ(s.CountY(), 0);
    EXPECT_FLOAT_EQ(s.stripeA, 1);
}

}  // namespace

namespace {

// A calling screen of one flat colour.
class FlatScreen : public TEkran {
public:
    void draw() override {
        GfxSetColor(40, 90, 200);
        GfxSetAlpha(1);
        GfxDrawRect(0, 0, 1024, 768);
    }
};

TEST_F(SummaryTest, DrawsOverTheDimmedCaller) {
    if (!s.panel || !stripesImage) GTEST_SKIP() << "generated art missing";
    FlatScreen flat;
    s.caller = &flat;
    Prepare(30, 60, 10, 40, 0, 5);
    for (int f = 0; f < 230; f++) Frame(s);
    // Keep the frame as it was drawn: grab before the next clear.
    GfxCls();
    s.draw();
    if (const char* dir = std::getenv("BRAMBLETON_SHOTS"))
        GfxSavePng(GfxGrabPixmap(0, 0, 1024, 768), std::string(dir) + "/summary-test.png", 5);
    const Rgb outside = PixelAt(40, 40);
    EXPECT_LT(outside.b, 200);  // dimmed
    EXPECT_GT(outside.b, outside.r);
    const Rgb paper = PixelAt(240, 420);
    EXPECT_GT(paper.r, 180);  // parchment
    EXPECT_GT(paper.r, paper.b);
    const Rgb inlay = PixelAt(440, 400);
    EXPECT_LT(inlay.r, 140);  // the dark inlay under the multiplier
    s.caller = nullptr;
}

}  // namespace
