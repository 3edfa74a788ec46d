// The puzzle screen (screen code 7): a picture puzzle over the village that
// wins the blueprint of a village item. It hosts one TPuzzleLevel at a time
// (setData), fades in over the village while the level's opening plays,
// hands the mouse to the level, and on a win fades the coloured picture in
// with sparkles, credits the blueprint and fades out. A skip button becomes
// usable 60 s after entry and counts as a win.
//
// Files: puzzle_game.cpp (set-up, states, skip, the loop),
// puzzle_game_draw.cpp (drawing).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "frame/screen.h"
#include "puzzles/puzzle_level.h"

enum : int { PUZZLE_BEGIN = 0, PUZZLE_GAME = 1, PUZZLE_WIN = 2, PUZZLE_WAIT_WIN = 3 };

// Seconds from entry until the skip button can be used.
constexpr int PUZZLE_SKIP_MS = 60000;

// Ways out to parts above the puzzles. Empty hooks do nothing.
struct TPuzzleGameHooks {
    // Tutorial tips: CheckTutorialTips, UpdateTutorialTip, DrawTutorialTip,
    // ClearTutorialTip for this screen. Empty: no tips.
    std::function<void()> checkTips, updateTip, drawTip, clearTip;
};

class TPuzzleGame : public TEkran {
public:
    Image scroll;
    Image ramka;                      // the frame around the picture
    std::array<Image, 3> skipButton;  // red (waiting), blue (ready), green (only its size)
    std::shared_ptr<TPuzzleLevel> level;
    Font skipFont, titleFont;
    int state = PUZZLE_BEGIN;
    int drawStartX = PUZZLE_DRAW_X, drawStartY = PUZZLE_DRAW_Y;
    float imageA = 0;  // the coloured picture over the solved puzzle
    int waitTime = 0;
    int skipAdY = 0;
    std::string txtSkip, txtTitle, txtToSkip, txtMenu;
    float skipPer = 0;
    int skipX = 250, skipY = 570;
    int partTime = 0;
    int showUpSkip = 0;
    float showUpP = 0;
    int skipOver = 0;
    int skipTime = 0;

    TPuzzleGameHooks hooks;
    bool running = false;  // its loop runs (the virtual player reads it)

    void setup() override;
    void update() override;
    void draw() override;

    virtual void _drawSkip();
    virtual void _drawBack();
    virtual void _drawImages();
    virtual void _drawLevel();
    virtual void _drawLevelSecond();
    virtual void _drawTitle();
    virtual void _update_BEGIN();
    virtual void _update_GAME();
    virtual void _update_WIN();
    virtual void _update_WAIT_WIN();
    virtual void _updateState();
    virtual void _updateSkip();
    virtual void _prepareCleans();
    virtual void prepare();
    // Runs the puzzle until the screen has faded out; the screen code to go
    // on with (6, the village). Without a level it returns at once.
    virtual int mainLoop();
    // The buttons and keys after one frame of the loop.
    virtual void _afterFrame();
    virtual void goMenu();
    virtual void setData(std::shared_ptr<TPuzzleLevel> newLevel, int puzzleId);
    virtual void Win();
    virtual float CountSKipPer() const;
    virtual std::string CountSkipSeconds() const;

    // The skip button's rectangle (the red button's size).
    float skipW() const;
    float skipH() const;
    // This frame's left click lands on "Back" or on the skip button ready to be used: it is the
    // button's, not the tip's that waits for a click.
    bool clickOnOwnButton() const;
};

extern TPuzzleGame puzzleGame;
