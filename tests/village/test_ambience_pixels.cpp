// The village's particles drawn in batches look like the same particles drawn
// one call each. The software renderer copies unturned sprites the same way
// in both, but turns a single sprite through a smoothed temporary surface
// whose soft rim loses light, while a batch samples the picture directly: the
// turned rain and smoke come out somewhat brighter batched. So unturned lists
// must match closely, turned ones within that rim's share of the light.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "effects/particles.h"
#include "platform/gfx_batch.h"
#include "support/headless_platform.h"
#include "support/test_pictures.h"
#include "village/village_ambience.h"

namespace {

class BatchPixels : public HeadlessPlatformTest {
protected:
    void SetUp() override {
        HeadlessPlatformTest::SetUp();
        // A soft round sparkle, a rain streak and a cloud puff.
        particleImages[0] = SoftBlob(32, 32);
        particleImages[11] = SoftBlob(64, 64);
        particleImages[14] = SoftBlob(6, 30);
    }
    void TearDown() override {
        particleImages = {};
        HeadlessPlatformTest::TearDown();
    }
    // One list of the scene (0 water, 1 rain, 2 smoke) one second after it
    // started, from a fixed seed, drawn one call per particle or batched.
    static Pixmap Scene(int only, bool batched) {
        RandSeed(7);
        TParticleList water, rain, smoke;
        ChimneyTimers next{};
        for (int now = 0; now <= 1000; now += 25) {
            int w = now, r = now;
            UpdateWater(now, w, water);
            UpdateRain(now, r, rain);
            UpdateSmoke(now, next, ChimneysLitBy(nullptr), smoke);
            for (TParticleList* l : {&water, &rain, &smoke}) l->update(now);
        }
        GfxCls();
        TParticleList* lists[] = {&water, &rain, &smoke};
        if (batched) {
            lists[only]->updateAndDrawBatched(1010);
        } else {
            lists[only]->updateAndDraw(1010);
        }
        GfxResetDrawState();
        return GfxGrabPixmap(0, 0, 1024, 768);
    }
};

struct Difference {
    double meanAbs = 0;     // per channel, 0..255
    double brightness = 0;  // relative difference of the summed channels
    int farPixels = 0;      // pixels with a channel more than 64 apart
};

Difference Compare(const Pixmap& a, const Pixmap& b) {
    Difference d;
    double sumA = 0, sumB = 0, abs = 0;
    for (std::size_t i = 0; i < a.rgba.size(); i += 4) {
        bool far = false;
        for (std::size_t c = 0; c < 3; ++c) {
            const int va = a.rgba[i + c], vb = b.rgba[i + c];
            sumA += va;
            sumB += vb;
            abs += std::abs(va - vb);
            far = far || std::abs(va - vb) > 64;
        }
        d.farPixels += far ? 1 : 0;
    }
    d.meanAbs = abs / (static_cast<double>(a.rgba.size()) / 4 * 3);
    d.brightness = std::fabs(sumA - sumB) / std::max(1.0, sumA);
    return d;
}

int LitPixels(const Pixmap& p) {
    int n = 0;
    for (std::size_t i = 0; i < p.rgba.size(); i += 4) n += p.rgba[i + 1] > 0 ? 1 : 0;
    return n;
}

TEST_F(BatchPixels, VillageParticlesLookTheSameBatched) {
    const struct {
        const char* name;
        double meanAbs, brightness;
    } lists[] = {{"water", 0.05, 0.01}, {"rain", 2.0, 0.3}, {"smoke", 0.1, 0.2}};
    for (int k = 0; k < 3; ++k) {
        const Pixmap single = Scene(k, false);
        const Pixmap batched = Scene(k, true);
        ASSERT_EQ(single.rgba.size(), batched.rgba.size());
        const int lit = LitPixels(single);
        ASSERT_GT(lit, 1000) << lists[k].name << " drew next to nothing";
        const Difference d = Compare(single, batched);
        EXPECT_LT(d.meanAbs, lists[k].meanAbs) << lists[k].name;
        EXPECT_LT(d.brightness, lists[k].brightness) << lists[k].name;
        // Mostly the same pixels lit: a sprite out of place would light its own.
        EXPECT_LT(d.farPixels, lit / 20) << lists[k].name;
        EXPECT_NEAR(LitPixels(batched), lit, lit / 10) << lists[k].name;
    }
}

TEST_F(BatchPixels, OneSpriteMatchesTheSingleDrawTurnedMirroredAndTinted) {
    const Image img = SoftBlob(64, 64);
    GfxSetHandle(img, 10, 20);  // off-centre: mirroring must keep the handle on its spot
    GfxSprite s;
    s.x = 300;
    s.y = 200;
    s.sx = -1.5f;
    s.sy = 0.75f;
    s.rotation = 30;
    s.r = 255;
    s.g = 128;
    s.b = 0;
    s.a = 0.8f;
    GfxCls();
    GfxResetDrawState();
    GfxSetColor(255, 128, 0);
    GfxSetAlpha(0.8f);
    GfxSetScale(-1.5f, 0.75f);
    GfxSetRotation(30);
    GfxDrawImage(img, 300, 200);
    GfxResetDrawState();
    const Pixmap single = GfxGrabPixmap(0, 0, 1024, 768);
    GfxCls();
    GfxDrawImageBatch(img, GFX_BLEND_ALPHA, &s, 1);
    const Pixmap batched = GfxGrabPixmap(0, 0, 1024, 768);
    const Difference d = Compare(single, batched);
    EXPECT_LT(d.brightness, 0.1);
    EXPECT_LT(d.farPixels, 60);  // the rims only
    // The drawing state is left alone.
    float r, g, b;
    GfxGetColor(r, g, b);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(GfxGetAlpha(), 1);
}

}  // namespace
