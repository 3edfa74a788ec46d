// The tutorial tips of "data/tutorial.txt", in file order. A profile keeps
// the tips it has not yet shown and dismissed as references into this list.
//
// Data only: the adviser's speech, its arrows, when it fires and how it ends.
// Showing a tip (conditions, fading, drawing) belongs to the story folder,
// which also fills this list during loading.
#pragma once

#include <memory>
#include <vector>

class TFormatedText;

// An arrow of a tip: the point it aims at, its rotation and its bobbing.
class TArrow {
public:
    int x = 0, y = 0;  // the point aimed at
    float per = 0;     // bobbing phase 0..1
    float dPer = 1;    // the phase's target; flips between 0 and 1
    float rot = 0;     // degrees; 0 points down at (x, y)

    virtual ~TArrow() = default;
};

// How a tip ends (`typExit`).
constexpr int TIP_EXIT_CHAINED = 101;  // a click ends it and the next tip starts at once
constexpr int TIP_EXIT_CLICK = 1;      // a click fades it out
// Any other value: the tip stays until the screen hides it.

class TTutorialTip {
public:
    std::vector<std::shared_ptr<TArrow>> arrows;
    int isAlphaStart = 0;                // non-zero: shown at full alpha at once
    int id = 0;                          // tip number (N of its keys)
    float a = 0, da = 0;                 // alpha 0..1 and its target
    std::shared_ptr<TFormatedText> txt;  // the speech, laid out 294 px wide
    int txtLine = 0;                     // line of the speech in "txt/<lang>/tutorial.txt"
    int fontN = 0;                       // speech font 0..3: 28, 24, 20, 16 px
    int x = 0, y = 0;                    // "::position"
    int timeDelay = 0;                   // ms between activation and appearance
    int typ = 0;                         // trigger condition
    int typExit = 0;                     // TIP_EXIT_CHAINED, TIP_EXIT_CLICK or stays
    int heroN = 0;                       // adviser 0 or 1
    int panelN = 0;                      // "::panel"
    int side = 0;                        // 0 adviser at the left, 1 at the right
    float TextHeightHalf = 0;            // half the speech's height, set on activation
    int waitTime = 0;                    // ms clock time the tip starts to appear
    int byloShow = 0;                    // 1 once the appearance sound played

    virtual ~TTutorialTip() = default;
};

extern std::vector<std::shared_ptr<TTutorialTip>> tutorialTips;
