// The plain drawing state and the scope that saves and restores it, built on
// the layer's own getters and setters.
#include "platform/platform.h"

void GfxResetDrawState(float alpha) {
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(alpha);
    GfxSetBlend(GFX_BLEND_ALPHA);
    GfxSetScale(1, 1);
    GfxSetRotation(0);
}

GfxStateScope::GfxStateScope() {
    GfxGetColor(r_, g_, b_);
    alpha_ = GfxGetAlpha();
    blend_ = GfxGetBlend();
    GfxGetScale(sx_, sy_);
    rotation_ = GfxGetRotation();
    GfxGetOrigin(ox_, oy_);
    font_ = GfxGetImageFont();
}

GfxStateScope::~GfxStateScope() {
    GfxSetColor(r_, g_, b_);
    GfxSetAlpha(alpha_);
    GfxSetBlend(blend_);
    GfxSetScale(sx_, sy_);
    GfxSetRotation(rotation_);
    GfxSetOrigin(ox_, oy_);
    GfxSetImageFont(font_);
}
