// The lose dialog and the continue dialog: their answers, Escape, the
// restart question and the slide of their panels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "devtools/virtual_player_dialogs.h"
#include "frame/control.h"
#include "gui/gui.h"
#include "quest/continue_quest.h"
#include "quest/level_end_dialog.h"
#include "quest/lose_level.h"
#include "quest/summary.h"
#include "test_summary_fixture.h"

namespace {

class LoseTest : public LevelEndTest {
protected:
    TLoseLevel& d = loseLevel;
    TContinueQuest& c = continueQuest;

    void SetUp() override {
        LevelEndTest::SetUp();
        d.setup();
        c.setup();
        c.askRestart = nullptr;
    }

    template <class Screen, class Done>
    static int RunUntil(Screen& screen, Done done, int limit) {
        int frames = 0;
        while (!done() && frames < limit) {
            Frame(screen);
            screen._checkButtons();
            frames++;
        }
        return frames;
    }
};

TEST_F(LoseTest, MainMenuAndReplayAnswer) {
    d.prepare();
    ASSERT_TRUE(d.gui);
    ASSERT_TRUE(ClickObject(*d.gui, "main"));
    RunUntil(
        d, [&] { return d.fadedOut(); }, 100);
    EXPECT_EQ(d.gdzie, "MAIN-MENU");
    EXPECT_EQ(LoseAnswerCode(d.gdzie), SCREEN_MAIN_MENU);

    ASSERT_TRUE(ClickObject(*d.gui, "replay"));
    EXPECT_EQ(d.mainloop(nullptr), "RESTART");
    EXPECT_EQ(LoseAnswerCode(d.gdzie), QUEST_RESTART_LEVEL);
    EXPECT_FALSE(d.running);
}

TEST_F(LoseTest, PanelAndButtonsSlideInTogether) {
    d.prepare();
    EXPECT_FLOAT_EQ(d.CountY(), d.panel ? static_cast<float>(GfxImageHeight(d.panel)) : 380.0f);
    auto button = d.gui->GetObject("replay");
    ASSERT_TRUE(button);
    Frame(d);
    const float below = button->dim.cy;
    for (int f = 0; f < 25; f++) Frame(d);
    EXPECT_FLOAT_EQ(d.CountY(), 0);
    EXPECT_GT(below - button->dim.cy, 300);  // the button came up with the panel
    EXPECT_EQ(d.gdzie, "");                  // nothing answered by itself
    EXPECT_FLOAT_EQ(d.fade, 0);
}

TEST_F(LoseTest, ContinueDialogResumeAndNew) {
    c.prepare();
    ASSERT_TRUE(c.gui);
    ASSERT_TRUE(ClickObject(*c.gui, "RESUME"));
    RunUntil(
        c, [&] { return c.finished(); }, 100);
    EXPECT_EQ(c.gdzie, "CONTINUE");
    EXPECT_EQ(ContinueAnswerCode(c.gdzie), QUEST_CONTINUE);

    // "No" to the restart question keeps the board up; "yes" starts anew.
    int asked = 0, answer = 0;
    c.askRestart = [&] {
        asked++;
        return answer;
    };
    c.prepare();
    ASSERT_TRUE(ClickObject(*c.gui, "NEW"));
    RunUntil(
        c, [&] { return c.finished(); }, 30);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(c.finished());
    EXPECT_EQ(c.gdzie, "");
    answer = 1;
    ASSERT_TRUE(ClickObject(*c.gui, "NEW"));
    RunUntil(
        c, [&] { return c.finished(); }, 100);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(c.gdzie, "NEW");
    EXPECT_EQ(ContinueAnswerCode(c.gdzie), QUEST_START_NEW);
}

TEST_F(LoseTest, EscapeOrMenuSlideTheBoardAwayWithoutAnAnswer) {
    for (int viaEscape = 0; viaEscape < 2; viaEscape++) {
        c.prepare();
        for (int f = 0; f < 25; f++) Frame(c);
        EXPECT_FLOAT_EQ(c.showPer, 1);
        if (viaEscape) PressKey(KEY_ESCAPE);
        else ASSERT_TRUE(ClickObject(*c.gui, "MENU"));
        const int frames = RunUntil(
            c, [&] { return c.finished(); }, 100);
        EXPECT_EQ(c.gdzie, "");
        EXPECT_FLOAT_EQ(c.showPer, 0);
        EXPECT_FLOAT_EQ(c.fade, 0);  // slid away, not faded to black
        EXPECT_GE(frames, 20);
        EXPECT_LE(frames, 24);
        EXPECT_EQ(ContinueAnswerCode(c.gdzie), SCREEN_MAIN_MENU);
    }
}

}  // namespace

namespace {

class Backdrop : public TEkran {
public:
    void draw() override {
        GfxSetColor(70, 150, 60);
        GfxSetAlpha(1);
        GfxDrawRect(0, 0, 1024, 768);
    }
};

// The white title sits on the ribbon of the lose panel, which covers the
// dimmed caller.
TEST_F(LoseTest, TitleReadsOnTheRibbon) {
    if (!d.panel || !d.font) GTEST_SKIP() << "generated art missing";
    Backdrop back;
    d.caller = &back;
    d.prepare();
    for (int f = 0; f < 30; f++) Frame(d);
    GfxCls();
    d.draw();
    if (const char* dir = std::getenv("BRAMBLETON_SHOTS"))
        GfxSavePng(GfxGrabPixmap(0, 0, 1024, 768), std::string(dir) + "/lose-test.png", 5);
    int white = 0, red = 0;
    for (int x = 300; x < 724; x += 2) {
        const Rgb p = PixelAt(x, 310);
        if (p.r > 230 && p.g > 230 && p.b > 230) white++;
        if (p.r > 80 && p.g < 70 && p.b < 60) red++;
    }
    EXPECT_GT(white, 10);
    EXPECT_GT(red, 40);
    const Rgb dimmed = PixelAt(30, 30);
    EXPECT_LT(dimmed.g, 150);
    EXPECT_GT(dimmed.g, dimmed.r);
    d.caller = nullptr;
}

}  // namespace

namespace {

// The signboard comes up from the bottom edge and its title reads white on
// the plank at its top.
TEST_F(LoseTest, SignboardStandsOnTheCaller) {
    if (!c.panel || !c.font2) GTEST_SKIP() << "generated art missing";
    Backdrop back;
    c.caller = &back;
    c.prepare();
    for (int f = 0; f < 30; f++) Frame(c);
    GfxCls();
    c.draw();
    if (const char* dir = std::getenv("BRAMBLETON_SHOTS"))
        GfxSavePng(GfxGrabPixmap(0, 0, 1024, 768), std::string(dir) + "/continue-test.png", 5);
    int white = 0;
    for (int x = 300; x < 724; x++) {
        const Rgb p = PixelAt(x, 200);
        if (p.r > 230 && p.g > 230 && p.b > 230) white++;
    }
    EXPECT_GT(white, 10);
    const Rgb post = PixelAt(512 - 150, 760);  // a post reaches the bottom edge
    EXPECT_GT(post.r, post.g);
    c.caller = nullptr;
}

}  // namespace

namespace {

// The virtual player's hand: "replay" on the lose dialog once its panel is
// in; on the summary "continue", but only after the totals have counted up.
TEST_F(LoseTest, VirtualPlayersHandAnswersTheDialogs) {
    TDialogHand hand;
    hand.lookFrames = 5;
    EXPECT_FALSE(hand.frame());  // no dialog up: the board is the player's

    d.prepare();
    d.running = true;
    int frames = 0;
    while (!d.fadedOut() && frames < 200) {
        Frame(d);
        d._checkButtons();
        EXPECT_TRUE(hand.frame());
        if (d.showPer < 1) {
            EXPECT_EQ(d.gdzie, "");
        }
        frames++;
    }
    d.running = false;
    EXPECT_EQ(d.gdzie, "RESTART");

    TLevelSummary& s = levelSummary;
    s.setup();
    s.caller = nullptr;
    s.level = WonLevel(10, 60, 3, 4, 5, 6);
    s.prepare();
    s.running = true;
    frames = 0;
    while (!s.fadedOut() && frames < 900) {
        Frame(s);
        s._checkButtons();
        hand.frame();
        if (!s.animationDone()) {
            EXPECT_EQ(s.gdzie, "");
        }
        frames++;
    }
    s.running = false;
    EXPECT_EQ(s.gdzie, "NEXT");
    EXPECT_FALSE(hand.frame());
}

}  // namespace
