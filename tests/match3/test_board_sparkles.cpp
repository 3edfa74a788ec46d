// The board's particles drawn in few calls show exactly the pixels of one call per particle:
// the sparkles around a rocking hint (upright, scaled, tinted, added) and, once a turned cloud
// or star is among them, every particle one call each again.
#include <cmath>
#include <cstdint>
#include <vector>

#include "effects/particles.h"
#include "match3/board_fx.h"
#include "support/headless_platform.h"
#include "support/test_pictures.h"

namespace {

class BoardSparkles : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        particleImages[0] = SoftBlob(32, 32);
        particleImages[11] = SoftBlob(64, 64);
        std::vector<std::uint8_t> px;
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x)
                px.insert(px.end(), {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 3),
                                     static_cast<std::uint8_t>((x + y) * 5), 255});
        back = GfxCreateImage(1024, 768, px.data(), GFX_IMAGE_DEFAULT);
    }
    void TearDown() override {
        particleImages = {};
        back = nullptr;
        HeadlessPlatformTest::TearDown();
    }
    // Sparkles as a rocking chip throws them: five every 25 ms along a circle of 20 pixels, at
    // positions between whole pixels, white small ones among coloured ones; `turned` adds a
    // turning cloud as a chip's end throws.
    static void Throw(TParticleList& list, bool turned) {
        RandSeed(11);
        for (int k = 0; k < 20; ++k) {
            const float turn = static_cast<float>(k * 25);
            for (int i = 1; i <= 5; ++i) {
                const float sx = 400.3f + 20 * std::cos((turn - i) * 0.0174533f) + RandInt(-2, 2);
                const float sy = 300.6f + 20 * std::sin((turn - i) * 0.0174533f) + RandInt(-2, 2);
                const float ex = 400.3f + 20 * std::cos(turn * 0.0174533f) + RandInt(-2, 2);
                const float ey = 300.6f + 20 * std::sin(turn * 0.0174533f) + RandInt(-2, 2);
                const bool white = RandInt(1, 9) == 1;
                const float s = white ? 0.2f : 0.5f;
                CreateParticle(0, sx, sy, ex, ey, (sx + ex) / 2, (sy + ey) / 2,
                               white ? NewRGB(255, 255, 255) : NewRGB(200 + i * 5, 90, 60), 1, 0, s, s, 0, 0,
                               GFX_BLEND_LIGHT, i * 20, 500, &list);
            }
        }
        if (turned)
            CreateParticle(11, 420, 310, 420, 310, 420, 310, NewRGB(200, 200, 200), 1, 0, 0.25f, 0.5f, 0, 90,
                           GFX_BLEND_LIGHT, 0, 500, &list);
    }
    // The list 250 ms after it was thrown, over the patterned picture (or without particles), one
    // call per particle or as the board draws.
    Pixmap Drawn(bool turned, bool asTheBoard, bool particles = true) {
        TParticleList list;
        if (particles) Throw(list, turned);
        for (int frame = 0; frame < 15; ++frame) {
            GfxFlip(0);  // the fixed-step clock: 1000 / 60 ms a frame
            list.update(SysMillisecs());
        }
        GfxCls();
        GfxResetDrawState();
        GfxDrawImage(back, 0, 0);
        if (asTheBoard) {
            M3DrawParticles(&list);
        } else {
            DrawParticles(&list);
        }
        GfxResetDrawState();
        return GfxGrabPixmap(0, 0, 1024, 768);
    }
    Image back;
};

int LitDifferently(const Pixmap& a, const Pixmap& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.rgba.size(); i += 4)
        n += (a.rgba[i] != b.rgba[i] || a.rgba[i + 1] != b.rgba[i + 1] || a.rgba[i + 2] != b.rgba[i + 2]) ? 1
                                                                                                          : 0;
    return n;
}

TEST_F(BoardSparkles, UprightSparklesInFewCallsShowThePixelsOfOneCallEach) {
    const Pixmap single = Drawn(false, false);
    const Pixmap board = Drawn(false, true);
    ASSERT_EQ(single.rgba.size(), board.rgba.size());
    ASSERT_GT(LitDifferently(single, Drawn(false, false, false)), 1000) << "next to no sparkle drawn";
    EXPECT_EQ(LitDifferently(single, board), 0);
}

TEST_F(BoardSparkles, ATurnedParticleAmongThemKeepsTheLookOfOneCallEach) {
    const Pixmap single = Drawn(true, false);
    const Pixmap board = Drawn(true, true);
    ASSERT_EQ(single.rgba.size(), board.rgba.size());
    EXPECT_EQ(LitDifferently(single, board), 0);
}

}  // namespace
