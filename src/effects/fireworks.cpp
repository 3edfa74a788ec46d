#include "effects/fireworks.h"

#include "effects/effect_math.h"
#include "frame/globals.h"

SafeList<TFireWork> fireWorkList;
std::array<Image, 4> fireWorkImages;

void TFireWork::update() {
    x += ax * frameDelta;
    y += ay * frameDelta;
    ax += adx * frameDelta;
    ay += ady * frameDelta;
    rot += 3 * frameDelta;
    if (SysMillisecs() > time) {
        a -= 0.025f * frameDelta;
        if (a < 0) {
            a = 0;
            destroy();
        }
    }
}

void TFireWork::draw() {
    if (n < 0 || n >= static_cast<int>(fireWorkImages.size())) return;
    GfxSetBlend(GFX_BLEND_LIGHT);
    GfxSetAlpha(a);
    GfxSetScale(1, 1);
    GfxSetRotation(rot);
    SetColorRGB(rgb);
    GfxDrawImage(fireWorkImages[static_cast<std::size_t>(n)], x, y, 0);
}

void TFireWork::destroy() { fireWorkList.remove(node); }

void TFireWork::updateAll() {
    fireWorkList.forEach([](TFireWork& f) { f.update(); });
}

void TFireWork::drawAll() {
    fireWorkList.forEach([](TFireWork& f) { f.draw(); });
}

std::shared_ptr<TFireWork> CreateFireWork(float x, float y, float vx, float vy, const TRGB& rgb) {
    auto f = std::make_shared<TFireWork>();
    f->x = x;
    f->y = y;
    f->ax = vx;
    f->ay = vy;
    f->rgb = rgb;
    f->time = SysMillisecs() + 500;
    f->ady = RandFloat(0.025f, 0.05f);
    f->node = fireWorkList.append(f);
    return f;
}

void CreateFireWorkBurst(float x, float y) {
    for (int angle = 1; angle < 360; angle += 10) {
        const float speed = RandFloat(1.5f, 2.0f);
        const float vx = CosDeg(static_cast<float>(angle)) * speed * 0.75f;
        const float vy = SinDeg(static_cast<float>(angle)) * speed * 0.75f;
        auto shade = [] { return static_cast<float>(230 + RandInt(0, 25)); };
        TRGB rgb;
        switch (RandInt(0, 3)) {
            case 0:
                rgb = NewRGB(shade(), 0, 0);
                break;
            case 1: {
                const float c = shade();
                rgb = NewRGB(c, shade(), 0);
                break;
            }
            case 2:
                rgb = NewRGB(0, shade(), 0);
                break;
            default:
                rgb = NewRGB(0, 0, shade());
                break;
        }
        CreateFireWork(x, y, vx, vy, rgb)->n = 2;
    }
}

void ClearFireWorks() { fireWorkList.clear(); }

void LoadFireWorkImages() {
    static const char* const kFiles[4] = {"3.png", "1.png", "5.png", "2.png"};
    for (std::size_t i = 0; i < fireWorkImages.size(); ++i) {
        Image img =
            GfxLoadImage(gameDir + "gfx/particles/" + kFiles[i], GFX_IMAGE_FILTERED | GFX_IMAGE_MIPMAPPED);
        if (img) GfxMidHandle(img);
        fireWorkImages[i] = img;
    }
}
