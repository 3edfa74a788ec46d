#include "gui/gui_image.h"

#include "gui/gui_util.h"

namespace {
// Atlases live for the whole run, shared by every screen.
std::vector<std::unique_ptr<TImgTexture>>& AtlasCache() {
    static std::vector<std::unique_ptr<TImgTexture>> cache;
    return cache;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t lf = text.find('\n', start);
        if (lf == std::string::npos) lf = text.size();
        lines.push_back(text.substr(start, lf - start));
        start = lf + 1;
    }
    return lines;
}

std::string DescriptionPath(const std::string& path) {
    size_t slash = path.find_last_of('/');
    size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ".txt";
    return path.substr(0, dot) + ".txt";
}

void CentreHandle(TImg& img) {
    img.hx = img.w / 2;
    img.hy = img.h / 2;
}
}  // namespace

void TImg::draw(float px, float py) const {
    if (tex) {
        if (tex->img) GfxDrawImageRect(tex->img, px, py, w, h, x, y, w, h, hx, hy);
    } else if (image) {
        GfxDrawImage(image, px, py);
    }
}

std::vector<std::shared_ptr<TImg>> ParseAtlasDescription(const std::string& text) {
    std::vector<std::shared_ptr<TImg>> pieces;
    const std::vector<std::string> lines = SplitLines(text);
    // The first line holds the piece count; the pieces themselves decide.
    for (size_t i = 1; i + 5 <= lines.size(); i += 5) {
        auto piece = std::make_shared<TImg>();
        piece->name = UpperCase(TrimBlanks(lines[i]));
        piece->x = static_cast<float>(ParseInteger(lines[i + 1]));
        piece->y = static_cast<float>(ParseInteger(lines[i + 2]));
        piece->w = static_cast<float>(ParseInteger(lines[i + 3]));
        piece->h = static_cast<float>(ParseInteger(lines[i + 4]));
        CentreHandle(*piece);
        pieces.push_back(piece);
    }
    return pieces;
}

void TImgTexture::loadTex(const std::string& path, int flags) {
    url = UpperCase(path);
    if (FsFileType(path) != 1) {
        SysNotify("TEXTURE NOT FOUND: " + path, false);
        return;
    }
    img = GfxLoadImage(path, flags);
    imgs = ParseAtlasDescription(FsLoadString(DescriptionPath(path)));
    for (auto& piece : imgs) piece->tex = this;
}

std::shared_ptr<TImg> TImgTexture::getImg(const std::string& name) const {
    const std::string wanted = UpperCase(TrimBlanks(name));
    for (const auto& piece : imgs) {
        if (piece->name == wanted) return piece;
    }
    return nullptr;
}

TImgTexture* GetAtlas(const std::string& path) {
    const std::string key = UpperCase(path);
    for (const auto& tex : AtlasCache()) {
        if (tex->url == key) return tex.get();
    }
    auto tex = std::make_unique<TImgTexture>();
    tex->loadTex(path, GFX_IMAGE_DEFAULT);
    AtlasCache().push_back(std::move(tex));
    return AtlasCache().back().get();
}

std::shared_ptr<TImg> LoadGfxValue(const std::string& value, const std::string& baseDir) {
    const size_t bar = value.find('|');
    if (bar != std::string::npos) {
        const std::string file = ResolveScriptPath(baseDir, TrimBlanks(value.substr(0, bar)));
        return GetAtlas(file)->getImg(value.substr(bar + 1));
    }
    const std::string file = ResolveScriptPath(baseDir, TrimBlanks(value));
    if (FsFileType(file) != 1) SysNotify("NO KURWA NIE MA TAKIEGO PLIKU: " + file, false);
    Image image = GfxLoadImage(file, GFX_IMAGE_DEFAULT);
    if (!image) return nullptr;  // a file that cannot be loaded means no image
    auto img = std::make_shared<TImg>();
    img->image = image;
    img->w = static_cast<float>(GfxImageWidth(image));
    img->h = static_cast<float>(GfxImageHeight(image));
    CentreHandle(*img);
    GfxSetHandle(image, img->hx, img->hy);
    return img;
}
