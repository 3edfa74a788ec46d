// PNG and JPEG decoding into RGBA bytes, and PNG encoding, in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

struct DecodedImage {
    int w = 0;
    int h = 0;
    bool hasAlpha = false;  // the file carried an alpha channel or transparency
    std::vector<std::uint8_t> rgba;
};

// The most pixels one picture may have: the header is read first, and a larger picture is
// refused before anything is decoded (a 1 MB file may claim 16384 x 16384, 1 GB of pixels).
constexpr long long IMAGE_MAX_PIXELS = 4096LL * 4096;

// False with a reason in `error` when the bytes are not a readable image.
bool DecodePng(const std::string& bytes, DecodedImage& out, std::string& error);
bool DecodeJpeg(const std::string& bytes, DecodedImage& out, std::string& error);
// Encodes at zlib compression `level` (0..9).
bool EncodePng(const Pixmap& pix, int level, std::string& out);
