// The main menu's frame: the village world (buildings, water, smoke,
// animals), the logo drop and the welcome line.
#include <algorithm>

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "menus/main_menu.h"
#include "platform/angles.h"

namespace {
constexpr int KEY_D = 68;

// With the developer key D held the village is shown alone.
bool VillageOnly() { return cheats && InKeyDown(KEY_D); }
// The welcome line as the keyboard focus names it.
const std::string kWelcomeLine = "welcome_line";
}  // namespace

void TMainMenu::update() {
    // The buttons and the welcome line appear once the black has gone.
    if (fade == 0) dAlpha = 1;
    CommonUpdate(this);
    _updateAlpha();
    _placeWelcomeLine();
    _updateGui();
    _updateManagerOver();
    _updateFade();
    _updatePer();
    _updateSmoke();
    _updateWater();
}

void TMainMenu::_updatePer() { ApproachInPlace(per, dPer, 0.01f); }

void TMainMenu::_updateSmoke() {
    ChimneysLit all;
    all.fill(true);
    UpdateSmoke(SysMillisecs(), smokePart, all, smokeParticles);
}

void TMainMenu::_updateWater() { UpdateWater(SysMillisecs(), waterPart, waterParticles); }

void TMainMenu::_updateONLYWorld() {
    _updateSmoke();
    _updateWater();
}

void TMainMenu::_placeWelcomeLine() {
    if (!gui || !gui->focus) return;
    gui->focus->places.clear();
    const std::string line = WelcomeLine();
    if (line.empty() || !profileFont) return;
    GfxSetImageFont(profileFont);
    TDim drawn;
    drawn.w = static_cast<float>(GfxTextWidth(line));
    drawn.h = static_cast<float>(GfxTextHeight("AB0"));
    drawn.x = 512 - drawn.w / 2;
    drawn.y = WelcomeY();
    drawn.cx = drawn.x + drawn.w / 2;
    drawn.cy = drawn.y + drawn.h / 2;
    gui->focus->places.push_back({kWelcomeLine, drawn});
}

void TMainMenu::_updateManagerOver() {
    managerOver = 0;
    const std::string line = WelcomeLine();
    if (line.empty() || !profileFont) return;
    if (gui && gui->focus && gui->focus->shown()) {
        // The keyboard's focus lights the line, and Enter on it opens the manager.
        managerOver = gui->focus->focused() == kWelcomeLine ? 1 : 0;
        if (gui->focus->pressedPlace() == kWelcomeLine) goManager();
        return;
    }
    GfxSetImageFont(profileFont);
    const float tw = static_cast<float>(GfxTextWidth(line));
    const float th = static_cast<float>(GfxTextHeight("AB0"));
    if (!mouse.inRect(512 - tw / 2, 220 - th / 2, tw, 60)) return;
    managerOver = 1;
    if (mouse.leftPressed) goManager();
}

// The village, its buildings and the menu stay put while the glitter, smoke and animals move:
// only the spots they touch are drawn again.
void TMainMenu::draw() {
    const TStillDrawing still;
    _drawBack();
    _drawAnims();
    DrawParticlesBatched(&smokeParticles);
    if (VillageOnly()) return;
    _drawLogo();
    _drawPanel();
    _drawGui();
    _drawFade();
}

// The village picture, the glitter on its water, the buildings and the stripes, back to front.
// All but the glitter stand still, so they are drawn as one flattened picture, and the glitter
// over it is dimmed as the buildings and stripes over the water would have dimmed it.
void TMainMenu::_drawBack() {
    GfxResetDrawState();
    drawsList.clear();
    for (const auto& b : landBuildings) {
        if (b->upgraded) drawsList.push_back(NewZBuf(b->upgraded, b->upgradeX, b->upgradeY, 1));
        else drawsList.push_back(NewZBuf(b->img, b->x, b->y, 1));
    }
    std::vector<GfxPlacedImage> parts;
    if (back) parts.push_back({back, 0, 0});
    for (const auto& z : drawsList) {
        parts.push_back({z->img, static_cast<float>(z->drawX), static_cast<float>(z->drawY)});
    }
    if (stripesImage) parts.push_back({stripesImage, 0, 0});
    if (back && _flattenVillage(parts)) {
        GfxDrawImage(flatVillage.picture, 0, 0);
        DrawParticlesBatched(&waterParticles, flatVillage.through);
        return;
    }
    if (back) GfxDrawImage(back, 0, 0);
    DrawParticlesBatched(&waterParticles);
    for (const auto& z : drawsList) z->draw();
    GfxResetDrawState();
    if (stripesImage) GfxDrawImage(stripesImage, 0, 0);
}

bool TMainMenu::_flattenVillage(const std::vector<GfxPlacedImage>& parts) {
    const auto same = [](const GfxPlacedImage& a, const GfxPlacedImage& b) {
        return a.img == b.img && a.x == b.x && a.y == b.y;
    };
    // Made once per entry (or tried once: a renderer that cannot leaves the parts drawn one by one).
    if (!flatParts.empty() && parts.size() == flatParts.size() &&
        std::equal(parts.begin(), parts.end(), flatParts.begin(), same)) {
        return flatVillage.picture != nullptr;
    }
    flatParts = parts;
    flatVillage = GfxFlattenImages(1024, 768, parts);
    if (!flatVillage.picture) return false;
    // The village and its buildings are drawn only through the flat picture now; the stripes stay,
    // as dialogs opened over the menu draw them too.
    for (const GfxPlacedImage& part : parts) {
        if (part.img != stripesImage) GfxReleaseImage(part.img);
    }
    return true;
}

void TMainMenu::_drawAnims() { UpdateAndDrawAnims(anims, SysMillisecs(), frameDelta); }

void TMainMenu::_drawLogo() {
    if (!logo) return;
    GfxResetDrawState();
    const float w = static_cast<float>(GfxImageWidth(logo));
    const float h = static_cast<float>(GfxImageHeight(logo));
    GfxDrawImage(logo, 512 - w / 2, -h + h * SinDeg(90 * per));
}

void TMainMenu::_drawPanel() {
    const std::string line = WelcomeLine();
    if (line.empty() || !profileFont) return;
    GfxStateScope scope;
    GfxSetImageFont(profileFont);
    const float tw = static_cast<float>(GfxTextWidth(line));
    const float y = WelcomeY();
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(0.5f * alpha);
    GfxDrawText(line, 512 - tw / 2 + 2, y);
    if (managerOver) GfxSetColor(255, 255, 0);
    else GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    GfxDrawText(line, 512 - tw / 2, y);
}
