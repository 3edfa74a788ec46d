// The effects' ways up to the rest of the game: the match-3 game's resource
// panels and state, and the profile's bonus items. The game wiring fills
// these in; an empty hook does nothing (a flyer without a panel ends where
// it started, nothing is credited), so effects run unchanged in tests and
// tools. Sounds go through PlayGameSound (audio/game_sound.h).
#pragma once

#include <functional>
#include <string>

struct TEffectHooks {
    // The current match-3 game's resource panel `res` (0..3): its target
    // point (GetPointX, GetPointY); false when there is no such panel.
    std::function<bool(int res, float& x, float& y)> resourcePanelPoint;
    // That panel's Add(amount).
    std::function<void(int res, int amount)> resourcePanelAdd;
    // actProfile.HaveItem(item).
    std::function<bool(int item)> haveItem;
    // A flying object came back to power-up slot `slot`: the current match-3
    // game returns to its normal state (state 0).
    std::function<void(int slot)> powerUpReturned;
};

// The hooks in use; the game wiring (and tests) fill them in.
TEffectHooks& EffectHooks();
