// The GUI buttons: one atlas, gfx/gui/buttons.png with buttons.txt, holding each
// button in four states (name, name_over, name_down, name_off). Labels are drawn
// by the GUI in font1, so the same pictures serve every language.
#include "atlas.h"
#include "families.h"
#include "paint.h"

namespace art {

namespace {

struct ButtonDef {
    const char* name;
    int w, h;
    std::uint32_t face;
};

const ButtonDef kButtons[] = {
    {"green", 220, 64, 0x4E9A3A},  // main action: continue, next, resume
    {"red", 220, 64, 0xB8402E},    // leaving: main menu, new quest
    {"blue", 220, 64, 0x3A72B0},   // replay
    {"small", 150, 52, 0x9A6A2A},  // secondary: menu, cancel
    {"menu", 132, 48, 0x9A6A2A},   // the match-3 screen's Menu button
};

}  // namespace

void DrawButtons(Sink& sink) {
    Atlas atlas;
    const char* suffix[] = {"", "_over", "_down", "_off"};
    const ButtonState states[] = {ButtonState::Normal, ButtonState::Over, ButtonState::Pressed,
                                  ButtonState::Disabled};
    for (const ButtonDef& b : kButtons)
        for (int k = 0; k < 4; ++k) {
            SurfacePtr s = NewSurface(b.w, b.h);
            {
                Ctx cr(s.get());
                Button(cr, 0, 0, b.w, b.h, Hex(b.face), states[k]);
            }
            atlas.Add(std::string(b.name) + suffix[k], std::move(s));
        }
    atlas.Write(sink, "gfx/gui/buttons.png", "GUI button atlas (normal, _over, _down, _off)", 900);
}

}  // namespace art
