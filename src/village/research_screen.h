// The research screen: a parchment that slides up over the village with one
// panel per power-up, on two pages. A power-up can be researched once the
// village owns the item that teaches it; researching pays the power-up's row
// of the research cost table and marks it researched in the current profile
// (the slot unlocks at the start of the next level).
//
// Files: research_screen.cpp (set-up, frame, loop), research_screen_panel.cpp
// (one panel and its button), research_screen_data.cpp (reading
// "data/researches.txt").
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "frame/screen.h"
#include "quest/level_end_dialog.h"

class TRCMFile;
struct TTxtFile;

// What a panel's research button offers.
enum : int {
    RESEARCH_DONE = 0,      // researched: "button0", txtResearched
    RESEARCH_LOCKED = 1,    // the village lacks the item: "button2", txtLocked
    RESEARCH_TOO_DEAR = 2,  // the stock is short: "button2", txtCantAfford
    RESEARCH_READY = 3,     // "button1", txtResearch
};

class TResearchPanel {
public:
    Image icon;
    std::string name, descr;
    int x = 0, y = 0;
    int id = 0;  // power-up slot + 1
    // Read but not used: the research cost table decides the price.
    int price[4] = {0, 0, 0, 0};
    int isOver = 0;  // the mouse is over its button this frame
    int page = 0;    // 0 or 1

    virtual ~TResearchPanel() = default;
    virtual void _drawPanel(float a);
    virtual void _drawPrices(float a);
    virtual void _drawButtonText(const std::string& text, float tx, float ty, float a);
    virtual void _drawButton(float a);
    virtual void _drawTexts(float a);
    virtual void draw(float a);
    virtual void update();
    // Marks the power-up researched, pays its cost and saves (SaveAll).
    virtual void ResearchMe();

    int slot() const { return id - 1; }
    // The button's state for the current profile.
    int buttonState() const;
    // The button's rectangle on the screen as it is now.
    float buttonX() const;
    float buttonY() const;
};

using ResearchPanelList = std::vector<std::shared_ptr<TResearchPanel>>;

// The panels of a researches file, in file order: "researches::i" entries
// "researches::resN". An entry whose id is not a power-up (1..6) or repeats
// one is left out with a message; pages other than 1 count as page 0. Names
// and descriptions are lines of `texts`; icons are loaded from gameDir
// unless `loadIcons` is false.
ResearchPanelList ReadResearchPanels(const TRCMFile& file, const TTxtFile* texts, bool loadIcons = true);

class TResearchScreen : public TEkran {
public:
    std::array<ResearchPanelList, 2> zestaw;  // the two pages
    int actZestaw = 0;
    Image back, pag;
    std::array<Image, 2> pagBut;
    float showPer = 0, dShowPer = 0;
    Font powerFont, titleFont, windowFont, opisFont, countFont, buttonFont;
    Image powerImg, powerFrame, resImg;
    int overPowerUp = 0, picked = -1;
    std::string txtLocked, txtTitle, txtPick, txtResearch, txtResearched, txtCantAfford;
    // The font of a research button's label: "researched" in the button font, the others in
    // the description font.
    const Font& buttonTextFont(const std::string& text) const {
        return text == txtResearched ? buttonFont : opisFont;
    }
    std::string txtPower, txtOpis, txtResearchable;
    int pagsOver = -1;

    // "gfx/gui/research/panel.png" and "button0..2.png".
    Image panelImg;
    std::array<Image, 3> buttonImg;
    // The screen drawn behind it (the village); tests may set it.
    TEkran* caller = nullptr;
    TCallerPicture callerPicture;
    bool running = false;  // its loop runs (the virtual player reads it)

    void _setupResearches(const std::string& textPath);
    void setup() override;
    // The village under the stripes alone, without a veil.
    virtual void _drawBack();
    bool dimsItsCaller() const override { return true; }
    virtual void _drawTitle();
    virtual void _drawPanel();
    virtual void _drawPag();
    virtual void _drawPowerUps();
    void draw() override;
    virtual void _updateShow();
    virtual void _updatePowerUps();
    virtual void _updatePags();
    void update() override;
    virtual void _prepareResearchable();
    virtual void prepare();
    // Runs over `callerScreen` until the parchment has slid away.
    virtual int mainloop(TEkran* callerScreen);
    virtual void goReturn();
    float CountY() const;

    // Page button k's rectangle, and whether the mouse is over it.
    void pageButtonRect(int k, float& x, float& y, float& w, float& h) const;
    bool overPageButton(int k) const;
    bool finished() const { return showPer == 0 && dShowPer == 0; }
};

extern TResearchScreen researchScreen;

// Which power-up slot owning an item makes researchable (-1: none).
int ResearchSlotOfItem(int itemId);
