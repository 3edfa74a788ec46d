#include "story/scene.h"

#include <algorithm>

#include "frame/globals.h"
#include "frame/names.h"
#include "frame/screen.h"
#include "platform/angles.h"

void TScene::_drawFade() {
    ApproachInPlace(fade, dFade, 0.05f);
    if (fade <= 0) return;
    GfxStateScope state;
    GfxResetDrawState(fade);
    GfxSetColor(0, 0, 0);
    GfxDrawRect(0, 0, 1024, 768);
}

void TScene::CountPer() {
    // A scene without a duration of its own is always complete.
    if (maxTime <= 0) {
        per = 1;
        return;
    }
    per = std::clamp(1.0f - static_cast<float>(time - SysMillisecs()) / static_cast<float>(maxTime), 0.0f,
                     1.0f);
}

void TScene::Start() {
    loadPictures();
    time = SysMillisecs() + MyTime;
    maxTime = MyTime;
    fade = 1;
    dFade = 0;
    MyStart();
}

float TScene::SinPer() const { return SinDeg(90 * per); }

namespace {
bool IsPictureName(const std::string& name) {
    const std::string upper = UpperCase(name);
    const auto endsWith = [&](const std::string& ext) {
        return upper.size() > ext.size() && upper.compare(upper.size() - ext.size(), ext.size(), ext) == 0;
    };
    return endsWith(".PNG") || endsWith(".JPG") || endsWith(".JPEG");
}

// Folder names sort in scene order ("scene-1" ... "scene-7").
void ListPicturesUnder(const std::string& folder, std::vector<std::string>& paths) {
    for (const std::string& name : FsListDir(folder)) {
        const std::string path = folder + name;
        if (FsFileType(path) == 2) {
            ListPicturesUnder(path + "/", paths);
        } else if (IsPictureName(name)) {
            paths.push_back(path);
        }
    }
}
}  // namespace

void PrefetchIntroPictures() {
    if (noStory) return;
    std::vector<std::string> paths;
    ListPicturesUnder(gameDir + "gfx/story/intro/", paths);
    GfxPrefetchImages(paths);
}

void PrefetchIntroOpening() {
    if (noStory) return;
    std::vector<std::string> paths;
    ListPicturesUnder(gameDir + "gfx/story/intro/scene-1/", paths);
    GfxPrefetchImages(paths);
}

// The intro is the only user of the side decoding.
void ForgetPrefetchedIntroPictures() { GfxStopPrefetch(); }

Image LoadSceneImage(const std::string& path) { return GfxLoadImage(gameDir + path, GFX_IMAGE_DEFAULT); }

Image LoadSceneImageStanding(const std::string& path) {
    Image img = LoadSceneImage(path);
    if (img)
        GfxSetHandle(img, static_cast<float>(GfxImageWidth(img) / 2),
                     static_cast<float>(GfxImageHeight(img) - 1));
    return img;
}

Image LoadSceneImageBottomLeft(const std::string& path) {
    Image img = LoadSceneImage(path);
    if (img) GfxSetHandle(img, 0, static_cast<float>(GfxImageHeight(img) - 1));
    return img;
}

void DrawScenePicture(const Image& img, float x, float y, float rotation, float scale) {
    if (!img) return;
    GfxStateScope state;
    GfxSetRotation(rotation);
    GfxSetScale(scale, scale);
    GfxDrawImage(img, x, y);
}

void DrawSceneLayer(const std::vector<Image>& tiles, float tileWidth, float x0, float y) {
    for (size_t k = 0; k < tiles.size(); k++)
        GfxDrawImage(tiles[k], x0 + static_cast<float>(k) * tileWidth, y);
}

std::vector<Image> LoadSceneTiles(const std::string& folder, const std::string& prefix, int count,
                                  const std::string& ext) {
    std::vector<Image> tiles;
    for (int k = 0; k < count; k++)
        tiles.push_back(LoadSceneImage(folder + prefix + std::to_string(k) + ext));
    return tiles;
}
