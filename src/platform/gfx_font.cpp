// TrueType fonts through FreeType. Glyphs are rendered once into page
// bitmaps; each page becomes one texture that text drawing copies from.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <unordered_map>
#include <utility>

#include "platform/font_glyphs.h"
#include "platform/platform_internal.h"
#include "platform/text_encoding.h"
#include "platform/text_watch.h"

namespace {
struct Glyph {
    bool loaded = false;
    int advance = 0;
    int left = 0, top = 0;  // bitmap offset from the pen on the baseline
    int w = 0, h = 0;
    int page = -1;
    int px = 0, py = 0;  // place in the page
};

struct GlyphPage {
    int size = 0;                     // the page's width and the most rows it may grow to
    int rows = 0;                     // rows in use so far, in whole bands; the texture's height
    std::vector<std::uint8_t> alpha;  // coverage of those rows, kept to rebuild the texture
    int penX = 0, penY = 0, rowH = 0;
    bool dirty = true;
    SDL_Texture* tex = nullptr;
    unsigned texGeneration = 0;
    GfxTexMods mods;
};

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) {
            std::printf("Cannot start FreeType.\n");
            l = nullptr;
        }
        return l;
    }();
    return lib;
}
}  // namespace

struct GfxFontData {
    // FreeType reads the face from here; every size of one file shares one copy.
    std::shared_ptr<const std::string> bytes;
    FT_Face face = nullptr;
    // The letters the face lacks (a font file "x.ttf" with "x-fallback.ttf" beside it): the
    // fallback's, drawn a little bolder, so that a regular face can stand in for a bold one.
    std::shared_ptr<const std::string> fallbackBytes;
    FT_Face fallback = nullptr;
    int size = 0;
    int style = 0;
    bool smooth = true;
    int ascender = 0;
    int lineHeight = 0;
    int pageSize = 512;
    std::array<Glyph, 128> ascii;
    std::unordered_map<std::uint32_t, Glyph> others;
    std::vector<GlyphPage> pages;
    // The same face at the back buffer's real pixel size, so letters are rasterised sharp
    // instead of magnified. Declared after `bytes`, which it reads, so it goes first.
    std::unique_ptr<GfxFontData> sharp;

    ~GfxFontData() {
        const GfxState& g = GfxS();
        for (GlyphPage& p : pages) {
            if (p.tex != nullptr && p.texGeneration == g.generation && g.renderer != nullptr) {
                SDL_DestroyTexture(p.tex);
            }
        }
        if (face != nullptr) {
            FT_Done_Face(face);
        }
        if (fallback != nullptr) {
            FT_Done_Face(fallback);
        }
    }

    // The face that has the letter: the font's own, else its fallback's (null: neither).
    FT_Face FaceFor(std::uint32_t cp) const {
        if (face != nullptr && FT_Get_Char_Index(face, cp) != 0) return face;
        if (fallback != nullptr && FT_Get_Char_Index(fallback, cp) != 0) return fallback;
        return nullptr;
    }

    const Glyph& Get(std::uint32_t cp) {
        Glyph& slot = cp < 128 ? ascii[cp] : others[cp];
        if (!slot.loaded) {
            Load(cp, slot);
        }
        return slot;
    }

    void Load(std::uint32_t cp, Glyph& out) {
        out.loaded = true;
        const FT_Int32 mode = smooth ? FT_LOAD_TARGET_NORMAL : (FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME);
        FT_Face from = FaceFor(cp);
        if (from == nullptr) from = face;  // the font's own empty box
        FT_Pos widened = 0;
        if (from == face) {
            if (FT_Load_Char(face, cp, FT_LOAD_RENDER | mode) != 0) {
                return;
            }
        } else {
            if (FT_Load_Char(from, cp, FT_LOAD_NO_BITMAP | mode) != 0) {
                return;
            }
            if (from->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
                // About the difference between the regular and the bold stems.
                widened = static_cast<FT_Pos>(size * 64 * 0.035);
                FT_Outline_Embolden(&from->glyph->outline, widened);
            }
            if (FT_Render_Glyph(from->glyph, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) {
                return;
            }
        }
        const FT_GlyphSlot slot = from->glyph;
        out.advance = static_cast<int>((slot->advance.x + widened + 32) >> 6);
        out.left = slot->bitmap_left;
        out.top = slot->bitmap_top;
        const FT_Bitmap& bm = slot->bitmap;
        const int w = static_cast<int>(bm.width);
        const int h = static_cast<int>(bm.rows);
        if (w <= 0 || h <= 0 || w > pageSize || h > pageSize) {
            return;
        }
        GlyphPage& page = Place(w, h, out);
        for (int y = 0; y < h; ++y) {
            const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
            std::uint8_t* dst = &page.alpha[static_cast<std::size_t>(out.py + y) * page.size + out.px];
            for (int x = 0; x < w; ++x) {
                if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
                    dst[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                } else {
                    dst[x] = row[x];
                }
            }
        }
        page.dirty = true;
        out.w = w;
        out.h = h;
    }

    // A free spot of w x h on the shelves of the last page, or a new page.
    GlyphPage& Place(int w, int h, Glyph& out) {
        if (!pages.empty()) {
            GlyphPage& p = pages.back();
            if (p.penX + w > p.size) {
                p.penX = 0;
                p.penY += p.rowH + 1;
                p.rowH = 0;
            }
            if (p.penY + h <= p.size) {
                return Take(p, static_cast<int>(pages.size()) - 1, w, h, out);
            }
        }
        GlyphPage p;
        p.size = pageSize;
        pages.push_back(std::move(p));
        return Take(pages.back(), static_cast<int>(pages.size()) - 1, w, h, out);
    }

    static GlyphPage& Take(GlyphPage& p, int index, int w, int h, Glyph& out) {
        out.page = index;
        out.px = p.penX;
        out.py = p.penY;
        p.penX += w + 1;  // a pixel apart so filtering never bleeds between glyphs
        p.rowH = std::max(p.rowH, h);
        // A page takes memory for the rows its letters reach, not for its whole square: most
        // sizes draw a few dozen letters, which fill a band at the top of a large page.
        constexpr int kBand = 32;
        if (p.penY + h > p.rows) {
            p.rows = std::min(p.size, (p.penY + h + kBand - 1) / kBand * kBand);
            p.alpha.resize(static_cast<std::size_t>(p.size) * p.rows, 0);
        }
        return p;
    }

    SDL_Texture* PageTexture(GlyphPage& p) {
        const GfxState& g = GfxS();
        if (p.tex != nullptr && p.texGeneration == g.generation && !p.dirty) {
            return p.tex;
        }
        if (p.tex != nullptr && p.texGeneration == g.generation) {
            SDL_DestroyTexture(p.tex);
        }
        std::vector<std::uint8_t> rgba(p.alpha.size() * 4, 255);
        for (std::size_t i = 0; i < p.alpha.size(); ++i) {
            rgba[i * 4 + 3] = p.alpha[i];
        }
        p.tex = GfxMakeTexture(p.size, p.rows, rgba.data(), true);
        p.texGeneration = g.generation;
        p.mods = GfxTexMods();
        p.dirty = false;
        return p.tex;
    }
};

namespace {
// Opens the face from `data` at `size` pixels; false (and says why) when it cannot.
bool OpenFace(GfxFontData& font, const std::string& data, int size, int style, const std::string& path) {
    if (FT_New_Memory_Face(Library(), reinterpret_cast<const FT_Byte*>(data.data()),
                           static_cast<FT_Long>(data.size()), 0, &font.face) != 0) {
        font.face = nullptr;
        std::printf("Cannot read font %s\n", path.c_str());
        return false;
    }
    if (FT_Set_Pixel_Sizes(font.face, 0, static_cast<FT_UInt>(size)) != 0) {
        std::printf("Font %s has no size %d\n", path.c_str(), size);
        return false;
    }
    const FT_Size_Metrics& m = font.face->size->metrics;
    font.size = size;
    font.style = style;
    font.ascender = static_cast<int>(std::lround(m.ascender / 64.0));
    font.lineHeight = static_cast<int>(std::lround((m.ascender - m.descender) / 64.0));
    font.smooth = (style & GFX_FONT_SMOOTH) != 0;
    // Pages sized to the letters: small text (panels, counters, tips) fills a quarter page, whose
    // texture costs a quarter of the memory; more pages come as they fill.
    font.pageSize = size <= 24 ? 256 : size <= 48 ? 512 : 1024;
    return true;
}

// Opens the fallback face beside the font at the font's size, when there is one.
void OpenFallback(GfxFontData& font) {
    if (font.fallbackBytes == nullptr) return;
    const std::string& data = *font.fallbackBytes;
    if (FT_New_Memory_Face(Library(), reinterpret_cast<const FT_Byte*>(data.data()),
                           static_cast<FT_Long>(data.size()), 0, &font.fallback) != 0) {
        font.fallback = nullptr;
        return;
    }
    if (FT_Set_Pixel_Sizes(font.fallback, 0, static_cast<FT_UInt>(font.size)) != 0) {
        FT_Done_Face(font.fallback);
        font.fallback = nullptr;
    }
}

// "gfx/fonts/font1.ttf" -> "gfx/fonts/font1-fallback.ttf"
std::string FallbackPath(const std::string& path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + "-fallback";
    return path.substr(0, dot) + "-fallback" + path.substr(dot);
}

// The bytes of a font file, read once while any font made from it lives; null when missing.
std::shared_ptr<const std::string> FontFile(const std::string& path) {
    static std::unordered_map<std::string, std::weak_ptr<const std::string>> files;
    if (auto known = files[path].lock()) {
        return known;
    }
    std::string bytes;
    if (!FsReadAll(path, bytes)) {
        return nullptr;
    }
    auto shared = std::make_shared<const std::string>(std::move(bytes));
    files[path] = shared;
    return shared;
}

// The glyphs to draw with at `scale` real pixels per logical one: the font itself at 1,
// else a copy of the face at the real size, made on first use.
GfxFontData* GlyphsFor(GfxFontData& font, float scale) {
    const int realSize = static_cast<int>(std::lround(font.size * scale));
    if (realSize == font.size || realSize > 4000) {
        return &font;
    }
    if (font.sharp == nullptr || font.sharp->size != realSize) {
        auto sharp = std::make_unique<GfxFontData>();
        if (!OpenFace(*sharp, *font.bytes, realSize, font.style, "(sharp copy)")) {
            return &font;
        }
        sharp->fallbackBytes = font.fallbackBytes;
        OpenFallback(*sharp);
        font.sharp = std::move(sharp);
    }
    return font.sharp.get();
}
}  // namespace

Font GfxLoadFont(const std::string& path, int size, int style) {
    if (size <= 0 || size > 1000 || Library() == nullptr) {
        return nullptr;
    }
    auto font = std::make_shared<GfxFontData>();
    font->bytes = FontFile(path);
    if (font->bytes == nullptr) {
        return nullptr;  // a missing font measures and draws nothing
    }
    if (!OpenFace(*font, *font->bytes, size, style, path)) {
        return nullptr;
    }
    if (FsFileType(FallbackPath(path)) == 1) {
        font->fallbackBytes = FontFile(FallbackPath(path));
        OpenFallback(*font);
    }
    return font;
}

void GfxSetImageFont(const Font& font) { GfxS().font = font; }

Font GfxGetImageFont() { return GfxS().font; }

namespace {
std::function<bool(const GfxTextDrawn&)>& TextWatcher() {
    static std::function<bool(const GfxTextDrawn&)> watcher;
    return watcher;
}
}  // namespace

void GfxSetTextWatcher(std::function<bool(const GfxTextDrawn&)> watcher) {
    TextWatcher() = std::move(watcher);
}

void GfxDrawText(const std::string& text, float x, float y) {
    if (GfxLayerTakesCall()) {
        GfxNoteText(text, x, y);
        return;
    }
    const GfxState& g = GfxS();
    GfxFontData* font = g.font.get();
    if (font == nullptr || !GfxCanDraw() || text.empty()) {
        return;
    }
    if (TextWatcher() &&
        !TextWatcher()({text, x, y, static_cast<float>(GfxTextWidth(text)) * g.scaleX,
                        static_cast<float>(font->lineHeight) * g.scaleY,
                        static_cast<float>(font->size) * g.scaleY, g.r, g.g, g.b, g.alpha})) {
        return;
    }
    // Glyphs at the back buffer's real size, placed by the font's own advances so the
    // line keeps the width GfxTextWidth measures.
    const float sx = g.pixelScaleX;
    const float sy = g.pixelScaleY;
    GfxFontData* glyphs = GlyphsFor(*font, sx);
    // Load every glyph first so each page is uploaded at most once.
    for (std::size_t i = 0; i < text.size();) {
        glyphs->Get(Utf8Next(text, i));
    }
    int penX = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::uint32_t cp = Utf8Next(text, i);
        const Glyph& gl = glyphs->Get(cp);
        if (gl.page >= 0) {
            GlyphPage& page = glyphs->pages[static_cast<std::size_t>(gl.page)];
            SDL_Texture* tex = glyphs->PageTexture(page);
            if (tex != nullptr) {
                const SDL_Rect src{gl.px, gl.py, gl.w, gl.h};
                // The glyph's box hangs from (x, y) like an image with a negative handle; the
                // pen stays on whole real pixels so letters are not smeared across two.
                const float hx = -(std::round(penX * sx) + gl.left) / sx;
                const float hy = static_cast<float>(gl.top) / sy - static_cast<float>(font->ascender);
                const GfxTexRef ref{tex, page.size, page.rows, &page.mods};
                GfxDrawTexture(ref, &src, x, y, gl.w / sx, gl.h / sy, hx, hy);
            }
        }
        penX += glyphs == font ? gl.advance : font->Get(cp).advance;
    }
}

bool GfxFontHasGlyph(const Font& font, std::uint32_t codePoint) {
    return font && font->FaceFor(codePoint) != nullptr;
}

int GfxTextWidth(const std::string& text) {
    GfxFontData* font = GfxS().font.get();
    if (font == nullptr) {
        return 0;
    }
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        width += font->Get(Utf8Next(text, i)).advance;
    }
    return width;
}

int GfxTextHeight(const std::string& text) {
    const GfxFontData* font = GfxS().font.get();
    return font != nullptr ? font->lineHeight : 0;
}
