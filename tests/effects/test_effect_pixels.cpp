// Effect pictures: the files each loader reads, and what particles,
// captions and falling pieces put on the back buffer.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "effects_fixture.h"

namespace fs = std::filesystem;

namespace {

class EffectPixels : public EffectsTest {
protected:
    EffectPixels() : EffectsTest(RendererKind::Software) {}
    void TearDown() override {
        particleImages = {};
        captionImages = {};
        fireWorkImages = {};
        bombImage = bombGlowImage = nullptr;
        EffectsTest::TearDown();
    }
};

Image WhiteSquare(int size) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size * size * 4), 255);
    Image img = GfxCreateImage(size, size, rgba.data(), 0);
    GfxMidHandle(img);
    return img;
}

void WritePng(const fs::path& path, int w, int h) {
    fs::create_directories(path.parent_path());
    Pixmap p;
    p.w = w;
    p.h = h;
    p.rgba.assign(static_cast<std::size_t>(w * h * 4), 200);
    ASSERT_TRUE(GfxSavePng(p, path.string(), 6)) << path;
}

bool IsBlack(const Rgb& c) { return c.r == 0 && c.g == 0 && c.b == 0; }

}  // namespace

TEST_F(EffectPixels, LoadersReadTheirFilesAndCentreThem) {
    const std::string savedDir = gameDir;
    const fs::path root = fs::temp_directory_path() / ("brambleton-effects-" + std::to_string(::getpid()));
    fs::remove_all(root);
    gameDir = root.string() + "/";

    // Nothing there yet: every slot stays empty and nothing breaks.
    TParticle::setup();
    LoadCaptionImages();
    LoadFireWorkImages();
    LoadBombImages();
    for (const Image& img : particleImages) EXPECT_FALSE(img);
    EXPECT_FALSE(bombImage);

    const char* particles[] = {"part0",   "part1", "part2", "part3",   "part4",  "1",
                               "2",       "3",     "4",     "5",       "6",      "cloud-1",
                               "cloud-2", "chain", "rain",  "cloud-3", "cloud-4"};
    for (const char* name : particles) WritePng(root / "gfx/particles" / (std::string(name) + ".png"), 8, 6);
    WritePng(root / "gfx/particles/cloud-4.png", 20, 10);
    for (const char* name :
         {"get-ready", "go", "level-completed", "noMoves", "unlocked_building", "unlocked_upgrade"}) {
        WritePng(root / "gfx/captions/en" / (std::string(name) + ".png"), 32, 16);
    }
    WritePng(root / "gfx/gui/mainGame/bomb.png", 40, 40);
    WritePng(root / "gfx/gui/mainGame/bomb-Glow.png", 60, 60);

    TParticle::setup();
    LoadCaptionImages();
    LoadFireWorkImages();
    LoadBombImages();
    for (int i = 0; i < 17; ++i) EXPECT_TRUE(particleImages[static_cast<std::size_t>(i)]) << i;
    for (int i = 17; i < 20; ++i) EXPECT_FALSE(particleImages[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(GfxImageWidth(particleImages[16]), 20);  // slot 16 is "cloud-4"
    EXPECT_FLOAT_EQ(GfxImageHandleX(particleImages[16]), 10);
    EXPECT_FLOAT_EQ(GfxImageHandleY(particleImages[16]), 5);
    for (const Image& img : captionImages) EXPECT_TRUE(img);
    EXPECT_FLOAT_EQ(GfxImageHandleX(captionImages[0]), 256);  // get ready: its own handle
    EXPECT_FLOAT_EQ(GfxImageHandleY(captionImages[0]), 144);
    EXPECT_FLOAT_EQ(GfxImageHandleX(captionImages[1]), 16);
    for (const Image& img : fireWorkImages) EXPECT_TRUE(img);
    EXPECT_EQ(GfxImageWidth(bombGlowImage), 60);
    EXPECT_FLOAT_EQ(GfxImageHandleX(bombImage), 20);

    gameDir = savedDir;
    fs::remove_all(root);
}

TEST_F(EffectPixels, ParticleShowsTintedOnlyAfterItsDelay) {
    particleImages[5] = WhiteSquare(8);
    CreateParticle(5, 200, 200, 200, 200, 200, 200, NewRGB(255, 0, 0), 1, 1, 1, 1, 0, 0, GFX_BLEND_LIGHT, 0,
                   1000);
    CreateParticle(5, 300, 300, 300, 300, 300, 300, NewRGB(0, 255, 0), 1, 1, 1, 1, 0, 0, GFX_BLEND_LIGHT, 500,
                   1000);
    GfxCls();
    DrawParticles();
    const Rgb lit = PixelAt(200, 200);
    EXPECT_GE(lit.r, 250);
    EXPECT_EQ(lit.g, 0);
    EXPECT_TRUE(IsBlack(PixelAt(300, 300)));  // still waiting
    EXPECT_TRUE(IsBlack(PixelAt(210, 200)));  // 8 pixels wide, centred
    AdvanceClock(500);
    GfxCls();
    DrawParticles();
    EXPECT_GE(PixelAt(300, 300).g, 250);
}

TEST_F(EffectPixels, EndingParticleIsDrawnOnceMoreThenGone) {
    particleImages[0] = WhiteSquare(8);
    CreateParticle(0, 100, 100, 100, 100, 100, 100, NewRGB(255, 255, 255), 1, 1, 1, 1, 0, 0, GFX_BLEND_ALPHA,
                   0, 10);
    GfxCls();
    DrawParticles();  // born
    AdvanceClock(20);
    GfxCls();
    DrawParticles();  // ends in this update, drawn in the same walk
    EXPECT_GE(PixelAt(100, 100).r, 250);
    EXPECT_TRUE(particleList.empty());
    GfxCls();
    DrawParticles();
    EXPECT_TRUE(IsBlack(PixelAt(100, 100)));
}

TEST_F(EffectPixels, CaptionDrawsAtItsPlaceOnceStarted) {
    captionImages[CAPTION_GO] = WhiteSquare(40);
    auto c = CreateCaptionGo(100);
    GfxCls();
    UpdateCaptions();
    DrawCaptions();
    EXPECT_TRUE(IsBlack(PixelAt(512, 384)));
    AdvanceClock(100);
    for (int i = 0; i < 50; ++i) UpdateCaptions();  // fully popped in: scale (0.75, 0.8)
    GfxCls();
    DrawCaptions();
    EXPECT_GE(PixelAt(512, 384).r, 250);
    EXPECT_GE(PixelAt(512 + 13, 384).r, 250);
    EXPECT_TRUE(IsBlack(PixelAt(512 + 17, 384)));  // 40 x 0.75 = 30 pixels wide
}

TEST_F(EffectPixels, FallingPieceHasADarkShadowUnderAWhitePicture) {
    Image chip = WhiteSquare(20);
    auto o = CreateOdpadek(chip, 400, 400, 0);
    for (int i = 0; i < 20; ++i) o->update();  // shadow at its full 3 pixels
    const int x = static_cast<int>(o->x), y = static_cast<int>(o->y);
    GfxCls();
    GfxSetColor(0, 0, 255);  // a blue floor to see the shadow on
    GfxDrawRect(0, 0, 1024, 768);
    GfxSetColor(255, 255, 255);
    o->draw();
    const Rgb top = PixelAt(x, y);
    EXPECT_GE(top.r, 250);
    EXPECT_GE(top.b, 250);
    const Rgb shadow = PixelAt(x + 11, y + 11);  // outside the picture, inside its shadow
    EXPECT_EQ(shadow.r, 0);
    EXPECT_GE(shadow.b, 120);
    EXPECT_LE(shadow.b, 135);
}
