#include "powerup_fixture.h"

#include "effects/effects.h"
#include "frame/globals.h"
#include "match3/board_fx.h"
#include "match3/flying.h"
#include "match3/hint.h"

void PowerUpGameTest::SetUp() {
    MainGameTest::SetUp();
    PowerUps::ResetOwnSlots();
    PowerUpHooks() = TPowerUpHooks{};
    PowerUpHooks().used = [this](int slot) { used.push_back(slot); };
    PowerUps::InstallBoardHooks();
    powerUpNeeded = {8, 12, 15, 20, 25, 30};
}

void PowerUpGameTest::TearDown() {
    ClearBombs();
    ClearSimpleFlyingObjects();
    ClearFireWorks();
    PowerUpHooks() = TPowerUpHooks{};
    PowerUps::ResetOwnSlots();
    powerUpNeeded = {};
    cheats = 0;
    MainGameTest::TearDown();
}

void PowerUpGameTest::Ready(int s) {
    Slot(s).unlocked = 1;
    Slot(s).justUnlocked = 0;
    Slot(s).FullMe();
}

void PowerUpGameTest::ClickSlot(int s) {
    const TDim centre = TMainGame::GetPowerUpDim(s);
    MoveMouse(centre.x, centre.y);
    Frame();
    Button(true);
    Frame();
    Button(false);
    Frame();
}

void PowerUpGameTest::RightClick() {
    InPushEvent(MouseButtonEvent(true, 2));
    Frame();
    InPushEvent(MouseButtonEvent(false, 2));
    Frame();
}

bool PowerUpGameTest::RunUntilCalmGame(int maxFrames) {
    for (int i = 0; i < maxFrames; i++) {
        if (game.state == M3_PLAYING && game.board.isCalm() && flyingChips.empty()) return true;
        Frame();
    }
    return false;
}

LevelSpec FullBoard8() {
    LevelSpec spec;
    spec.tiles = {"11111111", "11111111", "11111111", "11111111",
                  "11111111", "11111111", "11111111", "11111112"};
    // Rows shifted by two kinds: no line; the one move is (6, 2) <-> (7, 2).
    spec.chips = {"ABCDEABC", "CDEABCDE", "EABCDEAB", "BCDEABCD",
                  "DEABCDEA", "ABCDEABC", "CDEABCDE", "EEBCDEAB"};
    spec.available = "1 2 3 4 5";
    return spec;
}

LevelSpec NoMoveBoard() {
    LevelSpec spec;
    spec.tiles = {"11111", "11111", "11111", "11111", "11112"};
    spec.chips = {"ABCDE", "CDEAB", "EABCD", "BCDEA", "DEABC"};
    spec.available = "1 2 3 4 5";
    return spec;
}
