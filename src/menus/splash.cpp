#include "menus/splash.h"

#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/mouse.h"

TSplash splash;

namespace {
constexpr int kMostPictures = 5;
}

void TSplash::setup() {
    images.clear();
    for (int i = 0; i < kMostPictures; i++) {
        const std::string base = gameDir + "gfx/branding/splash" + std::to_string(i);
        std::string path = base + ".png";
        if (FsFileType(path) != 1) path = base + ".jpg";
        if (FsFileType(path) != 1) continue;
        Image img = GfxLoadImage(path, GFX_IMAGE_DEFAULT);
        if (img) images.push_back(img);
    }
    actN = 0;
}

void TSplash::update() {
    CommonUpdate(this);
    fSpeed = 0.05f;
    _updateFade();
    const int now = SysMillisecs();
    if (now > nextFrame) dFade = 1;
    if (fade >= 1 && dFade >= 1) {
        actN++;
        nextFrame = now + timeFrame;
        if (actN < static_cast<int>(images.size())) dFade = 0;
    }
}

void TSplash::draw() {
    GfxResetDrawState();
    if (actN < 0 || actN >= static_cast<int>(images.size())) return;
    GfxDrawImage(images[static_cast<size_t>(actN)], 0, 0);
    GfxSetColor(0, 0, 0);
    GfxSetAlpha(fade);
    GfxDrawRect(0, 0, 1024, 768);
    GfxResetDrawState();
}

void TSplash::mainloop() {
    if (images.empty()) return;
    actN = 0;
    fade = 1;
    dFade = 0;
    nextFrame = SysMillisecs() + timeFrame;
    _prepareDelta();
    running = true;
    while (!(fadedOut() && actN >= static_cast<int>(images.size()))) {
        ScreenFrame(*this);
        if (mouse.leftPressed) dFade = 1;
    }
    running = false;
    // The cards are shown once a run.
    images.clear();
}
