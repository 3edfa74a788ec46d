// The level summary: shown over the board after a won level. It works out
// the resources earned (the level's counts times the village multiplier,
// plus a time bonus for every resource), credits them to the current profile
// at once, animates them with one TFlyResEf per resource and counts the
// totals up. "continue" answers "NEXT", "replay" answers "RESTART"; the
// buttons work from the first frame on.
//
// Files: summary.cpp (set-up, preparing, the frame and the loop),
// summary_draw.cpp (drawing), fly_res.cpp (the flying resources),
// level_end_dialog.cpp (what the three level-end dialogs share).
#pragma once

#include <array>
#include <list>
#include <memory>
#include <string>

#include "quest/fly_res.h"
#include "quest/level_end_dialog.h"

class TLevel;

// The panel's height when its picture is missing, so the layout still slides.
constexpr float SUMMARY_PANEL_H = 600;

// gdzie: "NEXT" or "RESTART"; the caller is the match-3 screen.
class TLevelSummary : public TLevelEndDialog {
public:
    Image circle, circle2, point;
    std::string txtTimeBonus, txtMultiplier, txtTotal;
    Font infoFont, numberFOnt, numberFOnt2, infoFOnt2, bigNumberFont, infoBigFont;
    float bonusA = 0, dBonusA = 0;
    float totalA = 0, dTotalA = 0;
    int resTotal[4] = {0, 0, 0, 0};      // as shown while counting up
    int resTotalInfo[4] = {0, 0, 0, 0};  // credited
    std::list<std::shared_ptr<TFlyResEf>> flyingRes;
    int countingTIme = 0;  // ms of the next count-up step
    int bonusAdd = 0;      // time bonus added to every resource

    // The level that was won. Set by mainloop; tests may set it and call prepare.
    std::shared_ptr<TLevel> level;

    TLevelSummary() : TLevelEndDialog(SUMMARY_PANEL_H) {}
    void setup() override;
    virtual void _drawPanel();
    virtual void _drawInfo();
    virtual void _drawFlyingResEf();
    virtual void _drawBonus();
    virtual void _drawTotal();
    void draw() override;
    virtual void _updateBonus();
    virtual void _updateTotal();
    void update() override;
    virtual void _prepareSelf();
    virtual void _prepareScore();
    void prepare() override;
    // Runs frames over `caller` until the player has chosen; returns gdzie.
    virtual std::string mainloop(TEkran* caller, std::shared_ptr<TLevel> level);
    virtual void goContinue();
    virtual void goReplay();
    virtual void StartDrawingBonus() { dBonusA = 1; }
    virtual void StartDrawingTotal() { dTotalA = 1; }
    virtual int CountTimeBonus() const;

    // The level's count of resource n (0 when there is no level or the
    // count is negative).
    int levelCount(int n) const;
    // Every effect has finished and the totals show what was credited.
    bool animationDone() const;
    void _checkButtons() override;
};

// Resource icons of the summary, resource index order.
extern std::array<Image, 4> summaryResImages;

extern TLevelSummary levelSummary;

// The time bonus: (time / maxTime) x the largest count x 0.3, in single
// precision, truncated toward zero; 0 for a level without a clock.
int SummaryTimeBonus(int time, int maxTime, const int res[4]);
// One credited total: bonus + count x multiplier, in single precision,
// truncated toward zero and kept within 0 .. 1 000 000 000.
int SummaryTotal(int bonus, int count, float multiplier);
