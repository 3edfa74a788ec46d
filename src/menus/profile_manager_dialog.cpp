#include "menus/profile_manager_dialog.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/text_fit.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "menus/dialog_back.h"
#include "menus/enter_text.h"
#include "menus/name_rules.h"
#include "menus/pop_up.h"
#include "menus/profile_changes.h"
#include "quest/profile_list.h"

TProfileManagerDialog profileManagerDialog;

namespace {
const char* const NAME_FONT = "gfx/fonts/font1.ttf";
constexpr int NAME_SIZE = 32;

void SetButtonShown(TGui* gui, const std::string& name, bool shown) {
    if (!gui) return;
    if (auto obj = gui->GetObject(name)) obj->SetState(shown ? 1 : 0, shown ? 1 : 0);
}
}  // namespace

void TProfileManagerDialog::setup() {
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/profileManager/panel.png", GFX_IMAGE_DEFAULT));
    if (panel) GfxSetHandle(panel, static_cast<float>(GfxImageWidth(panel)) / 2, 680);
    const std::string font = gameDir + NAME_FONT;
    font1 = GetFont(font, 36);
    font2 = GetFont(font, NAME_SIZE);
    if (profileManager.txtPlayers.empty()) profileManager._setupTexts();
    gui = LoadGui(gameDir + "gfx/gui/profileManager/#LANG#/profileManager.gui");
    if (gui) gui->EnableFocus("OK");
}

float TProfileManagerDialog::CountY() const {
    return SlideOffset(PanelHeight(panel, MANAGER_PANEL_H), showPer);
}

float TProfileManagerDialog::RowHeight() const {
    GfxStateScope keep;
    GfxSetImageFont(font2);
    return static_cast<float>(GfxTextHeight("A") - 5);
}

Font TProfileManagerDialog::NameFont(const std::string& name) const {
    GfxStateScope keep;
    GfxSetImageFont(font2);
    // One line high: a name that would need two lines there is shrunk until it holds on one.
    const auto line = static_cast<float>(GfxTextHeight("A"));
    return FittingFont(name, gameDir + NAME_FONT, font2, NAME_SIZE, NAME_MIN_SIZE, PROFILE_ROW_WIDTH, line,
                       0);
}

float TProfileManagerDialog::RowTop(int r) const {
    return 170 + RowHeight() * static_cast<float>(r) + CountY() - 10;
}

void TProfileManagerDialog::prepare() {
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    showPer = 0;
    dShowPer = 1;
    stripeA = 0;
    dStripeA = 1;
    over = nullptr;
    callerPicture.forget();
    if (gui && gui->focus) gui->focus->startAgain();
}

void TProfileManagerDialog::_updateShow() { ApproachInPlace(showPer, dShowPer, 0.05f); }

void TProfileManagerDialog::_updateProfiles() {
    const auto& list = profileManager.profiles;
    const int count = static_cast<int>(list.size());
    SetButtonShown(gui.get(), "NEW", count < MAX_PROFILES);
    SetButtonShown(gui.get(), "DELETE", count > 1);
    over = nullptr;
    if (showPer < 1) return;
    const float h = RowHeight();
    for (int r = 0; r < count; ++r)
        if (mouse.inRect(PROFILE_ROW_LEFT, RowTop(r), PROFILE_ROW_WIDTH, h))
            over = list[static_cast<size_t>(r)];
    if (mouse.leftPressed && over) actProfile = over;
    if (!gui || !gui->focus || !gui->focus->shown()) return;
    // The keyboard's focus lights its row as the mouse does, and Enter chooses it.
    over = ProfileOfRow(gui->focus->focused());
    if (auto chosen = ProfileOfRow(gui->focus->pressedPlace())) actProfile = chosen;
}

std::shared_ptr<TProfile> TProfileManagerDialog::ProfileOfRow(const std::string& placeName) const {
    const std::string prefix = "profile_row_";
    if (placeName.rfind(prefix, 0) != 0) return nullptr;
    const size_t r = std::stoul(placeName.substr(prefix.size()));
    const auto& list = profileManager.profiles;
    return r < list.size() ? list[r] : nullptr;
}

void TProfileManagerDialog::_placeRows() {
    if (!gui || !gui->focus) return;
    gui->focus->places.clear();
    const float h = RowHeight();
    for (size_t r = 0; r < profileManager.profiles.size(); ++r) {
        TDim row;
        row.x = PROFILE_ROW_LEFT;
        row.y = RowTop(static_cast<int>(r));
        row.w = PROFILE_ROW_WIDTH;
        row.h = h;
        row.cx = row.x + row.w / 2;
        row.cy = row.y + row.h / 2;
        gui->focus->places.push_back({"profile_row_" + std::to_string(r), row});
    }
}

void TProfileManagerDialog::update() {
    CommonUpdate(this);
    _updateAlpha();
    _updateShow();
    _placeRows();
    _updateGui();
    _updateProfiles();
    if (gui) gui->VectorMe(0, PanelHeight(panel, MANAGER_PANEL_H), SlideIn(showPer));
}

void TProfileManagerDialog::_drawBack() { DrawCallerBehind(ekran, *this, callerPicture, 0); }

void TProfileManagerDialog::_drawMyText(const std::string& text, float x, float y, float r, float g,
                                        float b) {
    DrawShadowedText(text, x, y, NewRGB(r, g, b), alpha);
}

void TProfileManagerDialog::_drawPanel() {
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512, 768 + CountY());
    GfxSetImageFont(font1);
    // Ink: the heading stands on the panel's parchment.
    _drawMyText(profileManager.txtPlayers, 512, 110 + CountY(), textColourInkAccent.r, textColourInkAccent.g,
                textColourInkAccent.b);
    GfxResetDrawState();
}

void TProfileManagerDialog::_drawProfiles() {
    GfxResetDrawState(alpha);
    const float h = RowHeight();
    int r = 0;
    for (const auto& profile : profileManager.profiles) {
        const float top = RowTop(r++);
        const bool current = profile == actProfile;
        const bool hovered = profile == over;
        if (hovered) {
            GfxSetColor(0, 0, 0);
            GfxSetAlpha(alpha * 0.25f);
            GfxDrawRect(PROFILE_ROW_LEFT, top, PROFILE_ROW_WIDTH, h);
        }
        TRGB colour = NewRGB(255, 255, 255);
        if (current && hovered) colour = NewRGB(250, 250, 60);
        else if (current) colour = NewRGB(255, 255, 0);
        else if (hovered) colour = NewRGB(0, 255, 255);
        // A shrunk name keeps the row's middle.
        GfxSetImageFont(font2);
        const int designed = GfxTextHeight("A");
        GfxSetImageFont(NameFont(profile->name));
        const float y = top + static_cast<float>(designed - GfxTextHeight("A")) / 2;
        DrawShadowedText(profile->name, PROFILE_ROW_LEFT + PROFILE_ROW_WIDTH / 2, y, colour, alpha);
    }
    GfxResetDrawState();
}

void TProfileManagerDialog::draw() {
    _drawBack();
    _drawPanel();
    _drawProfiles();
    _drawGui();
}

void TProfileManagerDialog::goOk() {
    dShowPer = 0;
    dAlpha = 0;
    dStripeA = 0;
    SaveAll();
}

void TProfileManagerDialog::goNew() {
    const std::string name = enterText.mainloop(this, "");
    if (!name.empty()) CreateProfileNamed(name);
}

void TProfileManagerDialog::goDelete() {
    if (profileManager.profiles.size() <= 1) return;
    if (AskPopUp(this, profileManager.txtAreYouSureToDelete)) DeleteCurrentProfile();
}

void TProfileManagerDialog::goRename() {
    if (!actProfile) return;
    const std::string name = enterText.mainloop(this, actProfile->name);
    if (!name.empty()) RenameCurrentProfile(name);
}

void TProfileManagerDialog::_checkButtons() {
    // Escape is read every frame, so that a press while the panel leaves is
    // not left over for the menu.
    const bool escape = InKeyHit(KEY_ESCAPE) > 0;
    if (dShowPer == 0) return;  // closing: the panel only leaves
    if (escape || (gui && gui->clickedItem("OK"))) goOk();
    else if (!gui) return;
    else if (gui->clickedItem("NEW")) goNew();
    else if (gui->clickedItem("DELETE")) goDelete();
    else if (gui->clickedItem("RENAME")) goRename();
}

void TProfileManagerDialog::mainloop(TEkran* caller) {
    ekran = caller;
    prepare();
    running = true;
    RunDialogLoop(
        *this, [this] { _checkButtons(); }, [this] { return showPer == 0 && dShowPer == 0; });
    running = false;
    std::printf("profile manager: %s\n", actProfile ? actProfile->name.c_str() : "");
    if (onClosed) onClosed();
}
