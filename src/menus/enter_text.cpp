#include "menus/enter_text.h"

#include <algorithm>
#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "frame/names.h"
#include "frame/text_file.h"
#include "frame/text_fit.h"
#include "frame/text_layout.h"
#include "gui/gui.h"
#include "menus/dialog_back.h"
#include "menus/name_rules.h"
#include "quest/profile_list.h"

TEnterText enterText;

namespace {
constexpr int kBlinkMs = 500;
const char* const ENTRY_FONT = "gfx/fonts/font1.ttf";
constexpr int ENTRY_SIZE = 42;
// The name is centred here, a little left of the well's middle: the cursor follows it.
constexpr float ENTRY_CX = 500;

void ShowButton(TGui* gui, const std::string& name, bool shown) {
    if (!gui) return;
    if (auto obj = gui->GetObject(name)) obj->SetState(shown ? 1 : 0, shown ? 1 : 0);
}
}  // namespace

void TEnterText::setup() {
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/enterText/panel.png", GFX_IMAGE_DEFAULT));
    GfxMidHandle(panel);
    const std::string path = gameDir + ENTRY_FONT;
    font = GetFont(path, ENTRY_SIZE);
    font2 = GetFont(path, 36);
    auto txt = LoadTxtFile(gameDir + "txt/#LANG#/profileManager.txt");
    txtEnt = TrimBlanks(TxtLine(txt, 7));
    txtAlready = TrimBlanks(TxtLine(txt, 8));
    gui = LoadGui(gameDir + "gfx/gui/enterText/#LANG#/enterText.gui");
}

TDim NameWell() { return NewDimRect(262, 292, 500, 66); }

Font TEnterText::EntryFont() const {
    GfxStateScope keep;
    GfxSetImageFont(font);
    // Room on either side of the centre, the cursor's (at the designed size) on the right.
    const TDim well = NameWell();
    const float cursor = 2 + static_cast<float>(GfxTextWidth("A"));
    const float half = std::min(ENTRY_CX - well.x, well.x + well.w - ENTRY_CX - cursor);
    return FittingFont(entry, gameDir + ENTRY_FONT, font, ENTRY_SIZE, NAME_MIN_SIZE, 2 * half, well.h, 0);
}

std::vector<std::string> TEnterText::_taken() const {
    if (takenNames) return takenNames();
    std::vector<std::string> names;
    for (const auto& profile : profileManager.profiles)
        if (profile) names.push_back(profile->name);
    return names;
}

int TEnterText::checkEntry1() { return NameTaken(entry, _taken()) ? 1 : 0; }

int TEnterText::checkEntry() {
    // The name the entry started from is the profile's own (a rename).
    if (!txtStart.empty() && NameKey(entry) == NameKey(initialName)) return 0;
    return checkEntry1();
}

void TEnterText::prepare(TEkran* screen, const std::string& initial) {
    ekran = screen;
    entry = UpperName(initial);
    initialName = entry;
    txtStart = txtEnt;
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    stripeA = 0;
    dStripeA = 1;
    _exit = 0;
    exists = 0;
    cursorOn = 1;
    time = SysMillisecs() + kBlinkMs;
    callerPicture.forget();
    // Letters typed before the entry opened (in a level, say) are not part
    // of the name.
    InFlushKeys();
}

void TEnterText::_updateEntry() {
    if (SysMillisecs() >= time) {
        cursorOn = 1 - cursorOn;
        time = SysMillisecs() + kBlinkMs;
    }
    TGui* g = gui.get();
    ShowButton(g, "cancel", true);
    // The warning is for another player's name; the name a rename started
    // from only keeps "ok" hidden until it is changed.
    exists = checkEntry();
    ShowButton(g, "ok", !exists && !checkEntry1() && !TrimBlanks(entry).empty());
}

void TEnterText::update() {
    CommonUpdate(this);
    _updateAlpha();
    _updateFade();
    _updateGui();
    _updateEntry();
}

void TEnterText::_drawBack() { DrawCallerBehind(ekran, *this, callerPicture, 0); }

void TEnterText::_drawMyText(const std::string& text, float x, float y, float r, float g, float b) {
    DrawShadowedText(text, x, y, NewRGB(r, g, b), alpha);
}

void TEnterText::_drawEntry() {
    GfxResetDrawState(alpha);
    GfxSetImageFont(font2);
    _drawMyText(txtStart, 512, 192, 255, 255, 255);
    // A shrunk name keeps the well's middle; the cursor keeps its size.
    GfxSetImageFont(font);
    const int designed = GfxTextHeight("A");
    GfxSetImageFont(EntryFont());
    const float nameW = static_cast<float>(GfxTextWidth(entry));
    _drawMyText(entry, ENTRY_CX, 304 + static_cast<float>(designed - GfxTextHeight("A")) / 2, 255, 255, 255);
    GfxSetImageFont(font);
    if (cursorOn) {
        const float x = ENTRY_CX + nameW / 2 + 2;
        GfxSetColor(255, 255, 255);
        GfxSetAlpha(alpha);
        GfxDrawRect(x, 308, static_cast<float>(GfxTextWidth("A")),
                    static_cast<float>(GfxTextHeight("A") - 10));
    }
    if (exists) {
        GfxSetImageFont(font2);
        _drawMyText(txtAlready, 520, 250, 255, 0, 0);
    }
    GfxResetDrawState();
}

void TEnterText::draw() {
    _drawBack();
    GfxResetDrawState(alpha);
    GfxDrawImage(panel, 512, 344);
    GfxResetDrawState();
    _drawFade();
    _drawGui();
    _drawEntry();
}

void TEnterText::goOk() {
    if (checkEntry() || checkEntry1() || TrimBlanks(entry).empty()) return;
    alpha = dAlpha = fade = dFade = 0;
}

void TEnterText::goCancel() {
    entry.clear();
    dAlpha = 0;
    dFade = 0;
}

void TEnterText::_controlGUI() {
    if (alpha != 1 || !gui) return;
    if (gui->clickedItem("OK")) goOk();
    else if (gui->clickedItem("CANCEL")) goCancel();
}

void TEnterText::_controlKeyboard() {
    if (alpha != 1 || dAlpha != 1) return;
    const int c = InGetChar();
    if (c == 0) return;
    if (c == KEY_ENTER) goOk();
    else if (c == KEY_ESCAPE) goCancel();
    else if (c == KEY_BACKSPACE) RemoveLastLetter(entry);
    else if (c >= 32 && IsRefusedNameChar(static_cast<std::uint32_t>(c))) std::printf("Forbidden chars\n");
    else AppendNameLetter(entry, static_cast<std::uint32_t>(c));
}

std::string TEnterText::mainloop(TEkran* screen, const std::string& initial) {
    prepare(screen, initial);
    running = true;
    RunDialogLoop(
        *this,
        [this] {
            _controlGUI();
            _controlKeyboard();
            if (alpha == 0 && dAlpha == 0) _exit = 1;
        },
        [this] { return _exit == 1; });
    running = false;
    InFlushKeys();
    InFlushMouse();
    mouse.clear();
    std::printf("name entry: %s\n", entry.c_str());
    return entry;
}
