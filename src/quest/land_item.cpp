// The state of one village offer for a profile.
#include "quest/land_catalogue.h"
#include "quest/profile.h"

int TLandItem::getProperButtonInd() { return actProfile ? getProperButtonInd(*actProfile) : OFFER_LOCKED; }

int TLandItem::getProperButtonInd(TProfile& profile) {
    if (profile.HaveItem(id)) return OFFER_OWNED;
    if (profile.HaveBluePrint(id)) return profile.CanAfford(this) ? OFFER_BUY : OFFER_LOCKED;
    if (profile.CanAfford(this)) {
        // From now on the puzzle stays offered, whatever the player spends.
        profile.CheckIfUnlockedItem(weak_from_this().lock());
        return OFFER_PUZZLE;
    }
    if (profile.UnlockedItem(id)) return OFFER_PUZZLE;
    return OFFER_LOCKED;
}
