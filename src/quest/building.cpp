// A village building rising on screen: construction stage by stage, the
// upgrade cross-fade, the dust while it is being built.
#include <algorithm>

#include "effects/particles.h"
#include "frame/globals.h"
#include "quest/land_catalogue.h"

namespace {
constexpr float kBuildSpeed = 0.004f;   // alpha per frame: about four seconds
constexpr float kUpgradeSpeed = 0.01f;  // upgrade cross-fade per frame
constexpr int kDustInterval = 100;      // ms between dust bursts
constexpr int kDustPerBurst = 3;

void DrawPicture(const Image& img, int x, int y, float alpha) {
    if (!img || alpha <= 0) return;
    GfxResetDrawState(std::min(alpha, 1.0f));
    GfxDrawImage(img, static_cast<float>(x), static_cast<float>(y));
}
}  // namespace

float TBuilding::getState1Alpha() const {
    if (alpha < 0.25f) return alpha / 0.25f;
    if (alpha < 0.5f) return 1 - (alpha - 0.25f) / 0.25f;
    return 0;
}

float TBuilding::getState2Alpha() const { return alpha >= 0.25f && alpha < 0.5f ? 1 : 0; }

float TBuilding::getState3Alpha() const {
    if (alpha < 0.5f) return 0;
    if (alpha < 0.75f) return 1;
    return 1 - (alpha - 0.75f) / 0.25f;
}

float TBuilding::getState4Alpha() const { return alpha < 0.75f ? 0 : (alpha - 0.75f) / 0.25f; }

void TBuilding::Reset() { alpha = 0; }

void TBuilding::MarkBuilt() {
    alpha = 1;
    lastA = 1;
}

void TBuilding::ResetUpgrade() {
    show = 1;
    alphaUpgrade = 0;
    dAlphaUpgrade = 1;
}

void TBuilding::FinishBuilding() {
    if (LandHooks().buildingFinished) LandHooks().buildingFinished(id);
}

void TBuilding::updateGenerating(TParticleList& dust, int now) {
    if (now < time) return;
    time = now + kDustInterval;
    const int w = std::max(10, GfxImageWidth(img));
    const int h = std::max(10, GfxImageHeight(img));
    for (int i = 0; i < kDustPerBurst; ++i) {
        // In floats: a catalogue may place a building at any int, and the sum must not overflow.
        const float x1 = static_cast<float>(x) + static_cast<float>(RandInt(10, w));
        const float y1 = static_cast<float>(y) + static_cast<float>(RandInt(10, h));
        const float x2 = x1 + static_cast<float>(RandInt(-25, 25));
        const float y2 = y1 + static_cast<float>(RandInt(-25, 25));
        const float g = static_cast<float>(RandInt(200, 250));
        const float r1 = static_cast<float>(RandInt(-60, 60));
        const float r2 = static_cast<float>(RandInt(-60, 60));
        auto p =
            CreateParticle(RandInt(15, 16), x1, y1, x2, y2, (x1 + x2) / 2, (y1 + y2) / 2, NewRGB(g, g, g), 0,
                           0, 0.5f, 2.0f, r1, r2, GFX_BLEND_ALPHA, RandInt(0, 100), 2000, &dust);
        if (p) p->deadAlpha = 0.5f;
    }
}

void TBuilding::draw(TParticleList& dust, bool mouseOver, const Image overHall[2]) {
    alpha = std::min(1.0f, alpha + kBuildSpeed * frameDelta);
    if (alphaUpgrade < dAlphaUpgrade) {
        alphaUpgrade += kUpgradeSpeed * frameDelta;
        // At 1 the cross-fade is over (testing ">= 1" so that landing exactly
        // on 1 cannot leave it running for ever).
        if (alphaUpgrade >= 1) {
            alphaUpgrade = dAlphaUpgrade;
            dAlphaUpgrade = 0;
        }
    }
    const bool glow = mouseOver && id == RESEARCH_BUILDING_ID && overHall != nullptr;
    if (show == 0) {
        if (alpha >= 1) {
            // Finished while the player watched: it was seen rising. A building
            // already standing when the screen opened (lastA still 0) is not new.
            if (lastA > 0 && lastA < 1) FinishBuilding();
            DrawPicture(glow && overHall[0] ? overHall[0] : img, x, y, 1);
        } else {
            for (int k = 0; k < 3; ++k) {
                const float a = k == 0 ? getState1Alpha() : k == 1 ? getState2Alpha() : getState3Alpha();
                DrawPicture(buildStateImg[k], buildStateX[k], buildStateY[k], a);
            }
            DrawPicture(img, x, y, getState4Alpha());
            updateGenerating(dust, SysMillisecs());
        }
        lastA = alpha;
        return;
    }
    // Upgraded. A building without an upgrade picture keeps its own.
    if (!upgraded) {
        DrawPicture(img, x, y, 1);
    } else if (dAlphaUpgrade == 0) {
        DrawPicture(glow && overHall[1] ? overHall[1] : upgraded, upgradeX, upgradeY, 1);
    } else {
        DrawPicture(img, x, y, 1 - alphaUpgrade);
        DrawPicture(upgraded, upgradeX, upgradeY, alphaUpgrade);
    }
}
