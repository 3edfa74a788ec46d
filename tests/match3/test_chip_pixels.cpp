// What a chip draws: its shadow comes from a prepared black picture and lands
// where the tinted copy of the chip used to put it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "match3/chip.h"
#include "support/headless_platform.h"

namespace {

// A 20 x 20 chip: an opaque red disc-like square with a half-transparent rim.
Image ChipPicture() {
    constexpr int kSide = 20;
    std::vector<std::uint8_t> px(kSide * kSide * 4, 0);
    for (int y = 0; y < kSide; y++) {
        for (int x = 0; x < kSide; x++) {
            std::uint8_t* p = &px[(y * kSide + x) * 4];
            const bool rim = x < 3 || y < 3 || x >= kSide - 3 || y >= kSide - 3;
            p[0] = 220;
            p[1] = 30;
            p[2] = 30;
            p[3] = rim ? 128 : 255;
        }
    }
    Image img = GfxCreateImage(kSide, kSide, px.data(), GFX_IMAGE_DEFAULT);
    GfxMidHandle(img);
    return img;
}

class ChipPixels : public HeadlessPlatformTest {
protected:
    TChip chip;
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        chip.img = ChipPicture();
        chip.drawX = 100;
        chip.drawY = 100;
    }
    // The chip over a plain grey floor; the block of pixels around it.
    Pixmap DrawnChip(float alpha) {
        GfxResetDrawState();
        GfxSetColor(200, 200, 200);
        GfxDrawRect(0, 0, 200, 200);
        GfxResetDrawState();
        chip.alpha = alpha;
        chip.draw();
        return GfxGrabPixmap(80, 80, 40, 40);
    }
};

int Grey(const Pixmap& p, int x, int y) { return p.rgba[((y - 80) * 40 + (x - 80)) * 4]; }

}  // namespace

TEST_F(ChipPixels, ThePreparedShadowDarkensTheFloorBesideTheChip) {
    chip.shadow = GfxMakeShadowImage(chip.img, CHIP_SHADOW_ALPHA);
    ASSERT_TRUE(chip.shadow);
    const Pixmap p = DrawnChip(1);
    ASSERT_EQ(p.rgba.size(), 40u * 40u * 4u);
    // The chip covers 90..109; its shadow 92..111. Right of the chip lies the
    // shadow's half-opaque rim: grey 200 under black at 0.35 x 128 / 255.
    EXPECT_NEAR(Grey(p, 111, 105), 165, 2);
    EXPECT_EQ(Grey(p, 113, 105), 200);  // past the shadow: the floor untouched
    EXPECT_EQ(Grey(p, 95, 89), 200);    // above the chip: no shadow
}

TEST_F(ChipPixels, ThePreparedShadowMatchesTheTintedOneAtAnyOpacity) {
    for (float alpha : {1.0f, 0.5f}) {
        chip.shadow = nullptr;
        const Pixmap tinted = DrawnChip(alpha);
        chip.shadow = GfxMakeShadowImage(chip.img, CHIP_SHADOW_ALPHA);
        const Pixmap prepared = DrawnChip(alpha);
        ASSERT_EQ(tinted.rgba.size(), prepared.rgba.size());
        int worst = 0;
        for (size_t i = 0; i < tinted.rgba.size(); i++) {
            worst = std::max(worst, std::abs(tinted.rgba[i] - prepared.rgba[i]));
        }
        EXPECT_LE(worst, 2) << "alpha " << alpha;
    }
}

TEST_F(ChipPixels, ACopiedOrChangedChipKeepsItsShadow) {
    chip.shadow = GfxMakeShadowImage(chip.img, CHIP_SHADOW_ALPHA);
    EXPECT_EQ(chip.Copy()->shadow, chip.shadow);
    TChip other;
    other.ChangeMe(chip);
    EXPECT_EQ(other.shadow, chip.shadow);
    EXPECT_FALSE(GfxMakeShadowImage(nullptr, 0.35f));
}
