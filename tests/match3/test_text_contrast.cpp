// Every text of the match-3 screen reads against what lies behind it (4.5:1, or 3:1 from 24
// pixels up): the resource counters under their panels, the clock's label on its bar, full, nearly
// run out and the hourglass's, and the menu button, over the level's own background.
#include <gtest/gtest.h>

#include "main_game_fixture.h"
#include "match3/res_panel.h"
#include "support/text_contrast.h"

namespace {

class BoardTextContrast : public MainGameTest {
protected:
    void SetUp() override {
        MainGameTest::SetUp();
        StopHeadlessPlatform();  // the pixels drawn are read back: the software renderer
        ASSERT_TRUE(StartHeadlessPlatform());
        game.setup();  // the screen's own pictures, fonts and GUI
    }
    void TearDown() override {
        GfxSetTextWatcher(nullptr);
        MainGameTest::TearDown();
    }
};

}  // namespace

// The clock's bar shrinks from under its label and blinks red as it runs out: the label is
// measured on the full bar, on the nearly empty one and on the hourglass's bar.
TEST_F(BoardTextContrast, TheBoardsCountersClockAndMenuRead) {
    StartPlaying(QuietBoard());
    Frame(200);
    for (auto& panel : game.res) {  // each counter at rest on a large count
        ASSERT_EQ(panel->state, 1);
        panel->alpha = 1;
        panel->y = panel->y2;
        panel->v = panel->dv = 9999;
    }
    TextContrastTally tally("match-3 board");
    const auto draw = [this] {
        GfxCls();
        game.draw();
    };
    tally.ExpectReadable("clock full", draw);
    game.level()->time = game.level()->maxTime / 10;
    game.blinkA = 1;
    tally.ExpectReadable("clock running out", draw);
    game.state = M3_HOURGLASS;  // the hourglass's own bar, full
    game.hourGlassTime = SysMillisecs() + 22000;
    tally.ExpectReadable("hourglass", draw);
    game.state = M3_PLAYING;
}
