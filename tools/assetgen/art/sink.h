// Where the generated files go: writes them under game/ (only when their bytes
// change), remembers each one with its size and purpose for the contact sheet
// and the file list, and counts what was written.
#pragma once

#include "canvas.h"

#include <mutex>
#include <string>
#include <vector>

namespace art {

struct Entry {
    std::string path;  // relative to the game folder
    int w = 0, h = 0;  // 0 for non-pictures
    std::string purpose;
    SurfacePtr thumb;  // small copy for the contact sheet, null for non-pictures
};

class Sink {
public:
    Sink(std::string gameDir, std::string buildDir);

    void Png(const std::string& rel, cairo_surface_t* s, const std::string& purpose);
    void Jpg(const std::string& rel, cairo_surface_t* s, const std::string& purpose, int quality = 90);
    void Text(const std::string& rel, const std::string& content, const std::string& purpose);
    void CopyFile(const std::string& from, const std::string& rel, const std::string& purpose);

    const std::string& GameDir() const { return gameDir_; }
    const std::string& BuildDir() const { return buildDir_; }
    // The entries sorted by path; the sink keeps them.
    std::vector<const Entry*> Sorted() const;
    int Written() const { return written_; }
    int Unchanged() const { return unchanged_; }
    int Failed() const { return failed_; }

private:
    void Store(const std::string& rel, const std::vector<std::uint8_t>& bytes, Entry entry);

    std::string gameDir_, buildDir_;
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
    int written_ = 0, unchanged_ = 0, failed_ = 0;
};

}  // namespace art
