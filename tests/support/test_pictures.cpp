#include "support/test_pictures.h"

#include <cmath>
#include <cstdint>
#include <vector>

Image SoftBlob(int w, int h) {
    std::vector<std::uint8_t> px;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float d = std::hypot((x - w / 2.0f) / (w / 2.0f), (y - h / 2.0f) / (h / 2.0f));
            px.insert(px.end(), {255, 255, 255, static_cast<std::uint8_t>(d >= 1 ? 0 : 255 * (1 - d))});
        }
    }
    Image img = GfxCreateImage(w, h, px.data(), GFX_IMAGE_FILTERED);
    GfxMidHandle(img);
    return img;
}
