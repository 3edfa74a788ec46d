// The power-up table, the bar's pictures and a slot's drawing: locked with
// its planks, unlocking, and charging from the bottom up.
#include <cmath>
#include <string>

#include "frame/globals.h"
#include "frame/rcm.h"
#include "match3/board_fx.h"
#include "match3/powerup.h"

std::array<int, POWERUP_COUNT> powerUpNeeded{};
std::array<std::array<int, 4>, POWERUP_COUNT> powerUpCost{};
TPowerUpImages powerUpImages;

namespace {

const char* const kNames[POWERUP_COUNT] = {"hammer", "hourglass", "pickaxe", "dynamite", "bomb", "color"};

// The point each plank is nailed at; slot 1 has two planks only.
struct PlankPoint {
    bool present;
    float x, y;
};
const PlankPoint kPlanks[POWERUP_COUNT][3] = {
    {{true, 24, 716}, {true, 16, 665}, {true, 20, 691}},
    {{true, 142, 661}, {true, 141, 662}, {false, 0, 0}},
    {{true, 289, 663}, {true, 278, 688}, {true, 274, 715}},
    {{true, 412, 716}, {true, 411, 668}, {true, 410, 690}},
    {{true, 542, 667}, {true, 542, 697}, {true, 543, 723}},
    {{true, 669, 666}, {true, 669, 682}, {true, 673, 713}},
};

// How each plank leaves: direction of flight per unit of (1 - per) and its
// turn per unit of cos(90 per).
const float kPlankFlight[3][3] = {{60, 70, 75}, {-70, 140, -120}, {80, 100, -75}};

Image Load(const std::string& name, bool centred) {
    Image img = GfxLoadImage(gameDir + name, GFX_IMAGE_DEFAULT);
    if (img && centred) GfxMidHandle(img);
    return img;
}

}  // namespace

const char* PowerUpName(int slot) { return slot >= 0 && slot < POWERUP_COUNT ? kNames[slot] : ""; }

void LoadPowerUpData(const std::string& path) {
    const std::string file = path.empty() ? gameDir + "data/powerups.txt" : path;
    auto f = LoadRCM(file);
    if (!f) return;
    for (int k = 0; k < POWERUP_COUNT; k++) {
        // A negative count would never fill; it reads as "always full".
        const int need = f->getInt("powerups::p" + std::to_string(k + 1));
        powerUpNeeded[static_cast<size_t>(k)] = need < 0 ? 0 : need;
        for (int r = 0; r < 4; r++)
            powerUpCost[static_cast<size_t>(k)][static_cast<size_t>(r)] =
                f->getInt("powerUps::cost" + std::to_string(k), r);
    }
}

void LoadPowerUpImages() {
    const std::string dir = "gfx/gui/mainGame/";
    for (int s = 0; s < POWERUP_COUNT; s++) {
        const auto i = static_cast<size_t>(s);
        const std::string base = dir + "power-up-" + kNames[s];
        powerUpImages.empty[i] = Load(base + ".png", false);
        powerUpImages.normal[i] = Load(base + "-normal.png", false);
        powerUpImages.over[i] = Load(base + "-over.png", false);
        const std::string icon = "gfx/gui/research/powerUpIcon" + std::to_string(s) + ".png";
        powerUpImages.researchIcon[i] = Load(icon, true);
        for (int k = 0; k < 3; k++) {
            // A plank without a place (slot 1's third) is not used even when its picture exists.
            Image& plank = powerUpImages.plank[i][static_cast<size_t>(k)];
            plank = kPlanks[s][k].present
                        ? Load(dir + "plank-" + std::to_string(s) + "-" + std::to_string(k) + ".png", true)
                        : Image();
        }
    }
    powerUpImages.frame = Load(dir + "power-up-frame.png", false);
}

bool PlankPosition(int slot, int k, float& x, float& y) {
    if (slot < 0 || slot >= POWERUP_COUNT || k < 0 || k > 2) return false;
    const PlankPoint& p = kPlanks[slot][k];
    if (!p.present) return false;
    const Image& img = powerUpImages.plank[static_cast<size_t>(slot)][static_cast<size_t>(k)];
    // The picture's top-left corner lies 5 pixels below the listed point.
    x = p.x + static_cast<float>(GfxImageWidth(img)) / 2;
    y = p.y + static_cast<float>(GfxImageHeight(img)) / 2 + 5;
    return true;
}

// ---------------------------------------------------------------------------
// A slot's drawing
// ---------------------------------------------------------------------------
void TPowerUp::draw(float x, float y, const TPowerUpView& view) {
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(1);
    GfxDrawRect(x, y, POWERUP_SIZE, POWERUP_SIZE);
    GfxSetColor(255, 255, 255);
    if (n < 0 || n >= POWERUP_COUNT) return;
    const auto i = static_cast<size_t>(n);
    if (!unlocked) {
        _drawLocked(x, y);
        return;
    }
    if (justUnlocked != 0) {
        _drawUnlocking(x, y);
        return;
    }
    if (view.screenState - 3 == n) {
        GfxDrawImage(powerUpImages.empty[i], x, y);
    } else if (isFull()) {
        const bool hover = view.overSlot == n || view.toolReturning;
        GfxDrawImage(hover ? powerUpImages.over[i] : powerUpImages.normal[i], x, y);
    } else if (collected <= 0) {
        GfxDrawImage(powerUpImages.empty[i], x, y);
    } else {
        _drawCharged(x, y);
    }
    GfxDrawImage(powerUpImages.frame, x - 8, y - 10);
}

// Partly charged: the empty picture above, the charged one below, so the
// slot fills from the bottom up.
void TPowerUp::_drawCharged(float x, float y) {
    const auto i = static_cast<size_t>(n);
    per = 1 - CountPer();
    const Image& empty = powerUpImages.empty[i];
    const Image& full = powerUpImages.normal[i];
    const float h = static_cast<float>(GfxImageHeight(empty));
    const float w = static_cast<float>(GfxImageWidth(empty));
    const float top = per * h;
    if (top > 0) GfxDrawImageRect(empty, x, y, w, top, 0, 0, w, top, 0, 0);
    const float fh = static_cast<float>(GfxImageHeight(full));
    const float fw = static_cast<float>(GfxImageWidth(full));
    const float from = per * fh;
    if (fh - from > 0) GfxDrawImageRect(full, x, y + from, fw, fh - from, 0, from, fw, fh - from, 0, 0);
}

void TPowerUp::_drawPlank(int k, float dx, float dy, float rot, float alpha) {
    float px = 0, py = 0;
    if (!PlankPosition(n, k, px, py)) return;
    const Image& img = powerUpImages.plank[static_cast<size_t>(n)][static_cast<size_t>(k)];
    if (!img) return;
    GfxSetRotation(rot);
    GfxSetAlpha(alpha);
    GfxDrawImage(img, px + dx, py + dy);
    GfxSetRotation(0);
    GfxSetAlpha(1);
}

void TPowerUp::_drawLocked(float x, float y) {
    const auto i = static_cast<size_t>(n);
    GfxDrawImage(powerUpImages.empty[i], x, y);
    GfxDrawImage(powerUpImages.frame, x - 8, y - 10);
    for (int k = 0; k < 3; k++) _drawPlank(k, 0, 0, 0, 1);
}

void TPowerUp::_drawUnlocking(float x, float y) {
    const auto i = static_cast<size_t>(n);
    GfxDrawImage(powerUpImages.empty[i], x, y);
    GfxDrawImage(powerUpImages.frame, x - 8, y - 10);
    if (justUnlocked == 1) {
        // The slams shake the planks sideways.
        _updateZatrzas();
        const float shift = getShakeRot();
        for (int k = 0; k < 3; k++) _drawPlank(k, shift, 0, 0, 1);
        return;
    }
    per = justUnlocked;
    const float gone = 1 - per;
    const float turn = CosDeg(90 * per);
    for (int k = 0; k < 3; k++)
        _drawPlank(k, kPlankFlight[k][0] * gone, kPlankFlight[k][1] * gone, kPlankFlight[k][2] * turn, per);
}
