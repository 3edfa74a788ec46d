// Scratch folders and generated files for the platform tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh empty folder under /tmp, removed with its contents on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// A PNG without alpha (RGB) from RGB bytes.
bool WriteRgbPng(const std::string& path, int w, int h, const std::vector<std::uint8_t>& rgb);
// A JPEG at quality 100 from RGB bytes.
bool WriteJpeg(const std::string& path, int w, int h, const std::vector<std::uint8_t>& rgb);
// A 16-bit PCM WAV file.
std::string MakeWav(int rate, int channels, const std::vector<std::int16_t>& samples);
