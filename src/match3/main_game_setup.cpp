// The match-3 screen: set-up, handing over a level, the start of a level,
// the main loop with its keys, and the ways out of a level.
#include <cstdio>

#include "audio/global_snd.h"
#include "effects/effects.h"
#include "frame/control.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "gui/gui_fallback.h"
#include "match3/board_rules.h"
#include "match3/chip.h"
#include "match3/fantom.h"
#include "match3/flying.h"
#include "match3/main_game.h"
#include "match3/tile.h"

TMainGame mainGame;

namespace {
// The board's menu button as the shipped script places it, for a script that lost it.
const char* const kBuiltInMainGameGui = R"(
OBJECT origin {
    POSITION = "0 0"
}
OBJECT menu {
    GFX = ../../buttons.png|menu
    TXT = [../../../../txt/#LANG#/mainGame.txt|1]
    FONT = ../../../fonts/font1.ttf|26
    TEXTRGB = "255 255 255"
    POSITION = "824 698"
    PINTO = origin
}
)";

Image LoadGameImage(const std::string& name, bool centred = false) {
    Image img = GfxLoadImage(gameDir + name, GFX_IMAGE_DEFAULT);
    if (img && centred) GfxMidHandle(img);
    return img;
}

// The pictures a level draws turned or scaled (chips and tiles appearing, particles, the
// captions): the software renderer turns them from their pixels, which went with their
// textures. Decoded on the side now, their first turned draws do not decode them in a frame.
void PrefetchTurnedPictures() {
    std::vector<Image> pictures(captionImages.begin(), captionImages.begin() + CAPTION_LEVEL_COMPLETED + 1);
    for (const auto& chip : chipCatalogue)
        if (chip) pictures.push_back(chip->img);
    pictures.insert(pictures.end(), std::begin(tileImages.tile), std::end(tileImages.tile));
    pictures.insert(pictures.end(), std::begin(tileImages.chain), std::end(tileImages.chain));
    pictures.push_back(tileImages.chest);
    pictures.insert(pictures.end(), particleImages.begin(), particleImages.end());
    GfxPrefetchTurnedPixels(pictures);
}

}  // namespace

TMainGame::TMainGame() {
    for (int n = 0; n < 4; n++) res[n] = TResPanel::CreateNew(static_cast<float>(50 + 100 * n), n, 0);
    board.onSwapStarted = [this] {
        HideHint();
        ResetHint();
    };
}

TMainGame::~TMainGame() = default;

void TMainGame::setupTexts() {
    txtTime = TxtLine(LoadTxtFile(gameDir + "txt/#LANG#/mainGame.txt"), 2);
    gui = LoadGuiOrBuiltIn(gameDir + "gfx/gui/mainGame/#LANG#/mainGame.gui", {"menu"}, kBuiltInMainGameGui);
}

void TMainGame::setup() {
    hammerImg = LoadGameImage("gfx/gui/mainGame/hammer.png", true);
    bombImg = LoadGameImage("gfx/gui/mainGame/dynamite.png", true);
    colorImg = LoadGameImage("gfx/gui/mainGame/color.png", true);
    pickaxeImg = LoadGameImage("gfx/gui/mainGame/pickaxe.png", true);
    powerUpBack = LoadGameImage("gfx/gui/mainGame/power-up-back.png");
    timeBar = LoadGameImage("gfx/gui/mainGame/timeBar.png");
    timeBarFrame = LoadGameImage("gfx/gui/mainGame/timeBarFrame.png");
    timeBack = LoadGameImage("gfx/gui/mainGame/timeBack.png");
    timeBar2 = LoadGameImage("gfx/gui/mainGame/timeBar2.png");
    LoadBoardFrameImages();
    timeFont = GetFont(gameDir + "gfx/fonts/font1.ttf", 36);
    setupTexts();
    _setupRes();
    _setupPowerUps();
    _setupBackgroundsUrls();
}

void TMainGame::_setupRes() {
    LoadResPanelImages();
    for (int n = 0; n < 4; n++) res[n] = TResPanel::CreateNew(static_cast<float>(50 + 100 * n), n, 0);
}

void TMainGame::_setupBackgroundsUrls() {
    for (int k = 0; k < 10; k++) backUrls[k] = "gfx/backgrounds/background-" + std::to_string(k + 1) + ".jpg";
}

void TMainGame::SetData(const std::shared_ptr<TLevel>& newLevel) {
    // A new board: the selection, the swaps and the hints of the previous
    // level name cells that are gone.
    board.SetLevel(newLevel);
    holded = 0;
    hint.reset();
    tempHint.reset();
    hourglassLeftAtShuffle = 0;
    if (!newLevel) return;
    for (int n = 0; n < 4; n++) {
        res[n]->dv = res[n]->v = newLevel->res[n];
        res[n]->counter = &newLevel->res[n];
    }
    newLevel->_InitProperChips(hooks.properChip ? hooks.properChip
                                                : [](int) { return std::shared_ptr<TChip>(); });
    int k = hooks.backgroundN ? hooks.backgroundN() : 0;
    if (k < 0 || k > 9) k = 0;
    background = LoadGameImage(backUrls[k]);
    CountTiles();
}

void TMainGame::AddScore(int amount) {
    if (level()) ::AddScore(*level(), amount);
}

void TMainGame::CountTiles() {
    tilesCount = 0;
    if (!level()) return;
    for (auto& t : level()->tile)
        if (t->id > 1) tilesCount++;
}

// ---------------------------------------------------------------------------
// Start of a level
// ---------------------------------------------------------------------------
void TMainGame::_prepareCleans() {
    ClearFireWorks();
    ClearParticles();
    ClearFlyingChips();
    ClearFlyers();
    ClearOdpadeks();
    ClearSimpleFlyingObjects();
    ClearCaptions();
    // Bombs and fantoms point at cells of the board they were made for.
    ClearBombs();
    ClearFantoms();
    if (hooks.clearTip) hooks.clearTip();
}

void TMainGame::_prepareSelf() {
    dFade = 0;
    fade = 1;
    alpha = dAlpha = 1;
    frameA = dFrameA = 0;
    state = M3_PLAYING;
    ClearFlyingChests();
    board.DropPairs();
}

void TMainGame::_prepareBegin() {
    state = M3_APPEARING;
    ClearFantoms();
    for (auto& t : level()->tile) CreateFantomAppear(t.get(), RandInt(0, 1000) + 500);
    for (int n = 0; n < 4; n++) res[n]->Show(100 * n + 500);
    CreateCaptionGetReady(500);
    CreateCaptionGo(1500);
}

void TMainGame::_prepareRes() {
    for (int n = 0; n < 4; n++) res[n]->dv = level()->res[n];
}

void TMainGame::prepare() {
    PrefetchTurnedPictures();
    _prepareCleans();
    _prepareSelf();
    _prepareBegin();
    _preparePowerUps();
    _prepareRes();
    globalSnd.playMySound("level-start");
    globalSnd.playLevelMusic();
    _prepareDelta();
    if (hooks.levelStarted) hooks.levelStarted();
    SaveAll();
}

// ---------------------------------------------------------------------------
// The main loop
// ---------------------------------------------------------------------------
int TMainGame::mainLoop() {
    if (!level() || !level()->IsPresent()) {
        // Nothing to play: back to the main menu rather than a blank board.
        std::printf("The match-3 game was entered without a level.\n");
        return SCREEN_MAIN_MENU;
    }
    prepare();
    running = true;
    do {
        ScreenFrame(*this);
        _afterFrame();
    } while (!fadedOut());
    running = false;
    _prepareCleans();
    return wynik;
}

void TMainGame::_afterFrame() {
    if (mouse.leftPressed) _fadeHintOnClick();
    // Escape is read in every frame, so that a press during the start
    // animation does not open the menu later.
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    if (state == M3_PLAYING) {
        const bool menu = gui && gui->clickedItem("MENU");
        if (menu || escape) goMenu();
    }
    if (cheats) _checkDeveloperKeys();
    if (hooks.designerKeys) hooks.designerKeys();
}

void TMainGame::_checkDeveloperKeys() {
    if (InKeyHit('Q')) frameA = 0;
    for (int slot = 0; slot < 6; slot++)
        if (InKeyHit('1' + slot)) _devUnlockPowerUp(slot);
    if (InKeyHit('O')) goLandScreen();
    if (InKeyHit('W') && state != M3_WON) Win();
    if (InKeyHit('L')) Lose();
    if (InKeyHit('S')) Shuffle();
    if (InKeyHit(KEY_SPACE)) CreateCaptionLevelCompleted(10);
}

// ---------------------------------------------------------------------------
// Leaving a level
// ---------------------------------------------------------------------------
void TMainGame::_leaveWith(int code) {
    dFade = fade = 1;
    wynik = code;
}

void TMainGame::goLandScreen() { _leaveWith(SCREEN_LAND); }
void TMainGame::goMainMenu() { _leaveWith(SCREEN_MAIN_MENU); }
void TMainGame::goRestart() { _leaveWith(QUEST_RESTART_LEVEL); }

void TMainGame::goMenu() {
    // Until the options dialog is built, the level simply goes on.
    const int answer = hooks.runOptions ? hooks.runOptions() : 0;
    if (answer == SCREEN_MAIN_MENU) goMainMenu();
    if (answer == QUEST_RESTART_LEVEL) goRestart();
    if (answer == SCREEN_LAND) goLandScreen();
    if (level()) level()->ResetBlask();
}

void TMainGame::Win() {
    state = M3_WON;
    dFrameA = 0;
    TLevel* lv = level();
    for (int r = lv->rows - 1; r >= 0; r--)
        for (int c = 0; c < lv->cols; c++) CreateFantomFlyAway(lv->At(r, c), RandInt(0, 1500) + 1000);
    globalSnd.playMyMusic("win");
    CreateCaptionLevelCompleted(0);
}

void TMainGame::Lose() {
    // Until the lose dialog is built, a lost level is played again.
    const int answer = hooks.runLose ? hooks.runLose() : QUEST_RESTART_LEVEL;
    if (answer == SCREEN_MAIN_MENU) {
        if (hooks.reloadLevel) hooks.reloadLevel();
        goMainMenu();
    } else if (answer == QUEST_RESTART_LEVEL) {
        goRestart();
    }
}
