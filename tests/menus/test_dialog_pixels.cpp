// What the dialogs draw, read back from the headless back buffer: the
// question's panel, the knobs at their volumes, the name entry's cursor,
// the credits' yellow-to-green lines.
#include <gtest/gtest.h>

#include "frame/options.h"
#include "menus/credits.h"
#include "menus/enter_text.h"
#include "menus/options_dialog.h"
#include "menus/pop_up.h"
#include "menus_fixture.h"

namespace {

class DialogPixels : public MenusTest {};

bool Gold(const Rgb& c) { return c.r > 150 && c.g > 100 && c.b < 120; }

}  // namespace

TEST_F(DialogPixels, TheQuestionPanelRestsWithItsText) {
    popUp.setup();
    popUp.text = "Leave?";
    popUp.CountTextSizes();
    popUp.prepare();
    popUp.showPer = 1;
    popUp.alpha = 1;
    GfxCls();
    popUp.draw();
    const Rgb panel = PixelAt(512, 470);  // parchment in the middle of the panel
    EXPECT_GT(panel.r, 150);
    EXPECT_EQ(PixelAt(512, 250).r, 0);  // above the panel: the (absent) caller, black
    int white = 0;
    for (int x = 420; x < 600; ++x) white += PixelAt(x, popUp.drawY + 15).r > 240;
    EXPECT_GT(white, 3);  // the question's white letters
}

TEST_F(DialogPixels, TheKnobsSitAtTheirVolumes) {
    optionsDialog.setup();
    optionsDialog.prepare();
    optionsDialog.showPer = 1;
    optionsDialog.alpha = 1;
    options.musicVol = 0;
    options.soundVol = 10;
    GfxCls();
    optionsDialog.draw();
    EXPECT_TRUE(Gold(PixelAt(467, 222)));  // music knob at the left end
    EXPECT_FALSE(Gold(PixelAt(723, 222)));
    EXPECT_TRUE(Gold(PixelAt(723, 287)));  // sound knob at the right end
    EXPECT_FALSE(Gold(PixelAt(467, 287)));
}

TEST_F(DialogPixels, TheNameEntryShowsItsCursorAfterTheName) {
    enterText.setup();
    enterText.prepare(nullptr, "ANN");
    enterText.alpha = 1;
    enterText.cursorOn = 1;
    GfxCls();
    enterText.draw();
    GfxSetImageFont(enterText.font);
    const int x = 500 + GfxTextWidth("ANN") / 2 + 6;
    const Rgb cursor = PixelAt(x, 320);
    EXPECT_GT(cursor.r + cursor.g + cursor.b, 3 * 240);
    enterText.cursorOn = 0;
    GfxCls();
    enterText.draw();
    EXPECT_LT(PixelAt(x, 320).r, 200);
}

TEST_F(DialogPixels, CreditLinesGoFromYellowToGreen) {
    credits.setup();
    credits.img = nullptr;  // on black
    credits.readLines({"$MMMMMMMMMMMMMMMM"});
    credits.prepare(nullptr);
    credits.ekr = nullptr;
    credits.alpha = 1;
    credits.y = 300;
    GfxCls();
    credits.draw();
    GfxSetImageFont(credits.font3);
    const int w = GfxTextWidth("MMMMMMMMMMMMMMMM");
    Rgb left, right;
    for (int y = 300; y < 370; ++y) {
        const Rgb l = PixelAt(512 - w / 2 + 8, y), r = PixelAt(512 + w / 2 - 12, y);
        if (l.g > left.g) left = l;
        if (r.g > right.g) right = r;
    }
    EXPECT_GT(left.g, 200);
    EXPECT_GT(left.r, 200);  // yellow at the left
    EXPECT_GT(right.g, 200);
    EXPECT_LT(right.r, 80);  // green at the right
}
