// Shared helpers of the GUI tests: a scratch folder for scripts and images,
// scripts read from text, captured console output and a driven mouse.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <zlib.h>

#include "frame/globals.h"
#include "frame/mouse.h"
#include "gui/gui.h"
#include "platform/platform.h"

namespace guitest {

// A PNG file of the pixels (8-bit RGBA), written without the platform.
inline std::string EncodePng(const Pixmap& pix) {
    auto be32 = [](std::string& out, uLong v) {
        for (int s = 24; s >= 0; s -= 8) out += static_cast<char>((v >> s) & 0xFF);
    };
    auto chunk = [&](std::string& out, const char* type, const std::string& data) {
        be32(out, data.size());
        const std::string body = std::string(type, 4) + data;
        out += body;
        be32(out, crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
    };
    std::string header;
    be32(header, static_cast<uLong>(pix.w));
    be32(header, static_cast<uLong>(pix.h));
    header += std::string("\x08\x06\x00\x00\x00", 5);
    std::string raw;
    for (int y = 0; y < pix.h; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(pix.rgba.data()) + static_cast<size_t>(y) * pix.w * 4,
                   static_cast<size_t>(pix.w) * 4);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
             static_cast<uLong>(raw.size()));
    packed.resize(size);
    std::string png("\x89PNG\r\n\x1a\n", 8);
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", "");
    return png;
}

// A fresh folder under the system temp folder, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string templ = (std::filesystem::temp_directory_path() / "gui-test-XXXXXX").string();
        path = mkdtemp(templ.data()) ? templ + "/" : std::string();
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string write(const std::string& name, const std::string& content) const {
        const std::string file = path + name;
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        EXPECT_TRUE(FsSaveBytes(content, file)) << file;
        return file;
    }
    // A PNG of one colour (r, g, b, a).
    std::string png(const std::string& name, int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                    std::uint8_t a = 255) const {
        Pixmap pix;
        pix.w = w;
        pix.h = h;
        pix.rgba.resize(static_cast<size_t>(w) * h * 4);
        for (size_t i = 0; i < pix.rgba.size(); i += 4) {
            pix.rgba[i] = r;
            pix.rgba[i + 1] = g;
            pix.rgba[i + 2] = b;
            pix.rgba[i + 3] = a;
        }
        return write(name, EncodePng(pix));
    }

    std::string path;
};

// Runs fn and returns what it printed to standard output.
inline std::string Output(const std::function<void()>& fn) {
    testing::internal::CaptureStdout();
    fn();
    return testing::internal::GetCapturedStdout();
}

inline std::shared_ptr<TGui> FromText(const std::string& script, const std::string& folder = "") {
    auto gui = std::make_shared<TGui>();
    gui->LoadFromString(script, folder);
    return gui;
}

// Puts the mouse at (x, y) with the left button state and runs one update
// (frame delta 1: 60 frames per second).
inline void Frame(TGui& gui, float x, float y, bool held = false, bool pressed = false, float delta = 1) {
    frameDelta = delta;
    mouse.x = x;
    mouse.y = y;
    mouse.leftHolded = held ? 1 : 0;
    mouse.leftPressed = pressed ? 1 : 0;
    gui.update();
}

}  // namespace guitest
