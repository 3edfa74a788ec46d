// Images: loading PNG and JPEG files, flags, handles, and drawing whole
// images or parts of them.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/gfx_prefetch.h"
#include "platform/gfx_turned.h"
#include "platform/image_codecs.h"
#include "platform/platform_internal.h"

namespace {
constexpr int kMaxSide = 16384;

int NormaliseFlags(int flags) {
    return flags == GFX_IMAGE_DEFAULT ? GFX_IMAGE_MASKED | GFX_IMAGE_FILTERED : flags;
}

// Images without alpha use black as their transparent colour.
void MaskBlack(PixelBytes& rgba) {
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        if (rgba[i] == 0 && rgba[i + 1] == 0 && rgba[i + 2] == 0) {
            rgba[i + 3] = 0;
        }
    }
}

// Every image made, so that the pixels held can be counted; the dead are swept as they are met.
std::vector<std::weak_ptr<GfxImageData>>& LiveImages() {
    static std::vector<std::weak_ptr<GfxImageData>> images;
    return images;
}

void NoteLiveImage(const Image& img) {
    auto& images = LiveImages();
    if (images.size() == images.capacity()) {
        std::erase_if(images, [](const std::weak_ptr<GfxImageData>& p) { return p.expired(); });
    }
    images.push_back(img);
}

// The pixels all pictures alive may hold at once (GfxSetImagePixelBudget).
long long gImagePixelBudget = IMAGE_PIXEL_BUDGET;

}  // namespace

long long GfxImagePixelsAlive() {
    long long total = 0;
    for (const auto& weak : LiveImages()) {
        if (const auto img = weak.lock()) total += static_cast<long long>(img->w) * img->h;
    }
    return total;
}

namespace {

bool HasTexture(const GfxImageData& img) {
    return img.tex != nullptr && img.texGeneration == GfxS().generation;
}

// A released picture: read from a file, neither its pixels nor a texture held.
bool Released(const GfxImageData& img) { return !img.source.empty() && img.rgba.empty() && !HasTexture(img); }

template <class Bytes>
bool AllOpaque(const Bytes& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] != 255) {
            return false;
        }
    }
    return true;
}

Image MakeImage(int w, int h, PixelBytes&& rgba, int flags) {
    auto img = std::make_shared<GfxImageData>();
    NoteLiveImage(img);
    img->w = w;
    img->h = h;
    img->flags = flags;
    img->opaque = AllOpaque(rgba);
    // The null renderer never draws: sizes are all it needs.
    if (PlatformConfigRef().renderer != RendererKind::Null) {
        img->rgba = std::move(rgba);
    }
    return img;
}

// The file's pixels (decoded ahead when prefetched), black made transparent for masked
// pictures without alpha; false when it cannot (and why, unless the file is missing).
// With `sizeOnly`, the header's size alone and no pixels.
bool ReadPixels(const std::string& path, int flags, DecodedImage& decoded, bool sizeOnly = false) {
    std::string error;
    const ImageFileRead read =
        sizeOnly ? ReadImageFileSize(path, decoded, error) : TakeImageFile(path, decoded, error);
    if (read == ImageFileRead::Missing) {
        return false;  // a missing picture draws nothing; the caller decides whether to say so
    }
    if (read == ImageFileRead::Unreadable) {
        std::printf("Cannot read image %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    if ((flags & GFX_IMAGE_MASKED) && !decoded.hasAlpha) {
        MaskBlack(decoded.rgba);
    }
    return true;
}

// The picture's pixels: its own, or its file's again once they were let go.
// Empty when neither is there (or the file changed size meanwhile).
const PixelBytes& PixelsOf(const GfxImageData& img, DecodedImage& reread) {
    if (!img.rgba.empty() || img.source.empty()) {
        return img.rgba;
    }
    if (!ReadPixels(img.source, img.flags, reread) || reread.w != img.w || reread.h != img.h) {
        reread.rgba.clear();
    }
    return reread.rgba;
}

// The texture of the current renderer, made on first use after a renderer change.
SDL_Texture* TextureOf(GfxImageData& img) {
    const GfxState& g = GfxS();
    if (img.tex != nullptr && img.texGeneration == g.generation) {
        return img.tex;
    }
    img.tex = nullptr;  // belonged to a renderer that is gone
    DecodedImage reread;
    const PixelBytes& pixels = PixelsOf(img, reread);
    if (pixels.empty()) {
        return nullptr;
    }
    img.tex = GfxMakeTexture(img.w, img.h, pixels.data(), (img.flags & GFX_IMAGE_FILTERED) != 0);
    img.texGeneration = g.generation;
    img.mods = GfxTexMods();
    if (img.tex != nullptr && !img.source.empty()) {
        PixelBytes().swap(img.rgba);  // the texture holds them now
    }
    return img.tex;
}
}  // namespace

GfxImageData::~GfxImageData() {
    const GfxState& g = GfxS();
    if (tex != nullptr && texGeneration == g.generation && g.renderer != nullptr) {
        SDL_DestroyTexture(tex);
    }
}

namespace {
// Writes w x h RGBA pixels into the texture's rows from `top` on.
void UploadPixels(SDL_Texture* tex, int top, int w, int h, const std::uint8_t* rgba) {
    const GfxState& g = GfxS();
    if (g.textureFormat == SDL_PIXELFORMAT_RGBA32) {
        const SDL_Rect area{0, top, w, h};
        SDL_UpdateTexture(tex, &area, rgba, w * 4);
        return;
    }
    // Converted a band of rows at a time: a whole converted copy of a large picture would
    // briefly hold its pixels a third time.
    const int bandRows = std::max(1, std::min(h, 65536 / w));
    std::vector<std::uint8_t> converted(static_cast<size_t>(w) * bandRows * 4);
    for (int y = 0; y < h; y += bandRows) {
        const int rows = std::min(bandRows, h - y);
        const std::uint8_t* src = rgba + static_cast<size_t>(y) * w * 4;
        SDL_ConvertPixels(w, rows, SDL_PIXELFORMAT_RGBA32, src, w * 4, g.textureFormat, converted.data(),
                          w * 4);
        const SDL_Rect band{0, top + y, w, rows};
        SDL_UpdateTexture(tex, &band, converted.data(), w * 4);
    }
}

SDL_Texture* NewTexture(int w, int h, bool filtered) {
    const GfxState& g = GfxS();
    if (g.renderer == nullptr) {
        return nullptr;
    }
    SDL_Texture* tex = SDL_CreateTexture(g.renderer, g.textureFormat, SDL_TEXTUREACCESS_STATIC, w, h);
    if (tex == nullptr) {
        std::printf("Cannot create a texture of %d x %d: %s\n", w, h, SDL_GetError());
        return nullptr;
    }
    SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(tex, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return tex;
}

}  // namespace

SDL_Texture* GfxMakeTexture(int w, int h, const std::uint8_t* rgba, bool filtered) {
    SDL_Texture* tex = NewTexture(w, h, filtered);
    if (tex != nullptr) {
        UploadPixels(tex, 0, w, h, rgba);
    }
    return tex;
}

Image GfxLoadImage(const std::string& path, int flags) {
    flags = NormaliseFlags(flags);
    DecodedImage decoded;
    // The null renderer never draws: it keeps a picture's size, read from the file's header (its
    // pixels are read again should something ask for them).
    const bool sizeOnly = PlatformConfigRef().renderer == RendererKind::Null;
    if (!ReadPixels(path, flags, decoded, sizeOnly)) {
        return nullptr;
    }
    const long long held = GfxImagePixelsAlive();
    if (held + static_cast<long long>(decoded.w) * decoded.h > gImagePixelBudget) {
        std::printf(
            "Cannot load image %s: %d x %d pixels more than the %lld all pictures may hold, %lld held\n",
            path.c_str(), decoded.w, decoded.h, gImagePixelBudget, held);
        return nullptr;
    }
    Image img = MakeImage(decoded.w, decoded.h, std::move(decoded.rgba), flags);
    img->source = path;
    return img;
}

void GfxSetImagePixelBudget(long long pixels) { gImagePixelBudget = pixels; }

Image GfxCreateImage(int w, int h, const std::uint8_t* rgba, int flags) {
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide || rgba == nullptr) {
        return nullptr;
    }
    PixelBytes pixels(rgba, rgba + static_cast<size_t>(w) * h * 4);
    return MakeImage(w, h, std::move(pixels), NormaliseFlags(flags));
}

Image GfxGrabImage(int x, int y, int w, int h, const Image& reuse) {
    if (w <= 0 || h <= 0 || GfxS().renderer == nullptr) {
        return nullptr;
    }
    Image img = reuse;
    if (!reuse || !reuse->source.empty() || !reuse->rgba.empty() || reuse->w != w || reuse->h != h ||
        !HasTexture(*reuse)) {
        img = MakeImage(w, h, PixelBytes(), GFX_IMAGE_FILTERED);
        img->tex = NewTexture(w, h, true);
        img->texGeneration = GfxS().generation;
        if (img->tex == nullptr) {
            return nullptr;
        }
    }
    // Read and written a band of rows at a time, so that the frame is never held twice. Draws of
    // a reused picture noted before are done: reading the buffer drew them.
    constexpr int kBandRows = 64;
    bool opaque = true;
    for (int top = 0; top < h; top += kBandRows) {
        const int rows = std::min(kBandRows, h - top);
        if (GfxCopyBackBufferRows(img->tex, top, x, y + top, w, rows)) continue;
        const Pixmap band = GfxGrabPixmap(x, y + top, w, rows);
        if (band.w != w || band.h != rows) {
            return nullptr;
        }
        opaque = opaque && AllOpaque(band.rgba);
        UploadPixels(img->tex, top, w, rows, band.rgba.data());
    }
    img->opaque = opaque;
    return img;
}

bool GfxImageDrawsNow(const Image& img) {
    if (!img || img->source.empty() || !img->rgba.empty() || HasTexture(*img)) return true;
    if (PlatformConfigRef().renderer == RendererKind::Null) return true;
    const PrefetchState state = PrefetchStateOf(img->source);
    if (state == PrefetchState::Unasked) GfxPrefetchImages({img->source});
    return state == PrefetchState::Done;
}

bool GfxImageLost(const Image& img) {
    return img && img->source.empty() && img->rgba.empty() && !HasTexture(*img);
}

Image GfxMakeShadowImage(const Image& img, float alpha) {
    if (!img) {
        return nullptr;
    }
    DecodedImage reread;
    const PixelBytes& source = PixelsOf(*img, reread);
    if (source.empty()) {
        return nullptr;
    }
    const float a = std::clamp(alpha, 0.0f, 1.0f);
    PixelBytes pixels(source.size(), 0);
    for (size_t i = 3; i < pixels.size(); i += 4) {
        pixels[i] = static_cast<std::uint8_t>(std::lround(source[i] * a));
    }
    Image shadow = MakeImage(img->w, img->h, std::move(pixels), img->flags);
    shadow->hx = img->hx;
    shadow->hy = img->hy;
    return shadow;
}

SDL_Texture* GfxTextureOf(GfxImageData& img) { return TextureOf(img); }

bool GfxImagePixels(const GfxImageData& img, std::vector<std::uint8_t>& out) {
    DecodedImage reread;
    const PixelBytes& pixels = PixelsOf(img, reread);
    if (pixels.empty()) {
        return false;
    }
    out.assign(pixels.begin(), pixels.end());
    return true;
}

void GfxReleaseImage(const Image& img) {
    if (!img || img->source.empty()) {
        return;
    }
    const GfxState& g = GfxS();
    if (HasTexture(*img) && g.renderer != nullptr) {
        SDL_DestroyTexture(img->tex);
    }
    img->tex = nullptr;
    img->mods = GfxTexMods();
    PixelBytes().swap(img->rgba);
}

namespace {
std::vector<std::string> SourcesOfReleased(const std::vector<Image>& images) {
    std::vector<std::string> paths;
    for (const Image& img : images) {
        if (img && Released(*img)) {
            paths.push_back(img->source);
        }
    }
    return paths;
}
}  // namespace

void GfxPrefetchReleasedImages(const std::vector<Image>& images) {
    if (PlatformConfigRef().renderer == RendererKind::Null) {
        return;  // nothing is drawn: the pictures would stay decoded, never taken
    }
    const std::vector<std::string> paths = SourcesOfReleased(images);
    if (!paths.empty()) {
        GfxPrefetchImages(paths);
    }
}

void GfxForgetPrefetchedImages(const std::vector<Image>& images) {
    const std::vector<std::string> paths = SourcesOfReleased(images);
    if (!paths.empty()) {
        ForgetPrefetchedFiles(paths);
    }
}

long long GfxResidentImageBytes() {
    long long bytes = 0;
    for (const std::weak_ptr<GfxImageData>& weak : LiveImages()) {
        if (const Image img = weak.lock()) {
            bytes += static_cast<long long>(img->rgba.size());
            if (HasTexture(*img)) {
                bytes += 4LL * img->w * img->h;
            }
        }
    }
    return bytes;
}

void GfxDrawImage(const Image& img, float x, float y, int frame) {
    if (GfxS().colA == 0) {
        return;  // blended or added at no opacity: no pixel changes
    }
    if (img && GfxLayerTakesCall()) {
        GfxNoteImage(img, x, y);
        return;
    }
    if (!img || !GfxCanDraw()) {
        return;
    }
    SDL_Texture* tex = TextureOf(*img);
    if (tex == nullptr || GfxDrawTurnedCopy(img, x, y)) {
        return;
    }
    const GfxTexRef ref{tex, img->w, img->h, &img->mods, img->opaque};
    const auto w = static_cast<float>(img->w);
    const auto h = static_cast<float>(img->h);
    GfxDrawTexture(ref, nullptr, x, y, w, h, img->hx, img->hy);
}

void GfxDrawImageRect(const Image& img, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy, int frame) {
    if (GfxS().colA == 0) {
        return;  // as in GfxDrawImage
    }
    if (img && GfxLayerTakesCall()) {
        GfxNoteImageRect(img, x, y, w, h, sx, sy, sw, sh, hx, hy);
        return;
    }
    if (!img || !GfxCanDraw() || sw <= 0 || sh <= 0) {
        return;
    }
    SDL_Texture* tex = TextureOf(*img);
    if (tex == nullptr) {
        return;
    }
    // Whole source pixels, kept inside the image.
    SDL_Rect src{static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(sw), static_cast<int>(sh)};
    const SDL_Rect bounds{0, 0, img->w, img->h};
    if (!SDL_IntersectRect(&src, &bounds, &src)) {
        return;
    }
    GfxDrawTexture({tex, img->w, img->h, &img->mods, img->opaque}, &src, x, y, w, h, hx, hy);
}

int GfxImageWidth(const Image& img) { return img ? img->w : 0; }
int GfxImageHeight(const Image& img) { return img ? img->h : 0; }

void GfxMidHandle(const Image& img) {
    if (img) {
        // Whole pixels keep odd-sized pictures sharp.
        img->hx = static_cast<float>(img->w / 2);
        img->hy = static_cast<float>(img->h / 2);
    }
}

void GfxSetHandle(const Image& img, float x, float y) {
    if (img) {
        img->hx = x;
        img->hy = y;
    }
}

float GfxImageHandleX(const Image& img) { return img ? img->hx : 0.0f; }
float GfxImageHandleY(const Image& img) { return img ? img->hy : 0.0f; }
