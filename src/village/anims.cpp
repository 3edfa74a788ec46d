#include "village/anims.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "frame/globals.h"
#include "platform/angles.h"

std::vector<std::shared_ptr<TAnimData>> animDatas;

namespace {
struct Species {
    int id;
    const char* folder;
    int frames;
    int frameTime;
};
constexpr Species kSpecies[] = {
    {ANIM_BIRD, "bird", 4, 150}, {ANIM_HEN, "hen", 3, 100},       {ANIM_PIG, "pig", 4, 100},
    {ANIM_MOLE, "mole", 5, 200}, {ANIM_RABBIT, "rabbit", 9, 100}, {ANIM_SHEEP, "sheep", 8, 100},
};

const Species* FindSpecies(int id) {
    for (const Species& s : kSpecies)
        if (s.id == id) return &s;
    return nullptr;
}

// A set of the species' frame count with every picture missing.
std::shared_ptr<TAnimData> EmptyAnimData(int id) {
    auto data = std::make_shared<TAnimData>();
    data->id = id;
    if (const Species* s = FindSpecies(id)) {
        data->frames.resize(static_cast<size_t>(s->frames));
        data->frameTime = s->frameTime;
    }
    return data;
}

// Every picture faces left. The birds', rabbits' and sheep's mirroring rules
// are written for pictures facing right, so those three draw the other way.
float PictureFacing(int species) {
    return species == ANIM_BIRD || species == ANIM_RABBIT || species == ANIM_SHEEP ? -1.0f : 1.0f;
}

constexpr float kDrawScale = 0.7f;
constexpr float kBirdFlight = 1152;  // px from one side beyond the screen to the other
}  // namespace

void LoadAnimData() {
    animDatas.clear();
    for (const Species& s : kSpecies) {
        auto data = EmptyAnimData(s.id);
        for (int k = 0; k < s.frames; ++k) {
            const std::string path =
                gameDir + "gfx/animations/" + s.folder + "/frame" + std::to_string(k) + ".png";
            Image img = GfxLoadImage(path, GFX_IMAGE_DEFAULT);
            if (img) GfxMidHandle(img);
            data->frames[static_cast<size_t>(k)] = img;
        }
        animDatas.push_back(std::move(data));
    }
}

std::shared_ptr<TAnimData> FindAnimData(int id) {
    for (const auto& d : animDatas)
        if (d && d->id == id) return d;
    return EmptyAnimData(id);
}

// --- TAnim ---

int TAnim::frameCount() const { return ad ? static_cast<int>(ad->frames.size()) : 0; }

void TAnim::draw(int now) const {
    if (now < waitTime || !ad || frame < 0 || frame >= frameCount()) return;
    const Image& img = ad->frames[static_cast<size_t>(frame)];
    if (!img) return;
    GfxResetDrawState(1);
    GfxSetScale(sx * PictureFacing(ad->id) * scale * kDrawScale, scale * kDrawScale);
    GfxDrawImage(img, x, y);
    GfxSetScale(1, 1);
}

void TAnim::_updateFrames(int now) {
    if (now <= nextFrame) return;
    frame = frame + 1 >= frameCount() ? 0 : frame + 1;
    nextFrame = now + (ad ? ad->frameTime : 100);
}

void TAnim::update(int now, float /*delta*/) {
    if (now >= waitTime) _updateFrames(now);
}

// --- Birds ---

void TBirdAnim::update(int now, float delta) {
    if (now < waitTime) return;
    _updateFrames(now);
    movePer = std::min(1.0f, movePer + moveSpeed * delta);
    if (start == 0) {
        x = startX + kBirdFlight * movePer;
    } else {
        x = startX - kBirdFlight * movePer;
        sx = -1;
    }
    y = startY + 25 * SinDeg(360 * movePer);
    if (movePer >= 1) {
        if (bylo) Reset(now);
        bylo = 1;  // the first arrival stays one frame longer
    }
}

void TBirdAnim::Reset(int now) {
    movePer = 0;
    waitTime = now + 2500;
}

// --- Hens and pigs ---

void TChickenAnim::update(int now, float delta) {
    if (now < waitTime) return;
    _updateFrames(now);
    _updateMove(delta);
    if (movePer >= 1) {
        if (bylo) Reset();
        bylo = 1;  // the first arrival stays one frame longer
    }
}

void TChickenAnim::_updateMove(float delta) {
    movePer = std::min(1.0f, movePer + moveSpeed * delta);
    x = startX + (endX - startX) * movePer;
    y = startY + (endY - startY) * movePer;
    sx = endX <= startX ? 1 : -1;
}

void TChickenAnim::Reset() {
    const float sx0 = std::round(startX), sy0 = std::round(startY);
    startX = std::round(endX);
    startY = std::round(endY);
    endX = sx0;
    endY = sy0;
    movePer = 0;
}

// --- Moles ---

void TMoleAnim::_updateFrames(int now) {
    if (now <= nextFrame) return;
    nextFrame = now + (ad ? ad->frameTime : 200);
    const int last = std::max(0, frameCount() - 1);
    if (frameDir == 1) {
        if (++frame > last) {
            frame = last;
            frameDir = -1;
            waitTime2 = now + 1000;  // stays up one second
        }
    } else if (--frame < 0) {
        frame = 0;
        frameDir = 1;
        waitTime2 = now + RandInt(2000, 3000);  // hides
    }
}

void TMoleAnim::update(int now, float /*delta*/) {
    if (now >= waitTime2) _updateFrames(now);
}

// --- Rabbits ---

void TRabbitAnim::_updateFrames(int now) {
    if (now <= nextFrame) return;
    nextFrame = now + (ad ? ad->frameTime : 100);
    if (move == 1) {
        if (++frame > 8) {
            frame = 8;
            move = -1;
        }
    } else if (move == -1) {
        if (--frame < 4) {
            frame = 3;
            move = 0;
            Reset();
        }
    }
}

void TRabbitAnim::update(int now, float delta) {
    if (now < waitTime2) return;
    if (move != 0) {
        _updateFrames(now);
        return;
    }
    movePer = std::min(1.0f, movePer + moveSpeed * delta);
    x = startX + (endX - startX) * movePer;
    y = startY + (endY - startY) * movePer;
    sx = startX <= endX ? 1 : -1;
    frame = static_cast<int>(std::fmod(8 * movePer, 3.0f));
    if (movePer >= 1) {
        if (x == baseX) waitTime2 = now + RandInt(2000, 4000);  // back at its hole: rests
        move = 1;
        nextFrame = now + (ad ? ad->frameTime : 100);
    }
}

void TRabbitAnim::Reset() { TChickenAnim::Reset(); }

void TRabbitAnim::ResetTotaly(int now) {
    startX = baseX;
    startY = baseY;
    endX = ebaseX;
    endY = ebaseY;
    x = baseX;
    y = baseY;
    movePer = 0;
    frameDir = 1;
    move = 0;
    frame = 0;
    waitTime2 = now;
}

// --- Sheep ---

void THorseAnim::_updateMove(float delta) {
    TChickenAnim::_updateMove(delta);
    sx = endX <= startX ? -1 : 1;
}

void THorseAnim::update(int now, float delta) {
    if (now < waitTime) return;
    const int frameTime = ad ? ad->frameTime : 100;
    const bool tick = now > nextFrame;
    if (tick) nextFrame = now + frameTime;
    if (anim == 0) {
        _updateMove(delta);
        if (tick) frame = frame >= 3 ? 0 : frame + 1;
        if (movePer >= 1) {
            anim = 1;
            waitTime2 = now + 3000;  // grazes three seconds
            frame = 4;
            nextFrame = now + frameTime;
        }
        return;
    }
    if (tick) frame = frame + 1 >= std::max(5, frameCount()) ? 4 : frame + 1;
    if (now > waitTime2) {
        anim = 0;
        Reset();
        frame = 0;
    }
}
