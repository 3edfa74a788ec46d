// One of the four resource counters (wood, food, gold, rock): it slides in
// from above, counts up toward the amount collected and flashes when
// resources arrive. The match-3 screen shows the level's counters with it,
// the land screen the profile's stock.
#pragma once

#include <memory>

#include "platform/platform.h"

// Pictures and font every panel shares; loaded by LoadResPanelImages.
struct TResPanelImages {
    Image res[4];  // by resource index
    Image counter;
    Font font;
};
extern TResPanelImages resPanelImages;
// "gfx/gui/res_*.png", "gfx/gui/res_counter.png" and arial.ttf at 16 px.
void LoadResPanelImages();

class TResPanel {
public:
    int n = 0;  // resource index
    float x = 0, y = 0;
    float y1 = 0, y2 = 0, my = 0;  // start, end and control of the slide
    float per = 0;
    float alpha = 0;
    int time = 0;             // start of the slide, ms
    int state = 0;            // 0 hidden, 1 showing, 2 hiding
    int v = 0;                // value shown
    float onp = 0, donp = 0;  // flash of the number and its target
    int showingProfileRes = 0;
    int timer = 0;  // next counting step, ms
    int dv = 0;     // target value
    // The counter the panel is tied to: on the match-3 screen the level's
    // res[n], which it keeps equal to dv; on the land screen the profile's
    // stock, which dv follows. Null: the panel counts on its own.
    int* counter = nullptr;

    virtual ~TResPanel() = default;

    virtual void draw(float a);
    float GetPointX() const { return x + 38; }
    float GetPointY() const { return y + 92; }
    int GetMyValue() const { return v; }
    virtual void _update_show();
    virtual void _update_Hide();
    virtual void _update_Count();
    virtual void update();
    virtual void Add(int amount);
    virtual void Show(int delay);
    virtual void Hide(int delay);

    static std::shared_ptr<TResPanel> CreateNew(float x, int n, int showingProfileRes);

private:
    void _slide(float a);
};
