// Arbitrary bytes as a picture file through the game's image loader (PNG and JPEG, the pixel
// budget first): nothing may crash or take more than the budget, and a picture that loads has
// the size it claims within the budget.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_folder.h"
#include "platform/image_codecs.h"
#include "platform/platform.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

const std::string PicturePath() { return FuzzFolder("fuzz-image") + "/picture"; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PlatformConfig config;
    config.headless = true;
    config.renderer = RendererKind::Software;
    config.fixedStep = true;
    config.audio = false;
    if (!PlatformInit(config) || !GfxOpen(1024, 768, 0, 60, 0)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    DecodedImage png;
    DecodedImage jpeg;
    std::string error;
    if (DecodePng(bytes, png, error)) {
        Check(png.w > 0 && png.h > 0 && static_cast<long long>(png.w) * png.h <= IMAGE_MAX_PIXELS);
        Check(png.rgba.size() == static_cast<size_t>(png.w) * png.h * 4);
    }
    if (DecodeJpeg(bytes, jpeg, error)) {
        Check(jpeg.w > 0 && jpeg.h > 0 && static_cast<long long>(jpeg.w) * jpeg.h <= IMAGE_MAX_PIXELS);
        Check(jpeg.rgba.size() == static_cast<size_t>(jpeg.w) * jpeg.h * 4);
    }
    // The header alone (all the null renderer reads) agrees with the decoded picture.
    DecodedImage header;
    if (ReadPngSize(bytes, header, error)) {
        Check(header.rgba.empty() && static_cast<long long>(header.w) * header.h <= IMAGE_MAX_PIXELS);
        Check(png.w == 0 || (png.w == header.w && png.h == header.h));
    }
    header = DecodedImage();
    if (ReadJpegSize(bytes, header, error)) {
        Check(header.rgba.empty() && static_cast<long long>(header.w) * header.h <= IMAGE_MAX_PIXELS);
        Check(jpeg.w == 0 || (jpeg.w == header.w && jpeg.h == header.h));
    }
    // Through the loader and onto the screen, as the game uses a picture.
    FsSaveBytes(bytes, PicturePath());
    Image img = GfxLoadImage(PicturePath(), GFX_IMAGE_DEFAULT);
    if (img) {
        Check(static_cast<long long>(GfxImageWidth(img)) * GfxImageHeight(img) <= IMAGE_MAX_PIXELS);
        GfxDrawImage(img, 10, 10);
    }
    return 0;
}
