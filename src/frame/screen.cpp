#include "frame/screen.h"

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/timing.h"
#include "platform/gfx_layer.h"

Image stripesImage;

namespace {
const GfxLayer& SharedStillLayer() {
    static const GfxLayer layer = GfxCreateLayer();
    return layer;
}
}  // namespace

TStillDrawing::TStillDrawing() { GfxBeginLayer(SharedStillLayer()); }

TStillDrawing::~TStillDrawing() { GfxEndLayer(SharedStillLayer()); }

float Approach(float value, float target, float speed) {
    if (value < target) {
        value += speed * frameDelta;
        if (value > target) value = target;
    } else if (value > target) {
        value -= speed * frameDelta;
        if (value < target) value = target;
    }
    return value;
}

void ApproachInPlace(float& value, float target, float speed) { value = Approach(value, target, speed); }

void TEkran::_drawFade() {
    GfxResetDrawState();
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(fade);
    // A clear fade shows nothing; skipping it saves a full-screen blend.
    if (fade > 0) GfxDrawRect(0, 0, 1024, 768);
    GfxSetColor(255, 255, 255);
}

void TEkran::_drawStripes() {
    ApproachInPlace(stripeA, dStripeA, 0.05f);
    GfxResetDrawState();
    GfxSetAlpha(stripeA);
    GfxDrawImage(stripesImage, 0, 0);
}

void TEkran::_updateAlpha() { ApproachInPlace(alpha, dAlpha, aSpeed); }

void TEkran::_updateFade() { ApproachInPlace(fade, dFade, fSpeed); }

void TEkran::_prepareDelta() {
    for (int i = 0; i < 101; ++i) UpdateDelta();
    // The flush ticks come in a burst; counted as frames they would show
    // a frame rate of 100 and more for the first second.
    deltaTime.RestartFpsCount();
}
