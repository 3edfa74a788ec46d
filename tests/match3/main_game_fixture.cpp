#include "main_game_fixture.h"

#include "frame/frame_loop.h"
#include "match3/fantom.h"

void MainGameTest::SetUp() {
    Match3Test::SetUp();
    game.hooks.runOptions = [this] {
        optionsOpened++;
        return 0;
    };
}

void MainGameTest::TearDown() {
    game._prepareCleans();
    game.SetData(nullptr);
    Match3Test::TearDown();
}

TLevel& MainGameTest::Start(const LevelSpec& spec) {
    game.SetData(LoadLevelFromText(LevelText(spec)));
    game._prepareCleans();
    game._prepareSelf();
    game._prepareBegin();
    game._prepareRes();
    return *game.level();
}

TLevel& MainGameTest::StartPlaying(const LevelSpec& spec) {
    TLevel& level = Start(spec);
    for (int i = 0; i < 300 && game.state == M3_APPEARING; i++) Frame();
    EXPECT_EQ(game.state, M3_PLAYING);
    return level;
}

void MainGameTest::Frame(int frames) {
    for (int i = 0; i < frames; i++) {
        ScreenFrame(game);
        game._afterFrame();
    }
}

void MainGameTest::MoveMouse(float x, float y) { InPushEvent(MouseMoveEvent(x, y)); }

void MainGameTest::Button(bool down) { InPushEvent(MouseButtonEvent(down)); }

void MainGameTest::Key(int code) {
    InPushEvent(KeyEvent(true, code));
    InPushEvent(KeyEvent(false, code));
}

void MainGameTest::Drag(const TTile* t, int dx, int dy) {
    const auto x = static_cast<float>(t->drawX), y = static_cast<float>(t->drawY);
    MoveMouse(x, y);
    Frame();
    Button(true);
    Frame();
    MoveMouse(x + static_cast<float>(dx) / 2, y + static_cast<float>(dy) / 2);
    Frame();
    MoveMouse(x + static_cast<float>(dx), y + static_cast<float>(dy));
    Frame();
    Button(false);
    Frame();
}

void MainGameTest::Click(const TTile* t) {
    MoveMouse(static_cast<float>(t->drawX), static_cast<float>(t->drawY));
    Frame();
    Button(true);
    Frame();
    Button(false);
    Frame();
}

LevelSpec QuietBoard() {
    LevelSpec spec;
    spec.tiles = {"11111", "11111", "11111", "11111", "11111"};
    spec.chips = {"AABCD", "CDAEB", "EBCDA", "BCDAE", "DEABC"};
    spec.available = "1 2 3 4 5";
    return spec;
}

LevelSpec BoardWithGoal() {
    LevelSpec spec = QuietBoard();
    spec.tiles[4] = "11112";
    return spec;
}
