// The title screen: the whole village in its final form behind the buttons,
// with animals, chimney smoke and glittering water; the logo drops in from the
// top and a line under it welcomes the current player (a click on it opens
// the profile manager). "play" starts a new quest (101) or, while one is in
// progress, asks through the continue dialog (101 or 104); "Settings" opens
// the options; "Exit" and Escape ask before the game ends.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "effects/particles.h"
#include "frame/screen.h"
#include "quest/land_catalogue.h"
#include "village/anims.h"
#include "village/village_ambience.h"

class TMainMenu : public TEkran {
public:
    Image back;  // the village picture
    Image logo;
    Font profileFont;
    int managerOver = 0;      // the mouse is over the welcome line
    float per = 0, dPer = 0;  // logo drop 0..1 and its goal
    TParticleList smokeParticles;
    AnimList anims;
    std::string txtAreYouSureYouWantToExit;
    std::array<std::string, 3> txtWelcome;
    std::string txtAreYouSureYouWantToRestart;
    std::vector<std::shared_ptr<TZBuf>> drawsList;  // this frame's building pictures
    // The village picture, its buildings and the stripes, which never move, as one picture while
    // the menu is shown (what it was made from, to know it still holds).
    GfxFlatPicture flatVillage;
    std::vector<GfxPlacedImage> flatParts;
    ChimneyTimers smokePart{};  // clock time of each chimney's next puff
    TParticleList waterParticles;
    int waterPart = 0;
    int firstContact = 1;  // until the main loop has run once
    bool running = false;  // its main loop runs (the virtual player reads it)

    // The dialogs the menu opens; they live above or beside it and are wired
    // at start-up. Empty: the question is answered yes, the others do nothing.
    struct Hooks {
        std::function<bool(const std::string& question)> askYesNo;  // the pop-up
        std::function<void(TEkran* caller)> runOptions;
        std::function<void(TEkran* caller)> runManager;                    // the profile manager
        std::function<std::string(const std::string& title)> requestFile;  // save dialog
        // The menu starts fading out toward this screen code; empty: nothing.
        std::function<void(int code)> leaving;
    } hooks;

    void setup() override;
    // The stripes and the village's buildings, loaded after the menu, are held only while it is
    // shown (the land screen holds the buildings too).
    void holdSharedPictures();
    // One frame drawn and cleared, so the first shown frame finds every texture made.
    void drawUnseen();
    void draw() override;
    void update() override;

    void _drawBack();
    // Flattens the still village anew when its parts differ from the last; false when it cannot.
    bool _flattenVillage(const std::vector<GfxPlacedImage>& parts);
    void _drawPanel();
    void _drawLogo();
    void _drawAnims();
    // The welcome line is a control of the keyboard focus too: Enter on it opens the manager.
    void _placeWelcomeLine();
    void _updateManagerOver();
    void _updatePer();
    void _updateSmoke();
    void _updateWater();
    // Smoke and water only: the loading screen runs it while it reveals the menu.
    void _updateONLYWorld();
    void _prepareAnims();
    void _prepareSelf();
    void prepare();
    // -> 101 (new quest) or 104 (continue); the program ends inside goExit.
    int mainloop();
    // The buttons, Escape and the developer key after one frame.
    void _checkButtons();
    void ExportPlayLog();
    void goPlay();
    void goOptions();
    void goManager();
    void goExit();

    // The welcome line ("" without a current profile).
    std::string WelcomeLine() const;
    // The welcome line's y: it comes down with the logo and rests at 220.
    float WelcomeY() const;
};

extern TMainMenu mainMenu;

// The text ExportPlayLog writes: the profile's name, then one line per
// logged level "id|wood|food|gold|rock|time".
class TProfile;
std::string PlayLogText(const TProfile& profile);
