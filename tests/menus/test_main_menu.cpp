// The main menu as a player meets it: the logo and the buttons coming in on
// the first and later entries, play with and without a quest in progress,
// Exit and Escape asking the same question, the welcome line, the chimneys.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "frame/control.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "gui/gui.h"
#include "menus/main_menu.h"
#include "quest/continue_quest.h"
#include "quest/profile.h"
#include "support/headless_platform.h"
#include "village/village_ambience.h"

namespace {

class MainMenuTest : public HeadlessPlatformTest {
protected:
    std::vector<std::string> questions;  // asked through the pop-up
    bool answer = false;
    int managerRuns = 0;

    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        TParticle::setup();
        actProfile = std::make_shared<TProfile>();
        actProfile->name = "Ann";
        mainMenu.setup();
        mainMenu.hooks = {};
        mainMenu.hooks.askYesNo = [this](const std::string& q) {
            questions.push_back(q);
            return answer;
        };
        mainMenu.hooks.runManager = [this](TEkran*) {
            managerRuns++;
            actProfile->name = "Bo";
        };
        mainMenu.firstContact = 1;
        // The test clock starts again with every platform.
        mainMenu.waterPart = 0;
        mainMenu.smokePart.fill(0);
        Enter();
    }
    void TearDown() override {
        mainMenu.hooks = {};
        mainMenu.smokeParticles.clear();
        mainMenu.waterParticles.clear();
        actProfile = nullptr;
        particleImages = {};
        HeadlessPlatformTest::TearDown();
    }
    // What mainloop does before its first frame.
    void Enter() {
        mainMenu.prepare();
        if (mainMenu.firstContact) {
            mainMenu.fade = 0;
            mainMenu.firstContact = 0;
        } else {
            mainMenu._prepareAnims();
        }
        mainMenu.wynik = 0;
    }
    void Frames(int n) {
        for (int i = 0; i < n; i++) {
            ScreenFrame(mainMenu);
            mainMenu._checkButtons();
        }
    }
    static void Click(float x, float y) {
        InPushEvent(MouseMoveEvent(x, y));
        InPushEvent(MouseButtonEvent(true));
        InPushEvent(MouseButtonEvent(false));
    }
    void ClickButton(const std::string& name) {
        auto obj = mainMenu.gui ? mainMenu.gui->GetObject(name) : nullptr;
        ASSERT_TRUE(obj) << name;
        Click(obj->dim.x + obj->dim.w / 2, obj->dim.y + obj->dim.h / 2);
    }
    static void PressKey(int code) {
        InPushEvent(KeyEvent(true, code));
        InPushEvent(KeyEvent(false, code));
    }
};

TEST_F(MainMenuTest, FirstEntryDropsTheLogoOverAHundredFramesAndFadesTheButtonsInOverTwenty) {
    // The test clock steps 16 or 17 ms: a frame delta of about 1.
    Frames(18);
    EXPECT_LT(mainMenu.alpha, 1.0f);
    Frames(4);
    EXPECT_FLOAT_EQ(mainMenu.alpha, 1.0f);
    EXPECT_LT(mainMenu.per, 0.3f);
    Frames(74);
    EXPECT_LT(mainMenu.per, 1.0f);
    Frames(6);
    EXPECT_FLOAT_EQ(mainMenu.per, 1.0f);
    EXPECT_NEAR(mainMenu.WelcomeY(), 220.0f, 0.01f);
}

TEST_F(MainMenuTest, LaterEntriesWaitForTheFadeFromBlackBeforeTheButtons) {
    Frames(5);
    Enter();  // a second entry
    EXPECT_FLOAT_EQ(mainMenu.fade, 1.0f);
    Frames(22);
    EXPECT_FLOAT_EQ(mainMenu.fade, 0.0f);
    EXPECT_LT(mainMenu.alpha, 0.2f);
    Frames(22);
    EXPECT_FLOAT_EQ(mainMenu.alpha, 1.0f);
}

TEST_F(MainMenuTest, ExitAndEscapeAskTheSameQuestionAndNoChangesNothing) {
    Frames(25);
    answer = false;
    PressKey(KEY_ESCAPE);
    Frames(1);
    ClickButton("Exit");
    Frames(2);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], mainMenu.txtAreYouSureYouWantToExit);
    EXPECT_EQ(questions[1], questions[0]);
    EXPECT_FALSE(questions[0].empty());
    EXPECT_EQ(mainMenu.dFade, 0.0f);
    EXPECT_EQ(mainMenu.wynik, 0);
}

TEST_F(MainMenuTest, PlayWithoutAQuestFadesStraightOutWithANewQuest) {
    actProfile->actScreen = 0;
    Frames(25);
    ClickButton("play");
    Frames(2);  // the press, then the release over the button
    EXPECT_EQ(mainMenu.wynik, QUEST_START_NEW);
    EXPECT_EQ(mainMenu.dFade, 1.0f);
    Frames(25);
    EXPECT_TRUE(mainMenu.fadedOut());
    EXPECT_TRUE(questions.empty());
}

TEST_F(MainMenuTest, PlayWithAQuestAsksTheContinueDialogAndItsBackKeepsTheMenu) {
    continueQuest.setup();
    actProfile->actScreen = SCREEN_LAND;
    Frames(25);
    ClickButton("play");
    Frames(1);
    ScreenFrame(mainMenu);  // the click is reported now
    // The dialog's first frame sees Escape: it slides away answering "".
    PressKey(KEY_ESCAPE);
    const long before = FrameCount();
    mainMenu._checkButtons();
    EXPECT_GT(FrameCount() - before, 0);  // the dialog ran its own frames
    EXPECT_TRUE(questions.empty());       // Escape was the dialog's, not the menu's
    EXPECT_EQ(mainMenu.wynik, 0);
    EXPECT_EQ(mainMenu.dFade, 0.0f);
    EXPECT_EQ(mainMenu.fade, 0.0f);
}

TEST_F(MainMenuTest, TheWelcomeLineTurnsYellowUnderTheMouseAndOpensTheManager) {
    Frames(110);
    EXPECT_EQ(mainMenu.WelcomeLine(), mainMenu.txtWelcome[0] + " Ann" + mainMenu.txtWelcome[1]);
    InPushEvent(MouseMoveEvent(512, 225));
    Frames(1);
    EXPECT_EQ(mainMenu.managerOver, 1);
    // Yellow where the white line would be: some pixel of the line is (255, 255, 0).
    GfxCls();
    mainMenu._drawPanel();
    bool yellow = false;
    for (int x = 400; x < 624 && !yellow; x++)
        for (int y = 215; y < 260 && !yellow; y++) {
            const Rgb c = PixelAt(x, y);
            yellow = c.r > 240 && c.g > 240 && c.b < 40;
        }
    EXPECT_TRUE(yellow);
    Click(512, 225);
    Frames(1);
    EXPECT_EQ(managerRuns, 1);
    EXPECT_EQ(mainMenu.WelcomeLine(), mainMenu.txtWelcome[0] + " Bo" + mainMenu.txtWelcome[1]);
    InPushEvent(MouseMoveEvent(100, 700));
    Frames(1);
    EXPECT_EQ(mainMenu.managerOver, 0);
}

// The keyboard alone: the first key shows the focus on "Play", Up reaches the welcome line (lit
// as under the mouse) and Enter opens the manager; Down walks the buttons and Enter on "Exit"
// asks as its click does.
TEST_F(MainMenuTest, TheKeyboardFocusReachesTheWelcomeLineAndTheButtons) {
    Frames(110);
    auto key = [this](int code) {
        PressKey(code);
        Frames(1);
    };
    key(KEY_DOWN);
    ASSERT_TRUE(mainMenu.gui->focus->shown());
    EXPECT_EQ(mainMenu.gui->focus->focused(), "PLAY");
    EXPECT_EQ(mainMenu.managerOver, 0);
    key(KEY_UP);
    EXPECT_EQ(mainMenu.managerOver, 1);
    key(KEY_ENTER);
    EXPECT_EQ(managerRuns, 1);
    key(KEY_DOWN);
    EXPECT_EQ(mainMenu.managerOver, 0);
    key(KEY_DOWN);
    key(KEY_DOWN);
    key(KEY_DOWN);  // nothing below "Exit": it stays
    EXPECT_EQ(mainMenu.gui->focus->focused(), "EXIT");
    EXPECT_TRUE(questions.empty());
    key(KEY_SPACE);
    EXPECT_EQ(questions, std::vector<std::string>{mainMenu.txtAreYouSureYouWantToExit});
}

TEST_F(MainMenuTest, AllSixChimneysSmokeWhateverTheProfileOwns) {
    actProfile->items.clear();
    Frames(30);  // half a second: every chimney has puffed
    std::set<int> smoking;
    for (size_t i = 0; i < mainMenu.smokeParticles.size(); i++) {
        const TParticle& p = mainMenu.smokeParticles.at(i);
        for (int k = 0; k < CHIMNEY_COUNT; k++)
            if (p.x1 == static_cast<float>(chimneys[k].x) && p.y1 == static_cast<float>(chimneys[k].y))
                smoking.insert(k);
    }
    EXPECT_EQ(smoking.size(), static_cast<size_t>(CHIMNEY_COUNT));
    EXPECT_GT(mainMenu.waterParticles.size(), 0u);
}

TEST(PlayLog, NameThenOneLinePerLevel) {
    TProfile p;
    p.name = "Ann";
    auto line = std::make_shared<TProfileLevel>();
    line->id = 3;
    line->res[0] = 10;
    line->res[1] = 20;
    line->res[2] = 30;
    line->res[3] = 40;
    line->time = 55;
    p.levels.push_back(line);
    EXPECT_EQ(PlayLogText(p), "Ann\n3|10|20|30|40|55\n");
}

}  // namespace
