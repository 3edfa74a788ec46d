// What the dialogs draw, read back from the headless back buffer: the
// question's panel, the knobs at their volumes, the name entry's cursor,
// the credits' yellow-to-green lines, the veil each dialog lays over its
// caller and a dialog over a dialog darkening nothing more.
#include <gtest/gtest.h>

#include "frame/globals.h"
#include "frame/options.h"
#include "frame/screen.h"
#include "menus/credits.h"
#include "menus/enter_text.h"
#include "menus/options_dialog.h"
#include "menus/pop_up.h"
#include "menus/profile_manager_dialog.h"
#include "menus_fixture.h"
#include "support/grey_screen.h"

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

namespace {

// The dialog at rest over its caller: panel in, stripes in, one frame drawn.
template <class Dialog>
Rgb CornerAtRest(Dialog& dialog) {
    dialog.showPer = 1;
    dialog.alpha = dialog.dAlpha = 1;
    dialog.stripeA = dialog.dStripeA = 1;
    GfxCls();
    dialog.draw();
    return PixelAt(8, 8);  // beside every panel: the caller as the dialog dims it
}
}  // namespace

// Without the stripes, what darkens the corner is the veil alone: half for the options, none for
// the question, the name entry and the profile manager.
TEST_F(DialogPixels, EachDialogVeilsItsCallerAsDesigned) {
    const Image savedStripes = stripesImage;
    stripesImage = nullptr;
    GreyScreen grey;
    optionsDialog.setup();
    optionsDialog.prepare();
    optionsDialog.ekran = &grey;
    EXPECT_NEAR(CornerAtRest(optionsDialog).r, 100, 1);
    popUp.setup();
    popUp.text = "Leave?";
    popUp.prepare();
    popUp.ekran = &grey;
    EXPECT_NEAR(CornerAtRest(popUp).r, 200, 1);
    profileManagerDialog.setup();
    profileManagerDialog.prepare();
    profileManagerDialog.ekran = &grey;
    EXPECT_NEAR(CornerAtRest(profileManagerDialog).r, 200, 1);
    enterText.setup();
    enterText.prepare(&grey, "ANN");
    enterText.stripeA = enterText.dStripeA = 1;
    enterText.alpha = 1;
    GfxCls();
    enterText.draw();
    EXPECT_NEAR(PixelAt(8, 8).r, 200, 1);
    stripesImage = savedStripes;
}

// The delete question over the profile manager: the manager is dimmed already, so the question
// draws it as it stands (its own figure, no veil, once; no second stripes either).
TEST_F(DialogPixels, TheQuestionOverTheProfileManagerDarkensItNoFurther) {
    const Image savedStripes = stripesImage;
    stripesImage = GfxLoadImage(gameDir + "gfx/stripes.png", GFX_IMAGE_DEFAULT);
    ASSERT_TRUE(stripesImage);
    GreyScreen grey;
    profileManagerDialog.setup();
    profileManagerDialog.prepare();
    profileManagerDialog.ekran = &grey;
    const Rgb manager = CornerAtRest(profileManagerDialog);
    const Rgb middle = PixelAt(512, 20);
    EXPECT_LT(manager.r, 200) << "the manager dims the screen behind it (its stripes)";
    popUp.setup();
    popUp.text = "Delete?";
    popUp.CountTextSizes();
    popUp.prepare();
    popUp.ekran = &profileManagerDialog;
    const Rgb question = CornerAtRest(popUp);
    EXPECT_NEAR(question.r, manager.r, 1);
    EXPECT_NEAR(PixelAt(512, 20).r, middle.r, 1);
    stripesImage = savedStripes;
}
