#include "frame/font_cache.h"

#include <vector>

#include "frame/names.h"

Font GetFont(const std::string& path, int size) {
    static std::vector<TMyFont> fontCache;  // never emptied
    for (const auto& f : fontCache) {
        if (f.size == size && EqualNoCase(f.url, path)) return f.font;
    }
    TMyFont entry;
    entry.url = path;
    entry.size = size;
    entry.font = GfxLoadFont(path, size, GFX_FONT_SMOOTH);
    fontCache.push_back(entry);
    return entry.font;
}
