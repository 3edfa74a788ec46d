#include "puzzles/puzzle_game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "audio/global_snd.h"
#include "effects/captions.h"
#include "effects/particles.h"
#include "frame/control.h"
#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/names.h"
#include "frame/text_file.h"
#include "gui/gui.h"
#include "quest/land_catalogue.h"
#include "quest/profile.h"
#include "quest/profile_lookups.h"
#include "village/land_screen.h"

TPuzzleGame puzzleGame;

namespace {
// The skip button's size when its picture is missing.
constexpr float SKIP_W = 220, SKIP_H = 64;

Image LoadPuzzleImage(const std::string& name) {
    return GfxLoadImage(gameDir + "gfx/gui/" + name, GFX_IMAGE_DEFAULT);
}
}  // namespace

void TPuzzleGame::setup() {
    auto texts = LoadTxtFile(gameDir + "txt/#LANG#/puzzleGame.txt");
    txtMenu = TxtLine(texts, 1);
    txtSkip = TxtLine(texts, 2);
    txtTitle = TxtLine(texts, 3);
    txtToSkip = TxtLine(texts, 4);
    const std::string adjust = TrimBlanks(FsLoadString(gameDir + "gfx/gui/puzzlegame/skipAdY.txt"));
    skipAdY = adjust.empty() ? 0 : std::atoi(adjust.c_str());
    const std::string font1 = gameDir + "gfx/fonts/font1.ttf";
    skipFont = GetFont(font1, 28);
    titleFont = GetFont(font1, 40);
    gui = LoadGui(gameDir + "gfx/gui/puzzleGame/#LANG#/puzzleGame.gui");
    scroll = shownOnly(LoadPuzzleImage("puzzleGame/scroll.png"));
    GfxMidHandle(scroll);
    ramka = shownOnly(LoadPuzzleImage("puzzleGame/panel.png"));
    GfxSetHandle(ramka, 15, 20);
    puzzleTileImage = shownOnly(LoadPuzzleImage("puzzleGame/pan.png"));
    skipButton[0] = shownOnly(LoadPuzzleImage("button_red_0.png"));
    skipButton[1] = shownOnly(LoadPuzzleImage("button_blue_0.png"));
    skipButton[2] = shownOnly(LoadPuzzleImage("button_green_0a.png"));
}

float TPuzzleGame::skipW() const {
    return skipButton[0] ? static_cast<float>(GfxImageWidth(skipButton[0])) : SKIP_W;
}

float TPuzzleGame::skipH() const {
    return skipButton[0] ? static_cast<float>(GfxImageHeight(skipButton[0])) : SKIP_H;
}

void TPuzzleGame::setData(std::shared_ptr<TPuzzleLevel> newLevel, int puzzleId) {
    level = std::move(newLevel);
    if (actProfile) actProfile->actPuzzleLevel = puzzleId;
}

void TPuzzleGame::_prepareCleans() {
    if (hooks.clearTip) hooks.clearTip();
    ClearParticles(&particleList);
}

void TPuzzleGame::prepare() {
    fade = dFade = 0;
    alpha = 0;
    dAlpha = 1;
    state = PUZZLE_BEGIN;
    imageA = 0;
    _prepareCleans();
    skipTime = SysMillisecs() + PUZZLE_SKIP_MS;
    skipPer = 0;
    showUpSkip = 0;
    showUpP = 0;
    skipOver = 0;
    if (level) {
        level->screenAlpha = alpha;
        level->Begin();
    }
    draw();
    _prepareDelta();
    globalSnd.playMyMusic("puzzle");
}

void TPuzzleGame::update() {
    CommonUpdate(this);
    if (hooks.checkTips) hooks.checkTips();
    // A tip waiting for a click would take the click on "Back" (two clicks to leave): the tip
    // sits out the frame of such a click.
    if (hooks.updateTip && !clickOnOwnButton()) hooks.updateTip();
    _updateAlpha();
    _updateFade();
    _updateState();
    _updateGui();
    UpdateCaptions();
    _updateSkip();
}

void TPuzzleGame::_update_BEGIN() {
    // The level's opening moves every frame, also while the screen fades in.
    const int finished = level ? level->isBeginFinished() : 1;
    if (finished && alpha >= 1) state = PUZZLE_GAME;
}

void TPuzzleGame::_update_GAME() {
    if (level && level->update()) {
        std::printf("puzzle solved\n");
        Win();
    }
}

void TPuzzleGame::_update_WIN() {
    imageA = std::min(1.0f, imageA + 0.01f * frameDelta);
    const int now = SysMillisecs();
    if (now > partTime && level) {
        partTime = now + 150;
        for (int i = 0; i < 15; i++) {
            const int px = RandInt(drawStartX, drawStartX + level->pictureW());
            const int py = RandInt(drawStartY, drawStartY + level->pictureH());
            const float v = static_cast<float>(RandInt(200, 255));
            TRGB rgb = NewRGB(0, v, v);
            if (RandInt(0, 5) == 0) rgb.r = 255;
            const auto fx = static_cast<float>(px), fy = static_cast<float>(py);
            CreateParticle(2, fx, fy, fx, fy + static_cast<float>(RandInt(50, 100)), fx, fy, rgb, 1, 0, 0.5f,
                           1, 0, static_cast<float>(45 * RandInt(1, 3)), GFX_BLEND_LIGHT, RandInt(0, 100),
                           1500);
        }
    }
    if (now > waitTime) {
        waitTime = now + 2000;
        state = PUZZLE_WAIT_WIN;
    }
}

void TPuzzleGame::_update_WAIT_WIN() {
    if (SysMillisecs() > waitTime) {
        dAlpha = 0;
        wynik = SCREEN_LAND;
    }
}

void TPuzzleGame::_updateState() {
    if (level) level->screenAlpha = alpha;
    switch (state) {
        case PUZZLE_BEGIN:
            _update_BEGIN();
            break;
        case PUZZLE_GAME:
            _update_GAME();
            break;
        case PUZZLE_WIN:
            _update_WIN();
            break;
        default:
            _update_WAIT_WIN();
            break;
    }
}

float TPuzzleGame::CountSKipPer() const {
    const int now = SysMillisecs();
    if (now > skipTime) return 1;
    return 1 - static_cast<float>(skipTime - now) / static_cast<float>(PUZZLE_SKIP_MS);
}

std::string TPuzzleGame::CountSkipSeconds() const {
    return std::to_string(static_cast<int>((1 - CountSKipPer()) * 60 + 1));
}

void TPuzzleGame::_updateSkip() {
    const float old = skipPer;
    skipPer = CountSKipPer();
    skipOver = 0;
    if (skipPer >= 1) {
        showUpP += 0.02f * frameDelta;
        if (showUpP > 1) {
            showUpP = 1;
            showUpSkip = 0;
        }
        if (state == PUZZLE_GAME &&
            mouse.inRect(static_cast<float>(skipX), static_cast<float>(skipY), skipW(), skipH()))
            skipOver = 1;
        if (old < 1) {
            showUpSkip = 1;
            showUpP = 0;
        }
    }
}

bool TPuzzleGame::clickOnOwnButton() const {
    if (!mouse.leftPressed) return false;
    if (gui && gui->pressedOn("menu")) return true;
    return skipPer >= 1 && state == PUZZLE_GAME &&
           mouse.inRect(static_cast<float>(skipX), static_cast<float>(skipY), skipW(), skipH());
}

void TPuzzleGame::Win() {
    // Once per run: the developer key or a late click cannot win twice.
    if (state >= PUZZLE_WIN) return;
    waitTime = SysMillisecs() + 4000;
    imageA = 0;
    state = PUZZLE_WIN;
    if (actProfile) {
        if (auto item = FindLandItemByPuzzle(actProfile->actPuzzleLevel)) {
            if (!actProfile->HaveBluePrint(item->id)) actProfile->bluePrints.push_back(item);
            CreateCaptionUnlockInfo(
                item->toUpgrade == 0 ? CAPTION_UNLOCKED_BUILDING : CAPTION_UNLOCKED_UPGRADE, 1000);
            SaveAll();
        }
    }
    globalSnd.playMyMusic("win");
}

void TPuzzleGame::goMenu() { dAlpha = 0; }

void TPuzzleGame::_afterFrame() {
    if (cheats && InKeyHit(87)) Win();
    if (gui && gui->clickedItem("menu")) goMenu();
    if (skipOver && mouse.leftPressed && state == PUZZLE_GAME) {
        std::printf("puzzle skipped\n");
        Win();
    }
}

int TPuzzleGame::mainLoop() {
    if (!level) {
        std::printf("No puzzle to play: back to the village\n");
        return SCREEN_LAND;
    }
    running = true;
    prepare();
    RunDialogLoop(
        *this, [this] { _afterFrame(); }, [this] { return alpha <= 0 && dAlpha <= 0; });
    running = false;
    landScreen._prepareMusic();
    ClearCaptions();
    // Only a win sets the code; leaving early goes back to the village too.
    return wynik != 0 ? wynik : SCREEN_LAND;
}
