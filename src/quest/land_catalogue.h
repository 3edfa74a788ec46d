// The village catalogues shared by every profile: the buildings of
// "data/buildings.txt" (`landBuildings`) and the items of "data/items.txt"
// (`landItems`), in file order, read once at start-up by LoadLandCatalogues.
//
// A building also carries its on-screen construction state (how far it has
// risen, the upgrade cross-fade, the dust timer); an item carries its offer
// panel's state. The offer row itself (placing, hovering and drawing the
// panels) is the land screen's; this file decides an offer's state.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

class TParticleList;
class TProfile;
class TRCMFile;
struct TTxtFile;

class TBuilding {
public:
    int id = 0;              // building id
    int sortN = 0;           // position in the file (1, 2, ...): drawing order
    Image img;               // finished
    Image upgraded;          // upgraded; null when the building has no upgrade
    Image buildStateImg[3];  // construction stages 1..3 (staked plot, frame, walls); may be null
    int buildStateX[3] = {0, 0, 0};
    int buildStateY[3] = {0, 0, 0};
    int upgradeX = 0, upgradeY = 0;  // top-left of `upgraded`
    int x = 0, y = 0;                // top-left of `img`
    float alpha = 0;                 // construction progress 0..1
    float alphaUpgrade = 0;          // upgrade cross-fade progress
    float dAlphaUpgrade = 0;         // its target; 0 once the cross-fade has finished
    int show = 0;                    // 1 once upgraded
    int time = 0;                    // clock time of the next dust burst
    float lastA = 0;                 // `alpha` of the previous frame

    virtual ~TBuilding() = default;

    // Construction dust: every 100 ms three puffs into `dust`.
    virtual void updateGenerating(TParticleList& dust, int now);
    // One frame: advances the construction and the upgrade cross-fade by the
    // frame delta and draws the building as far as it has risen. `mouseOver`
    // is set for the research building under the mouse, which then shows
    // overHall[0] (finished) or overHall[1] (upgraded) instead.
    virtual void draw(TParticleList& dust, bool mouseOver, const Image overHall[2]);
    // The four pictures' alphas for the current `alpha`: stages 1..3, finished.
    float getState1Alpha() const;
    float getState2Alpha() const;
    float getState3Alpha() const;
    float getState4Alpha() const;
    void Reset();  // construction starts: alpha 0
    // Standing finished when the screen opens (lastA too, so that its first
    // frame does not count as a completion).
    void MarkBuilt();
    void ResetUpgrade();  // upgrade cross-fade starts
    // The first fully built frame after rising on screen: tells
    // LandHooks().buildingFinished (draw calls it).
    void FinishBuilding();
};

class TLandItem : public std::enable_shared_from_this<TLandItem> {
public:
    int id = 0;                      // item id
    int puzzleId = 0;                // the puzzle that wins its blueprint
    std::shared_ptr<TBuilding> obj;  // the building it builds or upgrades
    int toUpgrade = 0;               // 0 builds `obj`, non-zero upgrades it
    int stage = 0;                   // offer set it belongs to
    Image icon;                      // 88 x 88 offer picture
    std::string name, opis, action;  // name, description, what owning it does
    int res[4] = {0, 0, 0, 0};       // price: wood, food, gold, rock
    float opisStartY = 0;            // preview dialog: centres description + action
    float actionStartY = 0;          // kept with the item, set by no rule
    float x = 0, y = 0;              // offer panel position on the land screen
    float overA = 0, dOverA = 0;     // hover glow 0..1 and its target
    int Hidding = 0;                 // 1 while the bought cross-fade runs
    float hide = 0;                  // its progress 0..1

    virtual ~TLandItem() = default;

    // Offer state with the current profile (actProfile): 0 locked, 1 can be
    // bought, 2 owned, 3 puzzle. An affordable item without blueprint stays in
    // the puzzle state from then on (the profile remembers it). 0 without a
    // current profile.
    int getProperButtonInd();
    int getProperButtonInd(TProfile& profile);
};

extern std::vector<std::shared_ptr<TBuilding>> landBuildings;
extern std::vector<std::shared_ptr<TLandItem>> landItems;

// Offer states (getProperButtonInd), also the index of the land screen's buttons.
constexpr int OFFER_LOCKED = 0;
constexpr int OFFER_BUY = 1;
constexpr int OFFER_OWNED = 2;
constexpr int OFFER_PUZZLE = 3;

constexpr int RESEARCH_BUILDING_ID = 7;

// Ways up from the catalogue to the village.
struct TLandHooks {
    // land screen: adds the animals a building brings once it stands finished;
    // empty: nothing happens.
    std::function<void(int buildingId)> buildingFinished;
};
TLandHooks& LandHooks();

// Reads gameDir + "data/buildings.txt", "data/items.txt" and the texts of
// "txt/#LANG#/items.txt" into landBuildings and landItems (replacing them).
// A missing icon or building id is reported with a message box and loading
// goes on.
void LoadLandCatalogues();
// The items' names, descriptions and actions read again in the language in use; the items
// themselves (which the profiles hold) stay.
void ReadLandItemTexts();
// The readers behind it, for tools and tests. Pictures are loaded only with
// `loadPictures` (and only then is a missing icon reported). Items find their
// buildings in landBuildings, so read the buildings first.
std::vector<std::shared_ptr<TBuilding>> ReadBuildings(const TRCMFile& file, bool loadPictures);
std::vector<std::shared_ptr<TLandItem>> ReadLandItems(const TRCMFile& file, const TTxtFile* texts,
                                                      bool loadPictures);
// opisStartY of every item, from the preview dialog's description font.
void ComputeOpisStartY(std::vector<std::shared_ptr<TLandItem>>& items);

// The building of landBuildings with that id; null when none.
std::shared_ptr<TBuilding> FindBuilding(int id);
// The k-th item (from 0, in landItems order) of that stage; null when the stage has fewer.
std::shared_ptr<TLandItem> FindStageItem(int stage, int k);

// One picture to draw at a depth (the main menu's buildings).
class TZBuf {
public:
    Image img;
    int x = 0, y = 0;
    int z = 0;  // y * 1024 + x
    float alpha = 1;
    int drawX = 0, drawY = 0;

    virtual ~TZBuf() = default;
    // `img` at (drawX, drawY) with `alpha`, white, no scale or rotation.
    virtual void draw() const;
};
std::shared_ptr<TZBuf> NewZBuf(const Image& img, int x, int y, float alpha);
