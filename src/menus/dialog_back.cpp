#include "menus/dialog_back.h"

#include "platform/platform.h"

void DrawCallerBehind(TEkran* caller, TEkran& dialog, TCallerPicture& picture, float veil, bool live) {
    if (!live) {
        DrawDialogBackground(caller, dialog, picture, veil);
        return;
    }
    picture.forget();
    if (caller) caller->draw();
    DimCaller(caller, dialog, veil);
}

void DrawShadowedTextAt(const std::string& text, float x, float y, const TRGB& colour, float a) {
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(a * 0.5f);
    GfxDrawText(text, x + 2, y + 2);
    GfxSetColor(colour.r, colour.g, colour.b);
    GfxSetAlpha(a);
    GfxDrawText(text, x, y);
}

float PanelHeight(const Image& panel, float fallback) {
    return panel ? static_cast<float>(GfxImageHeight(panel)) : fallback;
}
