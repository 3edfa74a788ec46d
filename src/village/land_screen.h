// The land screen (screen code 6): the village between quest levels. It draws
// the buildings the current profile owns (rising stage by stage when just
// bought), animals, water, clouds, smoke and rain, the four resource
// counters and the offer row; the research building opens the research
// screen and "continue" starts the next quest level.
//
// Files: land_screen.cpp (set-up, preparing, the main loop and its ways out),
// land_screen_update.cpp (the frame, buying), land_screen_draw.cpp (drawing),
// offer_row.cpp (one offer panel).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "effects/particles.h"
#include "frame/screen.h"
#include "match3/res_panel.h"
#include "quest/land_catalogue.h"
#include "village/anims.h"
#include "village/offer_row.h"
#include "village/village_ambience.h"

// The screen's ways out to parts above the village. An empty hook takes the
// default beside it, so the screen runs in tests and tools without them.
struct TLandScreenHooks {
    // The options dialog over the village; its answer (1: the main menu).
    // Empty: answers 1.
    std::function<int()> runOptions;
    // Loads puzzle `puzzleId` and runs the puzzle screen over the village.
    // Empty: prints that the puzzle screen is not built and does nothing.
    std::function<void(int puzzleId)> runPuzzle;
    // Tutorial tips: CheckTutorialTips, UpdateTutorialTip, DrawTutorialTip,
    // ClearTutorialTip. Empty: no tips.
    std::function<void()> checkTips, updateTip, drawTip, clearTip;
};

// The HUD's opacity while the village lies behind another screen.
constexpr float BEHIND_HUD_ALPHA = 0.35f;

class TLandScreen : public TEkran {
public:
    float showHud = 0, dShowHud = 0;  // 0 the HUD is shown, 1 hidden
    Image back;
    Image overHall[2];
    TParticleList buildingClouds;  // construction dust
    TParticleList waterParticles;
    AnimList anims;
    std::array<std::shared_ptr<TResPanel>, 4> res;
    std::array<std::shared_ptr<TLandItem>, 4> items;    // the offer row; a slot may be empty
    TOfferRowLook look;                                 // buildFrame, the four buttons, label fonts and texts
    std::vector<std::shared_ptr<TBuilding>> buildings;  // owned, in file order
    Font infoFont;
    int isRaining = 0;
    std::string txtClick;
    float iPer = 0, diPer = 0;  // the offer row's slide-in and its target
    std::shared_ptr<TLandItem> overItem;
    int waterPart = 0, cloudTime = 0, rainTime = 0;
    TParticleList cloudParticles, rainParticles;
    int overResearch = 0;
    int toExit = 0;
    // Chimney smoke and each chimney's next puff (the same chimneys as the main menu's).
    TParticleList smokeParticles;
    ChimneyTimers smokePart{};

    TLandScreenHooks hooks;
    bool running = false;  // its main loop runs (the virtual player reads it)

    TLandScreen();

    virtual void _setupGUI();
    virtual void _setupBuildings();
    virtual void _setupLandItems();
    virtual void _setupTexts();
    void setup() override;

    // Drawing (land_screen_draw.cpp).
    virtual void _drawBack();
    virtual void _drawBuildings();
    virtual void _drawResources();
    virtual void _drawItems();
    virtual void _drawAnims();
    virtual void _drawHudInfo();
    void draw() override;
    // The village under a screen that takes the input (the puzzle): its buttons, counters and
    // offers, which do not answer there, drawn faded to BEHIND_HUD_ALPHA.
    void drawBehind();

    // The frame (land_screen_update.cpp).
    virtual void _updateItems();
    virtual void _updateWater();
    virtual void _updateClouds();
    virtual void _updateRain();
    virtual void _updateSmoke();
    virtual void _updateWorld();
    virtual void _updateOverResearch();
    virtual void _updateShowHud();
    virtual void _updateRes();
    void update() override;
    // The left button went down this frame on "continue", "options" or "show" while they answer.
    bool clickOnOwnButton() const;

    // Preparing an entry (land_screen.cpp).
    virtual void _prepareSelf();
    virtual void _prepareResources();
    virtual void _prepareBuildings();
    static bool SortBuilding(const std::shared_ptr<TBuilding>& a, const std::shared_ptr<TBuilding>& b);
    virtual void _prepareItems();
    virtual void _prepareCleans();
    virtual void _prepareChickenAnims();
    virtual void _preparePigAnims();
    virtual void _prepareSheepAnims();
    virtual void _prepareMoleAnims();
    virtual void _prepareAnims();
    virtual void _prepareMusic();
    virtual void prepare();
    virtual int mainloop();
    // The buttons, Escape, the hidden HUD's click and the developer keys
    // after one frame of the main loop.
    virtual void _afterFrame();
    virtual void goOptions();
    virtual void goMainMenu();
    virtual void goHideHud();
    virtual void MoveBirds();
    virtual void BuyItem(const std::shared_ptr<TLandItem>& item);
    virtual void PickItem(const std::shared_ptr<TLandItem>& item);
    virtual int AllItemsBought() const;
    virtual void SendNextItems();
    virtual void goResearch();
    virtual void goPlay();

    // The research building of the catalogue, or null.
    TBuilding* researchBuilding() const;
    // The animals a building brings when it is completed on screen.
    void buildingFinished(int buildingId);

private:
    float hudShade_ = 1;  // the HUD's opacity over the screen's: BEHIND_HUD_ALPHA in drawBehind
};

extern TLandScreen landScreen;
