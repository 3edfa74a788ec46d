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
        // The language's own card (its line under the name translated), else English's.
        std::string path;
        for (const std::string& folder : {"gfx/branding/" + lang + "/", std::string("gfx/branding/")}) {
            const std::string base = gameDir + folder + "splash" + std::to_string(i);
            for (const char* ext : {".png", ".jpg"})
                if (path.empty() && FsFileType(base + ext) == 1) path = base + ext;
        }
        if (path.empty()) continue;
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
