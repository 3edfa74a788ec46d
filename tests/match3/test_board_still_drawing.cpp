// The match-3 screen drawn through the still layer: after any change of the board's resting
// state (a chip of another kind, a chip gone or moved, a cyan tile matched, a chest opened, the
// selection) the frame shows exactly what a fresh drawing of the same state shows.
#include <functional>
#include <vector>

#include "m3_fixture.h"
#include "match3/level.h"
#include "match3/main_game.h"
#include "match3/tile.h"
#include "support/headless_platform.h"

namespace {

// A picture with a pattern in every pixel, so that a stale spot shows.
Image Pattern(int w, int h, int seed) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int v = (x * 31 + y * 17 + seed * 71) % 256;
            const bool inside = (x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) < w * w / 5;
            px.insert(px.end(),
                      {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(seed * 40),
                       static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(inside ? 255 : 0)});
        }
    }
    Image img = GfxCreateImage(w, h, px.data(), GFX_IMAGE_FILTERED);
    GfxMidHandle(img);
    return img;
}

class BoardStillDrawing : public HeadlessPlatformTest {
protected:
    TMainGame game;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        InstallTestCatalogue();
        for (auto& proto : chipCatalogue) {
            proto->img = Pattern(44, 44, proto->id % 6 + 1);
            proto->shadow = GfxMakeShadowImage(proto->img, CHIP_SHADOW_ALPHA);
        }
        LoadTileImages();
        LevelSpec spec;
        spec.tiles = {"11211", "12321", "11111", "11111"};
        spec.chips = {"ABCDE", "BCDEA", "CDEAB", "DEABC"};
        spec.chests = {"00000", "00000", "00100", "00000"};
        game.SetData(LoadLevelFromText(LevelText(spec)));
        std::vector<std::uint8_t> back(1024 * 768 * 4, 90);
        game.background = GfxCreateImage(1024, 768, back.data(), GFX_IMAGE_DEFAULT);
        game.state = M3_PLAYING;
        game.frameA = game.dFrameA = 1;
    }
    void TearDown() override {
        game.SetData(nullptr);
        chipCatalogue.clear();
        HeadlessPlatformTest::TearDown();
    }

    Pixmap DrawnStill() {
        GfxCls();
        game.draw();
        return GfxGrabPixmap(0, 0, 1024, 768);
    }
    // The same state drawn directly: something (invisible) already on the back buffer keeps
    // the still layer out of the way.
    Pixmap DrawnFresh() {
        GfxCls();
        GfxSetAlpha(0);
        GfxDrawRect(0, 0, 1, 1);
        GfxResetDrawState();
        game.draw();
        return GfxGrabPixmap(0, 0, 1024, 768);
    }
    // Draws through the layer, changes the board, draws again: that frame against a fresh one.
    void ExpectChangeShown(const char* what, const std::function<void(TLevel&)>& change) {
        DrawnStill();
        const Pixmap before = DrawnStill();
        change(*game.level());
        const Pixmap after = DrawnStill();
        EXPECT_NE(before.rgba, after.rgba) << what << " changed nothing on the screen";
        EXPECT_TRUE(after.rgba == DrawnFresh().rgba) << what << ": the frame differs from a fresh drawing";
    }
};

}  // namespace

TEST_F(BoardStillDrawing, EveryChangeOfTheRestingBoardIsDrawn) {
    ExpectChangeShown("a chip of another kind", [](TLevel& level) {
        level.At(0, 0)->PutChip(CreateChip(5));
        level.At(0, 0)->chip->CountPosition();
    });
    ExpectChangeShown("a chip gone", [](TLevel& level) { level.At(1, 1)->chip.reset(); });
    ExpectChangeShown("a chip a little lower", [](TLevel& level) { level.At(3, 4)->chip->vy += 5; });
    ExpectChangeShown("a cyan tile matched", [](TLevel& level) { level.At(1, 2)->id = 1; });
    ExpectChangeShown("a chest opened", [](TLevel& level) { level.At(2, 2)->chest = 0; });
    ExpectChangeShown("a chip of the other side", [](TLevel& level) {
        std::swap(level.At(3, 0)->chip, level.At(3, 1)->chip);
        for (int c : {0, 1}) {
            level.At(3, c)->chip->tile = level.At(3, c);
            level.At(3, c)->chip->CountPosition();
        }
    });
}

TEST_F(BoardStillDrawing, TheSelectionAndTheHighlightAreDrawn) {
    ExpectChangeShown("the cell under the mouse", [](TLevel& level) { level.At(2, 3)->overAlpha = 1; });
    ExpectChangeShown("the shine", [](TLevel& level) { level.At(0, 4)->blaskP = 0.5f; });
    ExpectChangeShown("the picked chip's pulse", [this](TLevel& level) {
        game.board.picked = level.At(0, 1);
        game.board.pickPer = 0.5f;
    });
}
