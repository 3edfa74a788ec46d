// The yes/no pop-up: Enter and "OK" answer yes, Escape and "CANCEL" no; a
// key pressed before the question is no answer to it.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "gui/gui.h"
#include "menus/pop_up.h"
#include "menus_fixture.h"

namespace {

class PopUpTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        frameDelta = 1;
        popUp.setup();
    }
};

}  // namespace

TEST_F(PopUpTest, EnterAnswersYes) {
    Script([](int frame) {
        if (frame == 25) Press(KEY_ENTER);
    });
    EXPECT_EQ(AskPopUp(nullptr, "Leave the village?"), 1);
    EXPECT_FALSE(popUp.running);
}

TEST_F(PopUpTest, EscapeAnswersNo) {
    Script([](int frame) {
        if (frame == 25) Press(KEY_ESCAPE);
    });
    EXPECT_EQ(AskPopUp(nullptr, "Leave the village?"), 0);
}

TEST_F(PopUpTest, AKeyPressedBeforeTheQuestionIsNoAnswer) {
    Press(KEY_ESCAPE);
    SysPoll();  // the press is counted before the pop-up opens
    int answeredAt = 0;
    Script([&answeredAt](int frame) {
        if (frame == 40) Press(KEY_ENTER);
        if (popUp.dShowPer == 0 && answeredAt == 0) answeredAt = frame;
    });
    EXPECT_EQ(AskPopUp(nullptr, "Start a new quest?"), 1);
    EXPECT_EQ(answeredAt, 42);  // pressed after frame 40, answered after frame 41
}

TEST_F(PopUpTest, TheButtonsAnswerWhenClicked) {
    ASSERT_TRUE(popUp.gui);
    for (const auto& [button, answer] : {std::pair{"OK", 1}, std::pair{"CANCEL", 0}}) {
        Script([b = std::string(button)](int frame) {
            if (frame != 30) return;
            auto obj = popUp.gui->GetObject(b);
            ClickAt(obj->dim.x + obj->dim.w / 2, obj->dim.y + obj->dim.h / 2);
        });
        EXPECT_EQ(AskPopUp(nullptr, "Delete this profile?"), answer) << button;
    }
}

TEST_F(PopUpTest, TheQuestionIsCentredOnItsLine) {
    popUp.text = "Yes?";
    popUp.CountTextSizes();
    const int oneLine = popUp.drawY;
    popUp.text = "A much longer question that has to be broken into several lines in the box";
    popUp.CountTextSizes();
    EXPECT_LT(popUp.drawY, oneLine);  // more lines start higher
    EXPECT_LT(oneLine, 370);
}
