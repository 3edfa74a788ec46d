// PNG and JPEG decoding into RGBA bytes, and PNG encoding, in memory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

// Allocates without zeroing: a decoder writes every byte at once, and zeroing a picture's
// megabytes first was a fifth of the game's start-up.
template <class T>
struct UnzeroedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UnzeroedAllocator<U>;
    };
    UnzeroedAllocator() = default;
    template <class U>
    UnzeroedAllocator(const UnzeroedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A picture's RGBA bytes, w * h * 4; grown without being zeroed.
using PixelBytes = std::vector<std::uint8_t, UnzeroedAllocator<std::uint8_t>>;

struct DecodedImage {
    int w = 0;
    int h = 0;
    bool hasAlpha = false;  // the file carried an alpha channel or transparency
    PixelBytes rgba;
};

// The most pixels one picture may have: the header is read first, and a larger picture is
// refused before anything is decoded (a 1 MB file may claim 16384 x 16384, 1 GB of pixels).
constexpr long long IMAGE_MAX_PIXELS = 4096LL * 4096;

// False with a reason in `error` when the bytes are not a readable image.
bool DecodePng(const std::string& bytes, DecodedImage& out, std::string& error);
bool DecodeJpeg(const std::string& bytes, DecodedImage& out, std::string& error);
// The size (and for a PNG whether it has alpha) from the header alone, with the same budget;
// `rgba` stays empty.
bool ReadPngSize(const std::string& bytes, DecodedImage& out, std::string& error);
bool ReadJpegSize(const std::string& bytes, DecodedImage& out, std::string& error);
// Encodes at zlib compression `level` (0..9).
bool EncodePng(const Pixmap& pix, int level, std::string& out);
