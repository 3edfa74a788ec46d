#include "puzzle_test_fixture.h"

#include <algorithm>
#include <cstdint>

#include "audio/game_sound.h"
#include "frame/globals.h"
#include "frame/mouse.h"

void PuzzleTest::SetUp() {
    HeadlessPlatformTest::SetUp();
    RandSeed(7);
    frameDelta = 1;
    SoundHooks().play = [this](const std::string& name) { sounds.push_back(name); };
    SoundHooks().play1 = [this](const std::string& name) { sounds.push_back(name); };
    Mouse(0, 0);
}

void PuzzleTest::TearDown() {
    SoundHooks() = {};
    Mouse(0, 0);
    HeadlessPlatformTest::TearDown();
}

Image PuzzleTest::CellPicture(int w, int h, int cellW, int cellH, int blue) {
    std::vector<std::uint8_t> px(static_cast<size_t>(w * h * 4));
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const Rgb c = CellColour(x, y, cellW, cellH, blue);
            auto* p = &px[static_cast<size_t>((y * w + x) * 4)];
            p[0] = static_cast<std::uint8_t>(c.r);
            p[1] = static_cast<std::uint8_t>(c.g);
            p[2] = static_cast<std::uint8_t>(c.b);
            p[3] = 255;
        }
    return GfxCreateImage(w, h, px.data(), GFX_IMAGE_DEFAULT);
}

Rgb PuzzleTest::CellColour(int px, int py, int cellW, int cellH, int blue) {
    return {std::min(255, 40 + 40 * (px / cellW)), std::min(255, 40 + 40 * (py / cellH)), blue};
}

std::shared_ptr<TPuzzleLevel> PuzzleTest::Make(int type, int rows, int cols, int w, int h) {
    const int cw = std::max(1, w / std::max(cols, 1)), ch = std::max(1, h / std::max(rows, 1));
    return MakePuzzleLevel(type, CellPicture(w, h, cw, ch, 200), CellPicture(w, h, cw, ch, 20), rows, cols);
}

void PuzzleTest::Mouse(float x, float y, bool click) {
    mouse.x = x;
    mouse.y = y;
    mouse.leftPressed = click ? 1 : 0;
}

void PuzzleTest::Tick(int frames) {
    for (int i = 0; i < frames; i++) SysAdvanceFixedClock(1000 / 60 + (i % 3 == 0 ? 1 : 0));
}

int PuzzleTest::Run(TPuzzleLevel& level, int frames) {
    int result = 0;
    for (int i = 0; i < frames; i++) {
        Tick();
        result = level.update();
        mouse.leftPressed = 0;
    }
    return result;
}

int PuzzleTest::count(const std::string& sound) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), sound));
}
