// Drawing the options dialog: the dimmed caller, the panel with its labels,
// the slider tracks and knobs, the buttons.
#include "frame/languages.h"
#include "frame/options.h"
#include "frame/text_layout.h"
#include "menus/dialog_back.h"
#include "menus/options_dialog.h"

void TOptionsDialog::_drawBack() {
    DrawCallerBehind(ekran, *this, callerPicture, OPTIONS_VEIL, updateCaller != nullptr);
}

void TOptionsDialog::_drawMyText(const std::string& text, float x, float y) {
    DrawShadowedTextAt(text, x, y, NewRGB(255, 255, 255), alpha);
}

void TOptionsDialog::_drawPanel() {
    GfxResetDrawState(alpha);
    const float cy = CountY();
    GfxDrawImage(panel, 512, 768 + cy);
    GfxSetImageFont(font1);
    DrawShadowedText(txtOptions, 512, 108 + cy, NewRGB(255, 255, 255), alpha);
    _drawMyText(txtMusic, 240, 193 + cy);
    _drawMyText(txtSound, 240, 258 + cy);
    _drawMyText(txtDisplay, 240, 348 + cy);
    _drawMyText(txtCustom, 240, 418 + cy);
    _drawMyText(txtWindow, 240, 488 + cy);
    _drawMyText(txtRelaxed, RELAXED_LABEL_X, RELAXED_TEXT_Y + cy);
    _drawMyText(txtRatio1, 465, 308 + cy);
    _drawMyText(txtRatio2, 570, 308 + cy);
    GfxResetDrawState();
}

void TOptionsDialog::_drawSettings() {
    GfxResetDrawState(alpha);
    const float cy = CountY();
    GfxDrawImage(pasek, 420, 210 + cy);
    GfxDrawImage(pasek, 420, 275 + cy);
    const float half = static_cast<float>(GfxImageWidth(bar)) / 2;
    GfxDrawImage(bar, half + 445 + 256 * options.CountMusicVol(), 222 + cy);
    GfxDrawImage(bar, half + 445 + 256 * options.CountSoundVol(), 287 + cy);
    GfxResetDrawState();
}

void TOptionsDialog::_drawLanguageRow() {
    if (!showsLanguageRow()) return;
    GfxResetDrawState(alpha);
    const float cy = CountY();
    GfxDrawImage(languageRow, LANGUAGE_ROW_X, LANGUAGE_ROW_Y + cy);
    GfxSetImageFont(font1);
    _drawMyText(txtLanguage, LANGUAGE_LABEL_X, LANGUAGE_TEXT_Y + cy);
    const LanguageInfo* shown = FindLanguage(options.EffectiveLanguage());
    const std::string name = shown ? shown->name : options.EffectiveLanguage();
    _drawMyText(name, LANGUAGE_NAME_CX - static_cast<float>(GfxTextWidth(name) / 2), LANGUAGE_TEXT_Y + cy);
    GfxResetDrawState();
}

void TOptionsDialog::draw() {
    _drawBack();
    _drawPanel();
    _drawSettings();
    _drawLanguageRow();
    _drawGui();
    _drawFade();
}
