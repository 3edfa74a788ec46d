// The shipped puzzle pictures as the game draws them: what a scene must show
// whole, and the weather it promises.
#include <string>

#include "frame/globals.h"
#include "puzzle_test_fixture.h"

namespace {
class PuzzleArtTest : public PuzzleTest {
protected:
    // Draws the picture at the top-left corner; false when the art is not generated.
    static bool DrawPicture(const std::string& name) {
        Image img = GfxLoadImage(gameDir + "gfx/puzzles/" + name, GFX_IMAGE_DEFAULT);
        if (!img) return false;
        GfxCls();
        GfxResetDrawState();
        GfxDrawImage(img, 0, 0);
        return true;
    }
};
}  // namespace

// The town hall square shows the whole town hall: open sky (light and blue, unlike
// the slate spire or its flag) all along the top edge above it.
TEST_F(PuzzleArtTest, TheTownHallTowerStandsClearOfThePictureTop) {
    if (!DrawPicture("puzzle-17.jpg")) GTEST_SKIP() << "assets not generated";
    for (int y = 0; y < 12; y += 3)
        for (int x = 200; x < 500; x += 2) {
            const Rgb c = PixelAt(x, y);
            ASSERT_TRUE(c.b >= 150 && c.b - c.r >= 30)
                << "not sky at " << x << "," << y << ": " << c.r << " " << c.g << " " << c.b;
        }
}

// The first snow lies on the roofs too: white along the farmstead's ridge.
TEST_F(PuzzleArtTest, TheSnowSceneHasSnowOnItsRoofs) {
    if (!DrawPicture("puzzle-6.jpg")) GTEST_SKIP() << "assets not generated";
    int white = 0, all = 0;
    for (int y = 150; y < 185; y++)
        for (int x = 150; x < 290; x++, all++) {
            const Rgb c = PixelAt(x, y);
            if (c.r > 225 && c.g > 225 && c.b > 225) white++;
        }
    EXPECT_GT(white * 5, all) << white << " of " << all << " roof pixels white";
}
