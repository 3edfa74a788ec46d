#include "common/image_io.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace assetgen {

std::vector<std::uint8_t> SurfaceToRgba(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::vector<std::uint8_t> out(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        std::uint8_t* o = out.data() + static_cast<size_t>(y) * w * 4;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            std::uint32_t a = hasAlpha ? (p >> 24) : 255;
            std::uint32_t r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
            // Cairo stores premultiplied colour; the files hold straight alpha.
            if (a != 0 && a != 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            if (a == 0) r = g = b = 0;
            o[x * 4 + 0] = static_cast<std::uint8_t>(r > 255 ? 255 : r);
            o[x * 4 + 1] = static_cast<std::uint8_t>(g > 255 ? 255 : g);
            o[x * 4 + 2] = static_cast<std::uint8_t>(b > 255 ? 255 : b);
            o[x * 4 + 3] = static_cast<std::uint8_t>(a);
        }
    }
    return out;
}

namespace {

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void PngFlush(png_structp) {}

}  // namespace

Bytes EncodePng(cairo_surface_t* surface, int compression) {
    Bytes out;
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    std::vector<std::uint8_t> rgba = SurfaceToRgba(surface);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        return out;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return Bytes();
    }
    png_set_write_fn(png, &out, PngWrite, PngFlush);
    png_set_compression_level(png, compression);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, rgba.data() + static_cast<size_t>(y) * w * 4);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes EncodeJpeg(cairo_surface_t* surface, int quality) {
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    std::vector<std::uint8_t> rgba = SurfaceToRgba(surface);
    std::vector<std::uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) {
        const unsigned a = rgba[i * 4 + 3];
        for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = static_cast<std::uint8_t>(rgba[i * 4 + c] * a / 255);
    }
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long memSize = 0;
    jpeg_mem_dest(&cinfo, &mem, &memSize);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(cinfo.next_scanline) * w * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(mem, mem + memSize);
    jpeg_destroy_compress(&cinfo);
    free(mem);
    return out;
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Bytes();
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteIfChanged(const std::string& path, const Bytes& bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(path, ec) && fs::file_size(path, ec) == bytes.size() && ReadFileBytes(path) == bytes)
        return false;
    fs::create_directories(fs::path(path).parent_path(), ec);
    // Write beside the target and rename, so an interrupted run never leaves half a picture.
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            std::cerr << "assetgen: cannot write " << path << "\n";
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "assetgen: write failed for " << path << "\n";
            return false;
        }
    }
    fs::rename(tmp, path, ec);
    if (ec) {
        std::cerr << "assetgen: cannot rename " << tmp << ": " << ec.message() << "\n";
        return false;
    }
    return true;
}

}  // namespace assetgen
