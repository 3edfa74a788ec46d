// The lose dialog and the continue dialog: their answers, Escape, the
// restart question and the slide of their panels.
#include <gtest/gtest.h>

#include "frame/control.h"
#include "gui/gui.h"
#include "test_summary_fixture.h"
#include "village/continue_quest.h"
#include "village/lose_level.h"
#include "village/summary_dialogs.h"

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
    RunUntil(d, [&] { return d.fadedOut(); }, 100);
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
    EXPECT_EQ(d.gdzie, "");  // nothing answered by itself
    EXPECT_FLOAT_EQ(d.fade, 0);
}

TEST_F(LoseTest, ContinueDialogResumeAndNew) {
    c.prepare();
    ASSERT_TRUE(c.gui);
    ASSERT_TRUE(ClickObject(*c.gui, "RESUME"));
    RunUntil(c, [&] { return c.finished(); }, 100);
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
    RunUntil(c, [&] { return c.finished(); }, 30);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(c.finished());
    EXPECT_EQ(c.gdzie, "");
    answer = 1;
    ASSERT_TRUE(ClickObject(*c.gui, "NEW"));
    RunUntil(c, [&] { return c.finished(); }, 100);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(c.gdzie, "NEW");
    EXPECT_EQ(ContinueAnswerCode(c.gdzie), QUEST_START_NEW);
}

TEST_F(LoseTest, EscapeOrMenuSlideTheBoardAwayWithoutAnAnswer) {
    for (int viaEscape = 0; viaEscape < 2; viaEscape++) {
        c.prepare();
        for (int f = 0; f < 25; f++) Frame(c);
        EXPECT_FLOAT_EQ(c.showPer, 1);
        if (viaEscape)
            PressKey(KEY_ESCAPE);
        else
            ASSERT_TRUE(ClickObject(*c.gui, "MENU"));
        const int frames = RunUntil(c, [&] { return c.finished(); }, 100);
        EXPECT_EQ(c.gdzie, "");
        EXPECT_FLOAT_EQ(c.showPer, 0);
        EXPECT_FLOAT_EQ(c.fade, 0);  // slid away, not faded to black
        EXPECT_GE(frames, 20);
        EXPECT_LE(frames, 24);
        EXPECT_EQ(ContinueAnswerCode(c.gdzie), SCREEN_MAIN_MENU);
    }
}

}  // namespace
