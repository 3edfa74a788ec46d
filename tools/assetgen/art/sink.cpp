#include "sink.h"

#include "common/image_io.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace art {

namespace {

constexpr int kThumb = 120;

SurfacePtr MakeThumb(cairo_surface_t* s) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const double k = std::min(1.0, static_cast<double>(kThumb) / std::max(w, h));
    const int tw = std::max(1, static_cast<int>(w * k)), th = std::max(1, static_cast<int>(h * k));
    SurfacePtr t = NewSurface(tw, th);
    Ctx cr(t.get());
    cairo_scale(cr, static_cast<double>(tw) / w, static_cast<double>(th) / h);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    return t;
}

}  // namespace

Sink::Sink(std::string gameDir, std::string buildDir)
    : gameDir_(std::move(gameDir)), buildDir_(std::move(buildDir)) {}

void Sink::Store(const std::string& rel, const std::vector<std::uint8_t>& bytes, Entry entry) {
    const bool ok = !bytes.empty();
    const bool wrote = ok && assetgen::WriteIfChanged(gameDir_ + "/" + rel, bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ok) {
        ++failed_;
        std::cerr << "assetgen_art: could not encode " << rel << "\n";
    } else if (wrote) {
        ++written_;
    } else {
        ++unchanged_;
    }
    entry.path = rel;
    entries_.push_back(std::move(entry));
}

void Sink::Png(const std::string& rel, cairo_surface_t* s, const std::string& purpose) {
    Entry e;
    e.w = cairo_image_surface_get_width(s);
    e.h = cairo_image_surface_get_height(s);
    e.purpose = purpose;
    e.thumb = MakeThumb(s);
    Store(rel, assetgen::EncodePng(s, 6), std::move(e));
}

void Sink::Jpg(const std::string& rel, cairo_surface_t* s, const std::string& purpose, int quality) {
    Entry e;
    e.w = cairo_image_surface_get_width(s);
    e.h = cairo_image_surface_get_height(s);
    e.purpose = purpose;
    e.thumb = MakeThumb(s);
    Store(rel, assetgen::EncodeJpeg(s, quality), std::move(e));
}

void Sink::Text(const std::string& rel, const std::string& content, const std::string& purpose) {
    Entry e;
    e.purpose = purpose;
    Store(rel, std::vector<std::uint8_t>(content.begin(), content.end()), std::move(e));
}

void Sink::CopyFile(const std::string& from, const std::string& rel, const std::string& purpose) {
    std::vector<std::uint8_t> bytes = assetgen::ReadFileBytes(from);
    if (bytes.empty()) std::cerr << "assetgen_art: missing source file " << from << "\n";
    Entry e;
    e.purpose = purpose;
    Store(rel, bytes, std::move(e));
}

std::vector<const Entry*> Sink::Sorted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<const Entry*> out;
    for (const Entry& e : entries_) out.push_back(&e);
    std::sort(out.begin(), out.end(), [](const Entry* a, const Entry* b) { return a->path < b->path; });
    return out;
}

}  // namespace art
