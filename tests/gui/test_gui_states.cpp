// Mouse-driven state of GUI objects: over, press, click, disabled objects,
// transitions and sliding layouts.
#include <cmath>
#include <numbers>

#include "gui_test_util.h"

using guitest::Frame;

namespace {
class GuiStates : public testing::Test {
protected:
    void SetUp() override {
        dir.png("atlas.png", 8, 8, 255, 255, 255);
        dir.write("atlas.txt", "1\nbtn\n0\n0\n100\n40\n");
        mouse.clear();
    }
    void TearDown() override {
        GuiHooks().clickSound = nullptr;
        mouse.clear();
    }
    std::shared_ptr<TGui> Load(const std::string& script) { return guitest::FromText(script, dir.path); }
    guitest::ScratchDir dir;
};

const char* const kButtons = R"(
    PROPCLASS glow { ALPHA = 0.8 }
    OBJECT play { GFX = atlas.png|btn POSITION = "200 100" OVER = glow CLICK { ALPHA = 0.5 } }
    OBJECT top { GFX = atlas.png|btn POSITION = "250 120" })";
}  // namespace

TEST_F(GuiStates, OverIsTheLastObjectUnderTheMouse) {
    auto gui = Load(kButtons);
    Frame(*gui, 210, 110);
    EXPECT_TRUE(gui->overItem("PLAY"));
    Frame(*gui, 300, 140);  // inside both: the later object wins
    EXPECT_TRUE(gui->overItem("top"));
    EXPECT_FALSE(gui->overItem("play"));
    EXPECT_TRUE(gui->GetObject("play")->over);
    Frame(*gui, 200, 100);  // edges count
    EXPECT_TRUE(gui->overItem("play"));
    Frame(*gui, 199, 100);
    EXPECT_EQ(gui->over, nullptr);
}

TEST_F(GuiStates, ClickOnReleaseAndOnLeavingWithTheButtonHeld) {
    auto gui = Load(kButtons);
    int sounds = 0;
    GuiHooks().clickSound = [&] { ++sounds; };
    Frame(*gui, 210, 110, true, true);
    EXPECT_FALSE(gui->clickedItem("play"));
    EXPECT_EQ(gui->GetObject("play")->docProps, gui->GetObject("play")->GetPropertiesByAction(2));
    Frame(*gui, 210, 110, true);
    EXPECT_FALSE(gui->clickedItem("play"));
    Frame(*gui, 210, 110);  // released over the object
    EXPECT_TRUE(gui->clickedItem("Play"));
    EXPECT_TRUE(gui->clickedItem("PLAY"));
    EXPECT_EQ(sounds, 1);
    Frame(*gui, 210, 110);
    EXPECT_FALSE(gui->clickedItem("play"));

    Frame(*gui, 210, 110, true);
    Frame(*gui, 10, 10, true);  // dragged off with the button still down
    EXPECT_TRUE(gui->clickedItem("play"));
    EXPECT_EQ(sounds, 2);

    // A press and release between two updates counts as one click.
    Frame(*gui, 210, 110, false, true);
    EXPECT_FALSE(gui->clickedItem("play"));
    Frame(*gui, 210, 110);
    EXPECT_TRUE(gui->clickedItem("play"));
}

TEST_F(GuiStates, DisabledAndHiddenObjects) {
    auto gui = Load(kButtons + std::string(R"( OBJECT dim { GFX = atlas.png|btn POSITION = "0 0"
                                                    UNACTIVE { ALPHA = 0.3 } })"));
    auto play = gui->GetObject("play");
    play->SetState(1, 0);
    Frame(*gui, 210, 110, true, true);
    Frame(*gui, 210, 110);
    EXPECT_FALSE(gui->overItem("play"));
    EXPECT_FALSE(gui->clickedItem("play"));
    EXPECT_EQ(play->actProps, nullptr);  // no disabled set: drawn with the standard set
    auto disabled = gui->GetObject("dim");
    disabled->SetState(1, 0);
    Frame(*gui, 10, 10);
    EXPECT_EQ(disabled->actProps, disabled->GetPropertiesByAction(TProperties::UNACTIVE));

    // Enabled again, hidden: still hit-tested.
    play->SetState(0, 1);
    Frame(*gui, 210, 110, true);
    Frame(*gui, 210, 110);
    EXPECT_TRUE(gui->clickedItem("play"));
    EXPECT_EQ(play->actProps, play->standardProps);

    // A hidden layout is not updated: results hold.
    gui->hide();
    Frame(*gui, 10, 10);
    EXPECT_TRUE(gui->clickedItem("play"));
    gui->show();
    Frame(*gui, 10, 10);
    EXPECT_FALSE(gui->clickedItem("play"));
}

TEST_F(GuiStates, TransitionSpeeds) {
    auto gui = Load(R"(
        OBJECT fast { GFX = atlas.png|btn OVER { ALPHA = 0.5 } }
        OBJECT slow { GFX = atlas.png|btn POSITION = "0 100" STEPDELTA = 0.1 OVER { ALPHA = 0.5 } })");
    auto fast = gui->GetObject("fast");
    auto slow = gui->GetObject("slow");
    Frame(*gui, 10, 10);
    EXPECT_FLOAT_EQ(fast->per, 1);
    EXPECT_FLOAT_EQ(fast->stepPer, 1);
    EXPECT_TRUE(fast->docProps);
    for (int i = 1; i <= 10; ++i) {
        Frame(*gui, 10, 110);
        if (i == 1) {
            // Left: at speed 1 the change runs back at once and the target set goes.
            EXPECT_FLOAT_EQ(fast->per, 0);
            EXPECT_FALSE(fast->docProps);
        }
        if (i == 5) {
            EXPECT_NEAR(slow->stepPer, std::sin(0.5 * std::numbers::pi / 2), 1e-5);
        }
        if (i < 10) {
            EXPECT_LT(slow->per, 1) << i;
        }
    }
    EXPECT_FLOAT_EQ(slow->per, 1);
    // Leaving slowly: the target set stays while the change runs back.
    Frame(*gui, 500, 500);
    Frame(*gui, 500, 500);
    EXPECT_TRUE(slow->docProps);
    EXPECT_NEAR(slow->per, 0.8f, 1e-5);

    // At 30 frames per second the slow change takes five updates.
    auto other = Load(R"(OBJECT s { GFX = atlas.png|btn STEPDELTA = 0.1 OVER { ALPHA = 0.5 } })");
    auto s2 = other->GetObject("s");
    for (int i = 1; i <= 5; ++i) {
        Frame(*other, 10, 10, false, false, 2);
        if (i < 5) {
            EXPECT_LT(s2->per, 1) << i;
        }
    }
    EXPECT_FLOAT_EQ(s2->per, 1);
}

TEST_F(GuiStates, PressingRestartsTheChange) {
    auto gui = Load(
        R"(OBJECT b { GFX = atlas.png|btn STEPDELTA = 0.25 OVER { ALPHA = 0.5 } CLICK { ALPHA = 0.2 } })");
    auto b = gui->GetObject("b");
    Frame(*gui, 10, 10);
    Frame(*gui, 10, 10);
    EXPECT_FLOAT_EQ(b->per, 0.5f);
    Frame(*gui, 10, 10, true);
    EXPECT_FLOAT_EQ(b->per, 0.25f);  // restarted at 0, then one step
    EXPECT_EQ(b->docProps->action, TProperties::CLICK);
    Frame(*gui, 10, 10, true);
    EXPECT_FLOAT_EQ(b->per, 0.5f);  // the same target keeps going
}

TEST_F(GuiStates, VectorMeMovesOnlyTheDrawing) {
    auto gui = Load(kButtons);
    auto play = gui->GetObject("play");
    gui->VectorMe(0, 300, 0);
    EXPECT_FLOAT_EQ(play->dim.cy, 400);
    EXPECT_FLOAT_EQ(play->dim.y, 100);
    Frame(*gui, 210, 110);
    EXPECT_TRUE(gui->overItem("play"));  // clicks use the unmoved rectangle
    gui->VectorMe(0, 300, 0.5f);
    EXPECT_FLOAT_EQ(play->dim.cy, 250);
    gui->VectorMe(0, 300, 1);
    EXPECT_FLOAT_EQ(play->dim.cy, 100);
    EXPECT_FLOAT_EQ(play->dim.cx, 200);
    gui->VectorMe(-50, 0, 0);
    EXPECT_FLOAT_EQ(play->dim.cx, 150);
}

TEST_F(GuiStates, GuiAlphaReachesEveryObject) {
    auto gui = Load(kButtons);
    gui->setGuiAlpha(0.25f);
    for (const auto& o : gui->objects) EXPECT_FLOAT_EQ(o->alpha, 0.25f);
}
