// The match-3 game screen: plays one level handed over with SetData. It runs
// the board's frame steps in a fixed order, counts down the level clock,
// shows the resource panels, the power-up bar and the time bar, detects the
// win and the loss and hands over to the end-of-level dialogs.
//
// Files: main_game_setup.cpp (set-up, a level's start and the main loop),
// main_game_update.cpp (the frame and the states), main_game_select.cpp
// (selection and dragging), main_game_draw.cpp (drawing),
// main_game_later.cpp (the hint, shuffle and power-up steps).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "frame/screen.h"
#include "match3/board.h"
#include "match3/res_panel.h"

class THint;
class TChip;

// Screen states.
enum : int {
    M3_PLAYING = 0,
    M3_APPEARING = 1,
    M3_WON = 2,
    M3_HAMMER = 3,
    M3_HOURGLASS = 4,
    M3_PICKAXE = 5,
    M3_DYNAMITE = 6,
    M3_COLOR = 8,
    M3_TOOL_RETURNING = 9,
    M3_SHUFFLING = 10,
};

// The screen's ways out to the parts of the game around it: the profile,
// the end-of-level dialogs, the options dialog and the tutorial. An empty
// hook takes the default noted beside it, so the screen plays a level in
// tests and in level runs without them.
struct TMainGameHooks {
    std::function<int()> backgroundN;                           // profile's backGroundN; 0
    std::function<std::shared_ptr<TChip>(int res)> properChip;  // QUEST_GetProperChipByRes; chips stay
    std::function<void()> levelStarted;  // profile's actScreen = 2 (before SaveAll); nothing
    std::function<int()> runSummary;     // level summary: 102 next or 105 restart; 102
    std::function<int()> runLose;        // lose dialog: 1 main menu or 105 restart; 105
    std::function<void()> reloadLevel;   // QUEST_LoadActLevel before the main menu; nothing
    std::function<int()> runOptions;     // options dialog: 1, 6, 105 or continue; continue
    // Tutorial tips: CheckTutorialTips, UpdateTutorialTip, DrawTutorialTip,
    // ClearTutorialTip, HideTutorialTip.
    std::function<void()> checkTips, updateTip, drawTip, clearTip, hideTip;
    std::function<void()> designerKeys;  // a level file's run: F5 reads it again; nothing
};

class TMainGame : public TEkran {
public:
    Image powerUpBack;
    Image timeBar, timeBarFrame, timeBack, timeBar2;
    std::array<std::shared_ptr<TResPanel>, 4> res;
    Font timeFont;
    TBoard board;  // the level being played (board.level), the cell under the mouse,
                   // the picked cell, the swaps in progress and the calm flag
    int state = M3_PLAYING;
    int tilesCount = 0;
    int hourGlassTime = 0;
    float blinkA = 0, dBlinkA = 0;
    float frameA = 0, dFrameA = 0;
    Image hammerImg, bombImg, pickaxeImg, colorImg;
    std::shared_ptr<THint> hint;
    int hintTime = 0;
    std::array<std::string, 10> backUrls;
    Image background;
    std::string txtTime;
    int hx = 0, hy = 0;
    int holded = 0;
    int overPowerUp = -1;
    int tilesFree = 0;
    int scrollsFree = 0;
    int shuffleTime = 0;
    int hourglassLeftAtShuffle = 0;  // ms of hourglass left when a shuffle began
    std::shared_ptr<THint> tempHint;
    int movesChecked = 0;  // the calm board was searched for a move (until something moves)

    TMainGameHooks hooks;

    TMainGame();
    ~TMainGame() override;

    TLevel* level() const { return board.level.get(); }

    // Set-up and a level's start (main_game_setup.cpp).
    void setup() override;
    // The clock's label and the GUI script, in the language in use.
    void setupTexts();
    virtual void _setupRes();
    virtual void _setupBackgroundsUrls();
    virtual void SetData(const std::shared_ptr<TLevel>& newLevel);
    virtual void AddScore(int amount);
    virtual void _prepareCleans();
    virtual void _prepareSelf();
    virtual void _prepareBegin();
    virtual void _prepareRes();
    virtual void prepare();
    virtual int mainLoop();
    bool running = false;  // its main loop runs (the virtual player reads it)
    // The main loop's work after each frame: the hint's fade on a click, the
    // Menu button and Escape, the developer keys.
    virtual void _afterFrame();
    virtual void CountTiles();
    virtual void goMenu();
    virtual void goLandScreen();
    virtual void goMainMenu();
    virtual void goRestart();
    virtual void Win();
    virtual void Lose();
    // Developer keys of the main loop (with "cheats.txt").
    virtual void _checkDeveloperKeys();

    // The frame (main_game_update.cpp).
    void update() override;
    virtual void _updateState();
    virtual void _update_STATE_Normal(int clock);
    virtual void _update_STANDARD();
    virtual void _update_STATE_Begin();
    virtual void _update_STATE_Win();
    virtual void _updateTilesOver();
    virtual void _updateChipsFall();
    virtual void _updateChipsCreation();
    virtual void _updatePicked();
    virtual void _updatePairs();
    virtual void _updateBlask();
    virtual void _updateTime();
    virtual void _updateBlink();
    virtual void _updateRes();
    virtual void _updateCaptions();
    virtual void _updateFrameAlpha();
    int isPowerUpActive() const;

    // Selection and dragging (main_game_select.cpp).
    virtual void _updateTilesSwap();
    virtual void PickTile(TTile* tile);
    TTile* GetTileByVector(const TTile* tile, int dr, int dc) const;
    static int CheckDistance(int x0, int y0, int x1, int y1);
    static int TilesAreNeighbors(const TTile* a, const TTile* b);

    // Drawing (main_game_draw.cpp).
    void draw() override;
    void _drawFade() override;
    virtual void _drawBack();
    virtual void _drawLevel();
    virtual void _drawHint();
    virtual void _drawResources();
    virtual void _drawPowerUps();
    virtual void _drawActivePowerUp();
    virtual void _drawTime();
    virtual void _drawCaptions();
    // The fraction of the time bar shown and whether the red blink is on it.
    float TimeBarFraction() const;
    bool TimeBarBlinks() const;

    // Hints, shuffling and power-ups (main_game_later.cpp).
    virtual void _updateHint();
    virtual void ResetHint();
    virtual void HideHint();
    virtual void CHECK_MOVES();
    // The shown and the stored hint stop their chips and are dropped.
    virtual void _dropHintsOnMotion();
    // A left click fades the shown hint out.
    virtual void _fadeHintOnClick();
    virtual void Shuffle();
    virtual void _update_STATE_Shuffle();
    virtual void _setupPowerUps();
    virtual void _preparePowerUps();
    virtual void _updatePowerUps();
    virtual void DropActPowerUp();
    virtual void _update_STATE_Hammer();
    virtual void _update_STATE_Hourglass();
    virtual void _update_STATE_PickAxe();
    virtual void _update_STATE_Dynamite();
    virtual void _update_STATE_Color();
    virtual void _update_STATE_WaitSimpleObject();
    virtual void _devUnlockPowerUp(int slot);
    float CountHourglassPer() const;
    // The centre of a power-up slot.
    static TDim GetPowerUpDim(int slot);

private:
    // Sends the screen out with a screen code (fade to black at once).
    void _leaveWith(int code);
};

extern TMainGame mainGame;
