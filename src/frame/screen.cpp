#include "frame/screen.h"

#include <algorithm>

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

namespace {
int stillDepth = 0;  // a still drawing inside another adds its calls to the outer one
}  // namespace

TStillDrawing::TStillDrawing() {
    if (stillDepth++ == 0) GfxBeginLayer(SharedStillLayer());
}

TStillDrawing::~TStillDrawing() {
    if (--stillDepth > 0) return;
    // The side pictures of the wide picture never move: kept in the layer, a frame does not
    // draw and show them again.
    DrawSideFrames();
    GfxEndLayer(SharedStillLayer());
}

void ReleaseStillDrawing() { GfxReleaseLayer(SharedStillLayer()); }

TEkran& DialogBacking() {
    static TEkran backing;
    return backing;
}

void LoadStripesImage() {
    stripesImage = DialogBacking().shownOnly(GfxLoadImage(gameDir + "gfx/stripes.png", GFX_IMAGE_DEFAULT));
}

namespace {
// Never destroyed: the screens are static objects too, and one shown at exit (the menu's
// Exit, a window closed in a level) takes itself off this list from its destructor, which may
// run after a function-local list's.
std::vector<const TEkran*>& ShownScreens() {
    static auto* screens = new std::vector<const TEkran*>();
    return *screens;
}

bool HeldByAShownScreen(const Image& img) {
    const auto& screens = ShownScreens();
    return std::any_of(screens.begin(), screens.end(), [&](const TEkran* s) { return s->holds(img); });
}
}  // namespace

TEkran::~TEkran() {
    if (shownDepth > 0) std::erase(ShownScreens(), this);
}

Image TEkran::shownOnly(const Image& img) {
    if (!img || holds(img)) return img;
    shownPictures.push_back(img);
    if (!HeldByAShownScreen(img)) GfxReleaseImage(img);
    return img;
}

bool TEkran::holds(const Image& img) const {
    return std::find(shownPictures.begin(), shownPictures.end(), img) != shownPictures.end();
}

void TEkran::prefetchShown() { GfxPrefetchReleasedImages(shownPictures); }

void TEkran::enterShown() {
    if (shownDepth++ > 0) return;
    ShownScreens().push_back(this);
    if (this != &DialogBacking()) GfxPrefetchReleasedImages(shownPictures);  // the stripes ask themselves
}

void TEkran::leaveShown() {
    if (shownDepth == 0 || --shownDepth > 0) return;
    std::erase(ShownScreens(), this);
    std::vector<Image> released;
    for (const Image& img : shownPictures) {
        if (HeldByAShownScreen(img)) continue;
        GfxReleaseImage(img);
        released.push_back(img);
    }
    // Decoded for this visit and never drawn.
    GfxForgetPrefetchedImages(released);
}

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

void TEkran::_moveStripes() { ApproachInPlace(stripeA, dStripeA, 0.05f); }

void TEkran::_drawStripes() {
    _moveStripes();
    GfxResetDrawState();
    GfxSetAlpha(stripeA);
    // Clear stripes show nothing: they are not even decoded until a dialog needs them. Asked for by
    // the dialog's first frame (after a level-end dialog has taken its caller's picture and let
    // the caller's pictures go), they come in from the frame their file is decoded: at their
    // first faint frames a frame or two late is unseen, a frame waiting for the file is not.
    if (stripeA > 0 && GfxImageDrawsNow(stripesImage)) GfxDrawImage(stripesImage, 0, 0);
}

void TEkran::_updateAlpha() { ApproachInPlace(alpha, dAlpha, aSpeed); }

void TEkran::_updateFade() { ApproachInPlace(fade, dFade, fSpeed); }

void TEkran::_prepareDelta() {
    for (int i = 0; i < 101; ++i) UpdateDelta();
    // The flush ticks come in a burst; counted as frames they would show
    // a frame rate of 100 and more for the first second.
    deltaTime.RestartFpsCount();
}
