#include "platform/image_codecs.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {
constexpr int kMaxDecodedSide = 16384;

// False, with the reason, for a picture of no pixels or more than the budget.
bool SizeWithinBudget(unsigned long w, unsigned long h, char* why, size_t whySize) {
    if (w == 0 || h == 0 || w > kMaxDecodedSide || h > kMaxDecodedSide) {
        std::snprintf(why, whySize, "bad image size %lu x %lu", w, h);
        return false;
    }
    if (static_cast<long long>(w) * static_cast<long long>(h) > IMAGE_MAX_PIXELS) {
        std::snprintf(why, whySize, "%lu x %lu pixels, more than the %lld a picture may have", w, h,
                      IMAGE_MAX_PIXELS);
        return false;
    }
    return true;
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    JpegError* err = reinterpret_cast<JpegError*>(info->err);
    info->err->format_message(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnJpegMessage(j_common_ptr, int) {}  // warnings of damaged files stay quiet

// Adobe writes CMYK JPEGs inverted; multiply back to RGB.
void CmykToRgba(const std::uint8_t* in, std::uint8_t* out, int w) {
    for (int i = 0; i < w; ++i) {
        const int k = in[i * 4 + 3];
        for (int c = 0; c < 3; ++c) {
            out[i * 4 + c] = static_cast<std::uint8_t>(in[i * 4 + c] * k / 255);
        }
        out[i * 4 + 3] = 255;
    }
}

// Kept free of C++ objects with destructors: longjmp skips them. Without `pixels`, the size
// from the header alone.
bool ReadJpeg(jpeg_decompress_struct* info, JpegError* err, const std::string& bytes, DecodedImage& out,
              std::vector<std::uint8_t>& row, bool pixels) {
    if (setjmp(err->jump)) {
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    if (!SizeWithinBudget(info->image_width, info->image_height, err->message, sizeof err->message)) {
        return false;
    }
    if (!pixels) {
        out.w = static_cast<int>(info->image_width);
        out.h = static_cast<int>(info->image_height);
        return true;
    }
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(info);
    if (info->output_width > kMaxDecodedSide || info->output_height > kMaxDecodedSide) {
        std::snprintf(err->message, sizeof err->message, "image too large");
        return false;
    }
    out.w = static_cast<int>(info->output_width);
    out.h = static_cast<int>(info->output_height);
    out.rgba.resize(static_cast<size_t>(out.w) * out.h * 4);
    row.resize(static_cast<size_t>(out.w) * 4);
    while (info->output_scanline < info->output_height) {
        std::uint8_t* dst = &out.rgba[static_cast<size_t>(info->output_scanline) * out.w * 4];
        JSAMPROW rows[1] = {cmyk ? row.data() : dst};
        jpeg_read_scanlines(info, rows, 1);
        if (cmyk) {
            CmykToRgba(row.data(), dst, out.w);
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

void PngWriteToString(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void PngFlush(png_structp) {}
}  // namespace

namespace {
// Without `pixels`, the size (and whether it has alpha) from the header alone.
bool ReadPng(const std::string& bytes, DecodedImage& out, std::string& error, bool pixels) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        error = image.message;
        return false;
    }
    char why[128];
    if (!SizeWithinBudget(image.width, image.height, why, sizeof why)) {
        png_image_free(&image);
        error = why;
        return false;
    }
    out.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    out.w = static_cast<int>(image.width);
    out.h = static_cast<int>(image.height);
    if (!pixels) {
        png_image_free(&image);
        return true;
    }
    image.format = PNG_FORMAT_RGBA;
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) {
        error = image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}

bool JpegRead(const std::string& bytes, DecodedImage& out, std::string& error, bool pixels) {
    jpeg_decompress_struct info{};
    JpegError err{};
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = OnJpegError;
    err.mgr.emit_message = OnJpegMessage;
    std::vector<std::uint8_t> row;
    const bool ok = ReadJpeg(&info, &err, bytes, out, row, pixels);
    jpeg_destroy_decompress(&info);
    if (!ok) {
        error = err.message;
        out = DecodedImage();
        return false;
    }
    out.hasAlpha = false;
    return true;
}
}  // namespace

bool DecodePng(const std::string& bytes, DecodedImage& out, std::string& error) {
    return ReadPng(bytes, out, error, true);
}

bool ReadPngSize(const std::string& bytes, DecodedImage& out, std::string& error) {
    return ReadPng(bytes, out, error, false);
}

bool DecodeJpeg(const std::string& bytes, DecodedImage& out, std::string& error) {
    return JpegRead(bytes, out, error, true);
}

bool ReadJpegSize(const std::string& bytes, DecodedImage& out, std::string& error) {
    return JpegRead(bytes, out, error, false);
}

bool EncodePng(const Pixmap& pix, int level, std::string& out) {
    if (pix.w <= 0 || pix.h <= 0 || pix.rgba.size() != static_cast<size_t>(pix.w) * pix.h * 4) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    out.clear();
    png_set_write_fn(png, &out, PngWriteToString, PngFlush);
    png_set_compression_level(png, level < 0 ? 0 : (level > 9 ? 9 : level));
    png_set_IHDR(png, info, static_cast<png_uint_32>(pix.w), static_cast<png_uint_32>(pix.h), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < pix.h; ++y) {
        png_write_row(png, const_cast<png_bytep>(&pix.rgba[static_cast<size_t>(y) * pix.w * 4]));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool GfxSavePng(const Pixmap& pix, const std::string& path, int level) {
    std::string bytes;
    if (!EncodePng(pix, level, bytes)) {
        std::printf("Cannot encode %s\n", path.c_str());
        return false;
    }
    return FsSaveBytes(bytes, path);
}
